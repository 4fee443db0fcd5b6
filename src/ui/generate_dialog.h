#pragma once

// The Qt view of the generate dialog (TfrmGenerate): maximized, with the form list, the two
// targets, the PRC properties, the eight icons and the four text areas on tabs. Every input
// goes to the dialog's logic, and Refresh shows its state again.

#include <QDialog>
#include <QLabel>
#include <array>

#include "codegen/frmGenerateCode.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QToolButton;

namespace qb::ui {

class QtUi;

// An icon image of a fixed size: shows a bitmap file's picture, scaled down when it is larger,
// and reports clicks.
class IconImage : public QLabel {
  Q_OBJECT
 public:
  IconImage(QSize size, QWidget* parent = nullptr);
  void ShowBitmap(const std::string& bytes);

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QSize size_;
  std::string shown_;
};

class GenerateDialog : public QDialog {
  Q_OBJECT
 public:
  explicit GenerateDialog(TfrmGenerate& model, QWidget* parent = nullptr);
  // Shows the logic's state in the widgets.
  void Refresh();
  // Closing the window by its frame or Escape cleans up as Exit does.
  void reject() override;

 private:
  struct AreaView {
    QPlainTextEdit* memo = nullptr;
    QLabel* lines = nullptr;
    QLabel* chars = nullptr;
    QPushButton* copy = nullptr;
  };

  QWidget* BuildTop();
  QWidget* BuildPrcProperties();
  QWidget* BuildIcons();
  QTabWidget* BuildTabs();
  void Connect();
  void RefreshAreas();
  void Exit();

  TfrmGenerate& model_;
  int shown_generate_count_ = 0;
  QComboBox* cmb_forms_ = nullptr;
  QRadioButton* rbt_pde_ = nullptr;
  QRadioButton* rbt_memos_ = nullptr;
  QCheckBox* chk_color_ = nullptr;
  QCheckBox* chk_keep_code_ = nullptr;
  QLabel* lbl_kept_ = nullptr;
  QPushButton* but_generar_ = nullptr;
  QPushButton* but_save_ = nullptr;
  QPushButton* but_save_doc_ = nullptr;
  QPushButton* but_salir_ = nullptr;
  QLabel* lbl_output_ = nullptr;
  QLineEdit* ded_output_ = nullptr;
  QToolButton* ded_output_button_ = nullptr;
  QGroupBox* grp_prc_prop_ = nullptr;
  QLineEdit* edt_cid_ = nullptr;
  QLineEdit* edt_app_name_ = nullptr;
  QLineEdit* edt_app_db_ = nullptr;
  QLineEdit* edt_version_ = nullptr;
  std::array<IconImage*, kIconCount> icons_{};
  QTabWidget* pag_generate_ = nullptr;
  std::array<AreaView, kCodeTextCount> areas_{};
};

// Registers the view with the Qt Ui, so that Ui::RunDialog on a TfrmGenerate shows it.
void RegisterGenerateDialog(QtUi& ui);

}  // namespace qb::ui
