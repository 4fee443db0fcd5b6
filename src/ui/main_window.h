#pragma once

// The main window: menus, the four toolbars, the status bar and the MDI area holding the
// designer windows, the inspector and the zoom window. It shows TMain's state and forwards
// every command and key to it.

#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenu>
#include <QTimer>
#include <functional>
#include <map>
#include <vector>

#include "app/Main.h"
#include "ui/qt_ui.h"

namespace qb::ui {

class DesignerWindowHost;

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  MainWindow(TMain& core, QtUi& ui);
  ~MainWindow() override;

  TMain& Core() { return core_; }
  QMdiArea* Area() { return area_; }
  QtUi& Ui() { return ui_; }
  QAction* ActionFor(Command command) const;
  QAction* PaletteAction(PaletteButton button) const;
  // Brings every view in line with the core's state; called after each forwarded input.
  void Sync();
  // The designer windows' hosts, for the designer and inspector views to attach to.
  DesignerWindowHost* Host() { return host_; }
  void SetHost(DesignerWindowHost* host) { host_ = host; }
  // Other views that follow the core on every Sync (the inspector).
  void AddSyncListener(std::function<void()> listener) { listeners_.push_back(listener); }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildMenus();
  void BuildToolbars();
  void BuildStatusBar();
  void FillRecentMenu();
  void Run(Command command);
  void SyncActions();
  void SyncPalette();
  void SyncZoom();
  void UpdateGeometry();

  TMain& core_;
  QtUi& ui_;
  QMdiArea* area_;
  std::map<Command, QAction*> actions_;
  std::map<PaletteButton, QAction*> palette_;
  QMenu* recent_menu_ = nullptr;
  QAction* recent_action_ = nullptr;
  std::vector<QLabel*> status_labels_;
  QMdiSubWindow* zoom_window_ = nullptr;
  QLabel* zoom_label_ = nullptr;
  QTimer zoom_timer_;
  DesignerWindowHost* host_ = nullptr;
  std::vector<std::function<void()>> listeners_;
  const QEvent* last_key_ = nullptr;
  quint64 last_key_time_ = 0;
};

// Where the main window asks the designer views to follow the core; the designer view
// module implements it.
class DesignerWindowHost {
 public:
  virtual ~DesignerWindowHost() = default;
  virtual void SyncWindows() = 0;
};

}  // namespace qb::ui
