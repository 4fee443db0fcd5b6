#pragma once

#include "controls/painters.h"

namespace qb {

// A list box: framed rows of 11 pixels, the highlighted one inverted, the scroll arrow.
void PaintCCListBox(TControl& control, PalmCanvas& canvas, const PaintContext& context);

}  // namespace qb
