#pragma once

#include "controls/painters.h"

namespace qb {

// A dialog: body, grid, two-pixel frame with rounded corners, title bar, title, marks.
void PaintPTDialog(TControl& control, PalmCanvas& canvas, const PaintContext& context);

}  // namespace qb
