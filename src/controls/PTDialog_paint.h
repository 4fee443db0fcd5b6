#pragma once

#include "controls/painters.h"

namespace qb {

// The title bar fills the columns from kPTDialogTitleBarInset to the width less 1 less it; a
// bold title of the given width starts at PTDialogTitleX.
inline constexpr int kPTDialogTitleBarInset = 2;
int PTDialogTitleX(int width, int text_width);

// A dialog: body, grid, two-pixel frame with rounded corners, title bar, title, marks.
void PaintPTDialog(TControl& control, PalmCanvas& canvas, const PaintContext& context);

}  // namespace qb
