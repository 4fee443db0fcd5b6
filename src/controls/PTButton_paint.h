#pragma once

#include "controls/painters.h"

namespace qb {

// A PToolboxLib button: frame by Frame (standard, bold ring, square, none), centred text.
void PaintPTButton(TControl& control, PalmCanvas& canvas, const PaintContext& context);

}  // namespace qb
