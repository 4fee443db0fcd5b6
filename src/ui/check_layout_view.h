#pragma once

// The "Check Layout" window: a dockable list of the layout check's findings (severity, form,
// control, what is wrong; the rule broken as each row's tooltip), with a note above it. It
// follows the core's LayoutCheckWindow on every Sync; a double-click or Enter on a finding
// asks the core to lead to it.

#include <QDockWidget>
#include <QLabel>
#include <QTreeWidget>

#include "app/Main.h"
#include "ui/main_window.h"

namespace qb::ui {

// The severity pictures: a red disc for an error, an amber triangle for a warning, each in one
// flat colour so that a picture of the screen can find them.
inline constexpr QRgb kErrorMarkColor = 0xffd01010;
inline constexpr QRgb kWarningMarkColor = 0xffe8a000;
QImage SeverityImage(FindingSeverity severity);

class CheckLayoutView : public QDockWidget {
  Q_OBJECT
 public:
  CheckLayoutView(TMain& core, MainWindow& main);
  // Shows or hides the window and rebuilds the list when the check ran since the last Sync.
  void Sync();
  QTreeWidget* List() { return list_; }
  QLabel* Note() { return note_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Rebuild();
  void OpenLater(int row);
  void Open(int row);

  TMain& core_;
  MainWindow& main_;
  QLabel* note_;
  QTreeWidget* list_;
  unsigned shown_version_ = 0;
};

}  // namespace qb::ui
