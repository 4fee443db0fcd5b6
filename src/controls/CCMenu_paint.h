#pragma once

#include "controls/painters.h"

namespace qb {

// A menu topic, open (inverted topic and drop box of items) or closed.
void PaintCCMenu(TControl& control, PalmCanvas& canvas, const PaintContext& context);

}  // namespace qb
