#include <filesystem>

#include "app/Main.h"
#include "app/main_texts.h"
#include "controls/PTDialog.h"

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

void TMain::ApplyGridToWindow(TChildFrm& window, bool on) {
  TCCForm& screen = window.Screen();
  screen.SetGridVisible(on ? 1 : 0);
  if (on) screen.SetGridSpace(kGridSpace);
  designer_->SetSnapGridSize(window, on ? kGridSize : 1);
  for (const auto& child : screen.Children()) {
    TPTDialog* dialog = As<TPTDialog>(child.get());
    if (!dialog) continue;
    dialog->SetGridVisible(on ? 1 : 0);
    if (on) dialog->SetGridSpace(kGridSpace);
  }
}

void TMain::ToggleGrid() {
  state_.grid_option = !state_.grid_option;
  for (const auto& window : state_.windows) ApplyGridToWindow(*window, state_.grid_option);
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

void TMain::ShowHelp() { ui_.ShowHelp((std::filesystem::path(program_dir_) / kHelpFile).string()); }

void TMain::RunLayoutEntry(LayoutEntry entry) {
  if (TChildFrm* window = state_.current_window.Get()) designer_->RunLayout(*window, entry);
}

void TMain::KeyPress(DesignerKey key) {
  if (!state_.cursor_keys_active) return;
  if (key == DesignerKey::kSpace) {
    state_.grid_step = !state_.grid_step;
    CursorKeysOn(state_);
    return;
  }
  if (key == DesignerKey::kDelete) {
    RunLayoutEntry(LayoutEntry::kDeleteControl);
    return;
  }
  TControl* control = state_.current_control.Get();
  if (!control || control->Class() == ControlClass::kDesignerClient ||
      control->Class() == ControlClass::kCCMenu || control->Class() == ControlClass::kCCMenuBar)
    return;
  const int step = state_.grid_option && state_.grid_step ? kKeyGridStep : 1;
  switch (key) {
    case DesignerKey::kLeft:
      control->SetLeft(control->Left() - step);
      break;
    case DesignerKey::kUp:
      control->SetTop(control->Top() - step);
      break;
    case DesignerKey::kRight:
      control->SetLeft(control->Left() + step);
      break;
    case DesignerKey::kDown:
      control->SetTop(control->Top() + step);
      break;
    default:
      break;
  }
}

}  // namespace qb
