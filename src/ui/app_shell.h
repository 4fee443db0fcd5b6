#pragma once

// The whole program's windows over one Workbench: the Qt Ui with every dialog registered,
// the main window, the designer windows' views and the inspector, wired as the program runs
// them. The program and the widget tests build the same shell.

#include <string>

#include "app/workbench.h"
#include "ui/check_layout_view.h"
#include "ui/designer_views.h"
#include "ui/inspector_view.h"
#include "ui/main_window.h"
#include "ui/preview_view.h"
#include "ui/project_map_view.h"
#include "ui/qt_ui.h"

namespace qb::ui {

class AppShell {
 public:
  explicit AppShell(std::string program_dir,
                    SettingsEnvironment env = SettingsEnvironment::System());
  AppShell(const AppShell&) = delete;
  AppShell& operator=(const AppShell&) = delete;

  // Start-up: the settings, the fonts and the generate dialog, then the main window shown.
  void Start();

  QtUi& Ui() { return ui_; }
  Workbench& Bench() { return bench_; }
  TMain& Main() { return bench_.Main(); }
  MainWindow& Window() { return window_; }
  DesignerViews& Designers() { return designers_; }
  InspectorView& Inspector() { return inspector_; }
  CheckLayoutView& CheckLayout() { return check_layout_; }
  PreviewView& Preview() { return preview_; }
  ProjectMapView& ProjectMap() { return project_map_; }

 private:
  QtUi ui_;
  Workbench bench_;
  MainWindow window_;
  DesignerViews designers_;
  InspectorView inspector_;
  CheckLayoutView check_layout_;
  PreviewView preview_;
  ProjectMapView project_map_;
};

}  // namespace qb::ui
