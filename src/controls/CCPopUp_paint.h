#pragma once

#include "controls/painters.h"

namespace qb {

// A pop-up: the shadowed list, shown only while testing.
void PaintCCPopUp(TControl& control, PalmCanvas& canvas, const PaintContext& context);

}  // namespace qb
