#pragma once

#include <string_view>

#include "form/ChildFor.h"

namespace qb {

// The name by which a control names the screen panel as its parent.
inline constexpr const char* kScreenParentName = "panScreen";

// The panel a control read from a form file lies on: the screen panel for "panScreen", else
// the first dialog directly on the screen panel whose name matches exactly; the screen panel
// when none does. Only dialogs hold controls, so a button of that name is not a parent.
TControl& FindParentByName(TChildFrm& form, std::string_view name);

}  // namespace qb
