#pragma once

#include "controls/painters.h"

namespace qb {

// A PToolboxLib list, stand-alone or shadowed, with rows as high as the font.
void PaintPTList(TControl& control, PalmCanvas& canvas, const PaintContext& context);

}  // namespace qb
