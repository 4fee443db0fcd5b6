#pragma once

// The "Properties Editor" window: the control chooser cmbForms over the grid stgProperties,
// with the pick list cmbBoolean and the "(Items)" / "(Content)" editors laid over the value
// cell. Every keystroke in a typed cell goes to the inspector at once.

#include <QComboBox>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTableWidget>

#include "app/workbench.h"
#include "ui/main_window.h"

namespace qb::ui {

class InspectorView : public QWidget {
  Q_OBJECT
 public:
  InspectorView(Workbench& bench, MainWindow& main);
  void Sync();
  QTableWidget* Grid() { return grid_; }
  QComboBox* Chooser() { return chooser_; }
  QComboBox* PickList() { return pick_list_; }
  QMdiSubWindow* Window() { return window_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void PlaceEditors();
  Workbench& bench_;
  MainWindow& main_;
  QMdiSubWindow* window_ = nullptr;
  QComboBox* chooser_;
  QTableWidget* grid_;
  QComboBox* pick_list_;
  QPushButton* items_button_;
  QPushButton* content_button_;
  bool syncing_ = false;
};

}  // namespace qb::ui
