#pragma once

#include "controls/painters.h"

namespace qb {

// A button (and the PToolboxLib Select): cut-corner frame by Radius and Line, centred text.
void PaintCCButton(TControl& control, PalmCanvas& canvas, const PaintContext& context);

}  // namespace qb
