#include "ui/editor_dialogs.h"

#include "ui/bitmap_editor_dialog.h"
#include "ui/color_editor_dialog.h"
#include "ui/items_editor_dialog.h"
#include "ui/table_editor_dialog.h"

namespace qb::ui {

void RegisterEditorDialogs(QtUi& ui) {
  RegisterItemsEditorDialog(ui);
  RegisterTableEditorDialog(ui);
  RegisterBitmapEditorDialog(ui);
  RegisterColorEditorDialog(ui);
}

}  // namespace qb::ui
