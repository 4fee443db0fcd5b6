#include <filesystem>

#include "app/Main.h"
#include "app/data_folder.h"
#include "app/main_texts.h"

namespace qb {

void TMain::ToggleZoom() {
  if (zoom_.Visible())
    zoom_.Hide();
  else
    zoom_.Show();
}

void TMain::TogglePropertiesEditor() {
  if (inspector_.visible)
    inspector_.visible = false;
  else if (!state_.project_name.empty())
    inspector_.visible = true;
}

void TMain::ToggleGrid() {
  state_.grid_option = !state_.grid_option;
  // A view option: it changes no form (ApplyGridOption).
  for (const auto& window : state_.windows) window->ApplyGridOption(state_.grid_option);
}

void TMain::ToggleShortNames() {
  state_.short_names = !state_.short_names;
  state_.status_panels[1] = state_.short_names ? kShortNamesPanel : "";
}

void TMain::GenerateCode() {
  ModalScope pause(ui_);
  if (state_.project_path.empty()) {
    ui_.MessageBox(kCaptionInformation, kMustSaveBeforeGenerate, MsgIcon::kInformation, kMbOk,
                   kMbOk);
    SaveProjectAs();
    return;
  }
  if (!layout_check_.ConfirmGenerate()) return;
  generate_->ShowGenerateDialog();
}

void TMain::GenerateButton() {
  if (!Enabled(Command::kGenerateCode)) return;
  CursorKeysOff(state_);
  GenerateCode();
}

void TMain::ShowOptions() {
  options_dialog_.Show(settings_path_.empty() ? SettingsPath(program_dir_, env_) : settings_path_);
  if (ui_.RunDialog(options_dialog_)) options_dialog_.Ok(ui_);
}

void TMain::ShowAbout() { ui_.RunDialog(about_box_); }

void TMain::ShowHelp() {
  const std::string manual = ManualPath(program_dir_);
  std::error_code ec;
  // Opening a missing page would show nothing at all; say where it was looked for.
  if (!std::filesystem::is_regular_file(manual, ec)) {
    ui_.MessageBox(kCaptionError, ManualMissingText(manual), MsgIcon::kError, kMbOk, kMbOk);
    return;
  }
  ui_.ShowHelp(manual);
}

void TMain::RunLayoutEntry(PopCommand command) {
  if (TChildFrm* window = state_.current_window.Get()) designer_.RunPopCommand(*window, command);
}

}  // namespace qb
