#pragma once

#include "controls/painters.h"

namespace qb {

// Labels, edits and edit lines are drawn 13 high whatever their stored height.
inline constexpr int kCCLabelHeight = 13;

// A label, edit or edit line: 13 high, plain, underlined or boxed, aligned text.
void PaintCCLabel(TControl& control, PalmCanvas& canvas, const PaintContext& context);

}  // namespace qb
