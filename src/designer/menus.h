#pragma once

// The menu of a CControls form: one menu bar and its pull-down menus on the designer window.

#include "controls/CCMenu.h"
#include "controls/CCMenuBar.h"
#include "form/ChildFor.h"
#include "form/form_lookup.h"

namespace qb {

// Opens a menu whose Test is set: the menu bar (every one the window has) shows, and every
// other menu closes but stays visible, so that at most one menu is open at a time. Does nothing
// when the menu's Test is 0.
void OpenMenu(TChildFrm& form, TCCMenu& menu);

}  // namespace qb
