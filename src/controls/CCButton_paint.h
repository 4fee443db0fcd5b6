#pragma once

#include "controls/painters.h"

namespace qb {

// A Select is as wide as its text and this much more.
inline constexpr int kCCSelectPadding = 7;

// A button (and the PToolboxLib Select): cut-corner frame by Radius and Line, centred text.
void PaintCCButton(TControl& control, PalmCanvas& canvas, const PaintContext& context);

}  // namespace qb
