#pragma once

// The two coordinate sets of a control, read and written by axis: the panel rectangle the
// designer draws in, and the Palm rectangle the device sees (the panel less the class's
// margin). The inspector's position rows and the layout commands both go through here.

#include "controls/control.h"

namespace qb {

enum class CoordAxis { kLeft, kTop, kWidth, kHeight };
enum class CoordSystem { kPalm, kPanel };

int Coordinate(const TControl& control, CoordAxis axis, CoordSystem system);
void SetCoordinate(TControl& control, CoordAxis axis, CoordSystem system, int value);

}  // namespace qb
