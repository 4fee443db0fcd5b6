#pragma once

// The views of the four modal editors, registered with the Qt Ui in one call.

namespace qb::ui {

class QtUi;

// The items, table, bitmap and dialog-colour editors.
void RegisterEditorDialogs(QtUi& ui);

}  // namespace qb::ui
