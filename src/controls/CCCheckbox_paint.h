#pragma once

#include "controls/painters.h"

namespace qb {

// A check box: 13 high, the box, the tick breaking through it when set, the text.
void PaintCCCheckbox(TControl& control, PalmCanvas& canvas, const PaintContext& context);

}  // namespace qb
