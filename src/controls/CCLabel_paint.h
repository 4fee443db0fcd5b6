#pragma once

#include "controls/painters.h"

namespace qb {

// A label, edit or edit line: 13 high, plain, underlined or boxed, aligned text.
void PaintCCLabel(TControl& control, PalmCanvas& canvas, const PaintContext& context);

}  // namespace qb
