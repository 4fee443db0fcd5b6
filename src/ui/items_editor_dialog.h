#pragma once

// The Qt view of the items editor (TfrmItemsEd): the counter above the text box memItems,
// Cancel on the left and OK on the right.

#include <QDialog>

#include "properties/frmItemsEditor.h"

class QLabel;
class QPlainTextEdit;

namespace qb::ui {

class QtUi;

class ItemsEditorDialog : public QDialog {
  Q_OBJECT
 public:
  explicit ItemsEditorDialog(TfrmItemsEd& model, QWidget* parent = nullptr);

 private:
  TfrmItemsEd& model_;
  QLabel* lbl_count_ = nullptr;
  QPlainTextEdit* mem_items_ = nullptr;
};

void RegisterItemsEditorDialog(QtUi& ui);

}  // namespace qb::ui
