#pragma once

#include "controls/painters.h"

namespace qb {

// A field: dotted underlines per line, the text single-line or wrapped at blanks.
void PaintPTEdit(TControl& control, PalmCanvas& canvas, const PaintContext& context);

}  // namespace qb
