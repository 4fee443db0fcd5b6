#pragma once

#include "controls/painters.h"

namespace qb {

// Radio buttons: a row or column of cells sharing their borders, the selected one inverted.
void PaintCCRadio(TControl& control, PalmCanvas& canvas, const PaintContext& context);

}  // namespace qb
