#pragma once

#include "controls/painters.h"

namespace qb {

// Where the text starts.
inline constexpr int kPTCheckboxTextLeft = 18;

// A PToolboxLib check box in its form's text colour, centred on the text.
void PaintPTCheckbox(TControl& control, PalmCanvas& canvas, const PaintContext& context);

}  // namespace qb
