#pragma once

// Leading the user to a control from a list or a picture (a layout finding, the project map):
// its window activated and the control made current and marked as a click on it does.

#include "designer/designer.h"
#include "form/ChildFor.h"

namespace qb {

// A control of a hidden dialog cannot be clicked, so its dialog is shown first, as its Test
// row would show it; without a control the form itself is selected, as a click on the screen
// panel selects it.
void LeadToControl(Designer& designer, TChildFrm& window, TControl* control);

}  // namespace qb
