#pragma once

// The Qt view of the dialog-colour editor (TfrmDlgColor): the colour grid stgColors with the
// colour list cmbColors laid over a value cell, the sample dialogs dlgSelect and dlgTime
// drawn from the editor's own pictures, and Cancel and OK below the sample.

#include <QDialog>
#include <QWidget>

#include "properties/frmPropSelect.h"

class QComboBox;
class QTableWidget;

namespace qb::ui {

class QtUi;

// One sample dialog, as the editor paints it.
class SampleView : public QWidget {
  Q_OBJECT
 public:
  SampleView(TfrmDlgColor& model, bool date, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TfrmDlgColor& model_;
  bool date_;
};

class ColorEditorDialog : public QDialog {
  Q_OBJECT
 public:
  explicit ColorEditorDialog(TfrmDlgColor& model, QWidget* parent = nullptr);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowColorList();
  void ShowValues();

  TfrmDlgColor& model_;
  QTableWidget* stg_colors_ = nullptr;
  QComboBox* cmb_colors_ = nullptr;
  SampleView* dlg_select_ = nullptr;
  SampleView* dlg_time_ = nullptr;
  bool placing_list_ = false;
};

void RegisterColorEditorDialog(QtUi& ui);

}  // namespace qb::ui
