#pragma once

#include "controls/painters.h"

namespace qb {

// The shift indicator: an upward arrow, always 8 × 9.
void PaintPTGsi(TControl& control, PalmCanvas& canvas, const PaintContext& context);

}  // namespace qb
