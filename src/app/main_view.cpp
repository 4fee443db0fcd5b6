#include <filesystem>

#include "app/Main.h"
#include "app/data_folder.h"
#include "app/main_texts.h"

namespace qb {

void ViewCommands::ToggleZoom() {
  if (app_.zoom_.Visible())
    app_.zoom_.Hide();
  else
    app_.zoom_.Show();
}

void ViewCommands::TogglePropertiesEditor() {
  if (app_.inspector_.visible)
    app_.inspector_.visible = false;
  else if (!app_.state_.project_name.empty())
    app_.inspector_.visible = true;
}

void ViewCommands::ToggleGrid() {
  app_.state_.grid_option = !app_.state_.grid_option;
  // A view option: it changes no form (ApplyGridOption).
  for (const auto& window : app_.state_.windows) window->ApplyGridOption(app_.state_.grid_option);
}

void ViewCommands::ToggleShortNames() {
  app_.state_.short_names = !app_.state_.short_names;
  app_.state_.status_panels[1] = app_.state_.short_names ? kShortNamesPanel : "";
}

void ViewCommands::GenerateCode() {
  ModalScope pause(app_.ui_);
  if (app_.state_.project_path.empty()) {
    app_.ui_.MessageBox(kCaptionInformation, kMustSaveBeforeGenerate, MsgIcon::kInformation, kMbOk,
                        kMbOk);
    app_.Project().SaveProjectAs();
    return;
  }
  if (!app_.layout_check_.ConfirmGenerate()) return;
  app_.generate_->ShowGenerateDialog();
}

void ViewCommands::GenerateButton() {
  if (!app_.Enabled(Command::kGenerateCode)) return;
  CursorKeysOff(app_.state_);
  GenerateCode();
}

void ViewCommands::ShowOptions() {
  app_.options_dialog_.Show(app_.settings_path_.empty() ? SettingsPath(app_.program_dir_, app_.env_)
                                                        : app_.settings_path_);
  if (app_.ui_.RunDialog(app_.options_dialog_)) app_.options_dialog_.Ok(app_.ui_);
}

void ViewCommands::ShowAbout() { app_.ui_.RunDialog(app_.about_box_); }

void ViewCommands::ShowHelp() {
  const std::string manual = ManualPath(app_.program_dir_);
  std::error_code ec;
  // Opening a missing page would show nothing at all; say where it was looked for.
  if (!std::filesystem::is_regular_file(manual, ec)) {
    app_.ui_.MessageBox(kCaptionError, ManualMissingText(manual), MsgIcon::kError, kMbOk, kMbOk);
    return;
  }
  app_.ui_.ShowHelp(manual);
}

}  // namespace qb
