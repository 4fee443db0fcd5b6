#pragma once

#include "controls/painters.h"

namespace qb {

// Where the text starts.
inline constexpr int kPTPopTriggerTextLeft = 15;

// A pop trigger: a down triangle and the text in the form's text colour.
void PaintPTPopTrigger(TControl& control, PalmCanvas& canvas, const PaintContext& context);

}  // namespace qb
