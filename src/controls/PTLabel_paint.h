#pragma once

#include "controls/painters.h"

namespace qb {

// A PToolboxLib label, sized to its text.
void PaintPTLabel(TControl& control, PalmCanvas& canvas, const PaintContext& context);

}  // namespace qb
