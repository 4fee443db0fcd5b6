#pragma once

#include "controls/painters.h"

namespace qb {

// A check box is drawn 13 high; its text starts 13 pixels in.
inline constexpr int kCCCheckboxHeight = 13;
inline constexpr int kCCCheckboxTextLeft = 13;

// A check box: 13 high, the box, the tick breaking through it when set, the text.
void PaintCCCheckbox(TControl& control, PalmCanvas& canvas, const PaintContext& context);

}  // namespace qb
