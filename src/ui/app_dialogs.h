#pragma once

#include "ui/qt_ui.h"

namespace qb::ui {

// Registers the Qt views of the options, new-project and about dialogs.
void RegisterAppDialogs(QtUi& ui, Ui& core_ui);

}  // namespace qb::ui
