#pragma once

#include "controls/painters.h"

namespace qb {

// A drop-down: closed, the selected item beside a triangle; open, the shadowed list.
void PaintCCDropDown(TControl& control, PalmCanvas& canvas, const PaintContext& context);

}  // namespace qb
