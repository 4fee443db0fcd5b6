#pragma once

#include "controls/painters.h"

namespace qb {

// The height of a closed drop-down.
inline constexpr int kCCDropDownClosedHeight = 12;

// A drop-down: closed, the selected item beside a triangle; open, the shadowed list.
void PaintCCDropDown(TControl& control, PalmCanvas& canvas, const PaintContext& context);

}  // namespace qb
