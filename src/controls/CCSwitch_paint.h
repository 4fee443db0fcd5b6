#pragma once

#include "controls/painters.h"

namespace qb {

// A switch (PToolboxLib push button) in its form's colours, inverted while on.
void PaintCCSwitch(TControl& control, PalmCanvas& canvas, const PaintContext& context);

}  // namespace qb
