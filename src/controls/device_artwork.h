#pragma once

#include "controls/painters.h"

namespace qb {

// The handheld around the screen, filling the designer window's 167 × 226 client area: a
// dark case with the screen's bezel at (3, 1), the writing area with its four silk-screen
// buttons, and the row of hardware buttons with the scroll rocker.
void PaintDeviceArtwork(TControl& control, PalmCanvas& canvas, const PaintContext& context);

}  // namespace qb
