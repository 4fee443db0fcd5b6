#pragma once

#include "controls/painters.h"

namespace qb {

// The menu bar: a rounded frame across the screen top with its shadow.
void PaintCCMenuBar(TControl& control, PalmCanvas& canvas, const PaintContext& context);

}  // namespace qb
