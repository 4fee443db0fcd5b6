#pragma once

#include "controls/painters.h"

namespace qb {

// An image or bitmap: the one-bit picture of StringBits in ColorFore.
void PaintCCBitmap(TControl& control, PalmCanvas& canvas, const PaintContext& context);

}  // namespace qb
