#pragma once

#include "controls/painters.h"

namespace qb {

// A table: framed columns with dotted separators and the cells of the visible rows.
void PaintCCTable(TControl& control, PalmCanvas& canvas, const PaintContext& context);

}  // namespace qb
