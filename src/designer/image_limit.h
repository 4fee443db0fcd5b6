#pragma once

// The Image size limit where the designer changes a size: a mouse resize, Shift+arrow, Same
// Width and Same Height. A dimension above 40 pixels is set to 40 with its message
// ("The maximum width of a Image control is 40", caption "Error").

#include "controls/control.h"
#include "form/ChildFor.h"
#include "model/ui.h"

namespace qb {

void HoldImageSize(TControl& control, Ui& ui);
// Every Image of the form.
void HoldImageSizes(TChildFrm& form, Ui& ui);

}  // namespace qb
