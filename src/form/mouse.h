#pragma once

// Mouse input as the designer receives it from the view.
//
// Positions are pixels of the designer window's client area (167 × 226, the screen panel at
// (4, 2)); the designer converts them into a control's own coordinates where a handler needs
// them. The shift state carries the held keys and buttons; at a press it includes the button
// pressed and at a release the button released, so that "a plain right click" reads the same
// at both ends.

#include "controls/palm_canvas.h"  // Point

namespace qb {

enum class MouseButton { kLeft, kRight, kMiddle };

enum ShiftFlag : unsigned {
  kSsShift = 1,
  kSsCtrl = 2,
  kSsAlt = 4,
  kSsLeft = 8,
  kSsRight = 16,
  kSsMiddle = 32,
  kSsDouble = 64,  // the press is the second of a double click
};
using ShiftState = unsigned;

// The cursor shapes the designer asks for; the view maps them to its own cursors.
enum class CursorShape {
  kArrow,
  kSizeWE,    // left or right edge
  kSizeNS,    // top or bottom edge
  kSizeNWSE,  // top-left or bottom-right corner
  kSizeNESW,  // top-right or bottom-left corner
};

}  // namespace qb
