#pragma once

#include "controls/painters.h"

namespace qb {

// The form's bold title starts at this column of the screen.
inline constexpr int kCCFormTitleLeft = 3;

// The screen panel: fill, grid, title line, title tab and title.
void PaintCCForm(TControl& control, PalmCanvas& canvas, const PaintContext& context);

}  // namespace qb
