#pragma once

#include <string_view>

#include "controls/CCMenuBar.h"
#include "form/ChildFor.h"

namespace qb {

// The name by which a control names the screen panel as its parent.
inline constexpr const char* kScreenParentName = "panScreen";

// The panel a control read from a form file lies on: the screen panel for "panScreen", else
// the first dialog directly on the screen panel whose name matches exactly; the screen panel
// when none does. Only dialogs hold controls, so a button of that name is not a parent.
TControl& FindParentByName(TChildFrm& form, std::string_view name);

// The window's first menu bar (the one a form file holds); nullptr before the first menu is
// placed.
TCCMenuBar* FindMenuBar(const FormDocument& form);

}  // namespace qb
