#include "ui/app_shell.h"

#include <QApplication>

#include "ui/app_dialogs.h"
#include "ui/editor_dialogs.h"
#include "ui/generate_dialog.h"
#include "ui/pixel_icons.h"

namespace qb::ui {

AppShell::AppShell(std::string program_dir, SettingsEnvironment env)
    : bench_(ui_, std::move(program_dir), std::move(env)),
      window_(bench_.Main(), ui_),
      designers_(bench_, window_),
      inspector_(bench_, window_),
      check_layout_(bench_.Main(), window_),
      preview_(bench_.Main(), window_),
      project_map_(bench_.Main(), window_) {
  RegisterAppDialogs(ui_, ui_);
  RegisterGenerateDialog(ui_);
  RegisterEditorDialogs(ui_);
  bench_.SetViewLinks(&designers_);
  window_.SetHost(&designers_);
  window_.AddSyncListener([this] { inspector_.Sync(); });
  window_.AddSyncListener([this] { check_layout_.Sync(); });
  window_.AddSyncListener([this] { preview_.Sync(); });
  window_.AddSyncListener([this] { project_map_.Sync(); });
}

void AppShell::Start() {
  QApplication::setWindowIcon(QIcon(QPixmap::fromImage(ProgramImage())));
  bench_.Start();
  window_.showMaximized();
  bench_.Main().FirstShown();
  window_.StartAutoSave();
  window_.Sync();
}

}  // namespace qb::ui
