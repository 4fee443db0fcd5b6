#pragma once

#include "form/ChildFor.h"

namespace qb {

// A form shows at most one dialog at a time; new controls placed on it go inside it.

// Hides the form's shown dialog (Tag 0, deselected, invisible) and forgets it.
void HideShownDialog(TChildFrm& form);
// Hides the previously shown dialog, then makes this one shown: Tag 1, visible, in front.
void ShowDialog(TChildFrm& form, TPTDialog& dialog);

}  // namespace qb
