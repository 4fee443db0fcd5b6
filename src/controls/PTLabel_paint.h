#pragma once

#include "controls/painters.h"

namespace qb {

// The height of a label without text.
inline constexpr int kPTEmptyLabelHeight = 11;

// A PToolboxLib label, sized to its text.
void PaintPTLabel(TControl& control, PalmCanvas& canvas, const PaintContext& context);

}  // namespace qb
