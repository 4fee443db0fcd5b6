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
#include "app/menus.h"
#include "ui/qt_ui.h"

namespace qb::ui {

class DesignerWindowHost;

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  MainWindow(TMain& core, QtUi& ui);
  ~MainWindow() override;

  QMdiArea* Area() { return area_; }
  QtUi& Ui() { return ui_; }
  QAction* ActionFor(Command command) const;
  QAction* PaletteAction(PaletteButton button) const;
  // Brings every view in line with the core's state; called after each forwarded input.
  void Sync();
  // Starts the recovery timer when the settings ask for recovery sets.
  void StartAutoSave();
  // The designer windows' hosts, for the designer and inspector views to attach to.
  void SetHost(DesignerWindowHost* host) { host_ = host; }
  // Other views that follow the core on every Sync (the inspector).
  void AddSyncListener(std::function<void()> listener) { listeners_.push_back(listener); }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildMenus();
  QAction* AddCommandAction(QMenu* menu, const MenuItemDef& item);
  void BuildScaleMenu(QMenu* menu);
  void BuildToolbars();
  void BuildStatusBar();
  void FillRecentMenu();
  void Run(Command command);
  void SyncActions();
  void SyncPalette();
  void SyncZoom();
  void UpdateGeometry();
  void BuildZoomWindow();

  TMain& core_;
  QtUi& ui_;
  QMdiArea* area_;
  std::map<Command, QAction*> actions_;
  std::map<PaletteButton, QAction*> palette_;
  QMenu* recent_menu_ = nullptr;
  QAction* recent_action_ = nullptr;
  QAction* recent_separator_ = nullptr;
  std::vector<QLabel*> status_labels_;
  QMdiSubWindow* zoom_window_ = nullptr;
  QLabel* zoom_label_ = nullptr;
  QTimer zoom_timer_;
  // Once a second; the core decides when a recovery set is due.
  QTimer autosave_timer_;
  quint64 zoom_version_shown_ = 0;
  DesignerWindowHost* host_ = nullptr;
  std::vector<std::function<void()>> listeners_;
  const QEvent* last_key_ = nullptr;
  quint64 last_key_time_ = 0;
};

// The border of the tool windows inside the main window (designer windows, inspector, zoom):
// a title bar with only a close box. The sub-window's title bar draws its close box only with
// the system-menu hint.
inline Qt::WindowFlags ToolWindowFlags() {
  return Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
         Qt::WindowCloseButtonHint;
}
// Adds a tool window to the area: that border, and neither the system menu nor its icon that
// the hint would bring along.
QMdiSubWindow* AddToolWindow(QMdiArea* area, QWidget* content);

// Where the main window asks the designer views to follow the core; the designer view
// module implements it.
class DesignerWindowHost {
 public:
  virtual ~DesignerWindowHost() = default;
  virtual void SyncWindows() = 0;
};

}  // namespace qb::ui
