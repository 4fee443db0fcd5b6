#pragma once

// Which control of a designer window lies under a point of its client area.

#include "controls/control.h"
#include "form/ChildFor.h"
#include "form/mouse.h"

namespace qb {

// The topmost visible control under the point, in the order the window stacks them: menus
// over the screen panel, the screen panel's children front to back, a dialog's children over
// the dialog. A child shows only inside its parent. The client area itself when nothing else
// is there (the device picture).
TControl& HitTest(TChildFrm& form, Point client_point);

// The top-left pixel of a control in client-area coordinates.
Point OriginInClient(const TChildFrm& form, const TControl& control);
// A client-area point in the control's own coordinates.
Point ToLocal(const TChildFrm& form, const TControl& control, Point client_point);

}  // namespace qb
