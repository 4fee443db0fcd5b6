#pragma once

// The Qt view of the table editor (TfrmTableEd): the grid stgTable (its header row and label
// column are the table's headers) left of a column of buttons, and the alignment list
// cmbAlign laid over an alignment cell. Every key and edit goes to the editor's logic first.

#include <QDialog>

#include "properties/frmTableEditor.h"

class QComboBox;
class QTableWidget;

namespace qb::ui {

class QtUi;

class TableEditorDialog : public QDialog {
  Q_OBJECT
 public:
  explicit TableEditorDialog(TfrmTableEd& model, QWidget* parent = nullptr);
  // Shows the logic's grid and selection again.
  void Refresh();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowAlignList();
  void HideAlignList();
  void Press(TfrmTableEd::Button button);

  TfrmTableEd& model_;
  QTableWidget* stg_table_ = nullptr;
  QComboBox* cmb_align_ = nullptr;
  bool refreshing_ = false;
};

void RegisterTableEditorDialog(QtUi& ui);

}  // namespace qb::ui
