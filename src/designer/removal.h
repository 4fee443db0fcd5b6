#pragma once

// Taking controls out of a designer window, for Delete and Cut.

#include "controls/control.h"
#include "form/ChildFor.h"

namespace qb {

class Designer;

// Takes the control off its parent and destroys it, a dialog with the controls inside it;
// the form forgets it as its shown dialog first.
void RemoveControl(TChildFrm& form, TControl& control);

// What follows a removal: the chooser rebuilt from what remains, so that no destroyed
// control stays listed, the form's own rows in the inspector, the window's last selected
// control forgotten, and the picture drawn anew.
void AfterRemoval(Designer& designer, TChildFrm& form);

}  // namespace qb
