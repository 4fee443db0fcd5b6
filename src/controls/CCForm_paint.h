#pragma once

#include "controls/painters.h"

namespace qb {

// The screen panel: fill, grid, title line, title tab and title.
void PaintCCForm(TControl& control, PalmCanvas& canvas, const PaintContext& context);

}  // namespace qb
