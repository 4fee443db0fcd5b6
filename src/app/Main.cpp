#include "app/Main.h"

#include <algorithm>
#include <filesystem>

#include "app/main_texts.h"
#include "controls/size_rules.h"
#include "designer/selection.h"
#include "form/edit_transaction.h"
#include "model/user_error.h"

namespace qb {

namespace {

bool ExistsOnDisk(const std::string& path) {
  std::error_code ec;
  return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

}  // namespace

TMain::TMain(Ui& ui, std::string program_dir, SettingsEnvironment env)
    : ui_(ui),
      program_dir_(std::move(program_dir)),
      env_(std::move(env)),
      caption_(kMainCaption),
      zoom_(state_, ui_, geometry_),
      file_exists_(ExistsOnDisk),
      forms_(&LibraryFormAccess()),
      designer_(state_, ui_, hub_),
      clipboard_(state_, ui_, designer_),
      layout_check_(state_, ui_, designer_, fonts_),
      preview_(state_, ui_, fonts_),
      project_map_(state_, ui_, designer_, fonts_, unopened_forms_) {
  zoom_.SetSource(&picture_source_);
  picture_source_.WatchColorEditor(&color_editor_);
  ui_.SetModalListener([this](int) { zoom_.ModalDepthChanged(); });
  // Controls take the sizes these faces draw them at (size_rules.h).
  SetMeasuringFaces(&fonts_);
}

TMain::~TMain() {
  ui_.SetModalListener(nullptr);
  if (MeasuringFaces() == &fonts_) SetMeasuringFaces(nullptr);
}

void TMain::Start() {
  settings_path_ = SettingsPath(program_dir_, env_);
  GeneralSettings settings = ReadGeneralSettings(SettingsSourcePath(program_dir_, settings_path_));
  state_.library = settings.library;
  if (settings.grid) view_commands_.ToggleGrid();
  if (settings.short_names) view_commands_.ToggleShortNames();
  SetDesignerScale(settings.scale);

  fonts_.LoadPalmFonts(program_dir_, ui_);
  recent_.Assign(settings.recent);
  autosave_seconds_ = settings.autosave_seconds;
  if (!recovery_) {
    if (const std::string folder = RecoveryFolder(env_); !folder.empty()) {
      const auto now = std::chrono::system_clock::now();
      recovery_ = std::make_unique<RecoveryStore>(folder, NewInstanceId(now),
                                                  [] { return std::chrono::system_clock::now(); });
    }
  }
}

int TMain::ScaleOf(Command command) {
  return 1 + static_cast<int>(command) - static_cast<int>(Command::kScale1);
}

void TMain::SetDesignerScale(int scale) {
  designer_scale_ = std::clamp(scale, kMinDesignerScale, kMaxDesignerScale);
  // The zoom follows only a designer window that lies wholly inside the client area, which an
  // enlarged window measures by its enlarged size.
  geometry_.designer_scale = designer_scale_;
}

void TMain::FirstShown() {
  state_.grid_step = true;
  CursorKeysOn(state_);
  state_.project_name.clear();
  state_.project_path.clear();
  state_.control_color = kWhite;
  SetPaletteForLibrary(state_);
  state_.form_counter = 0;
  state_.control_counter = 0;
}

bool TMain::CloseRequest() { return project_commands_.SaveChangesPrompt(); }

void TMain::Finish() {
  // A clean end: nothing is left to recover.
  if (recovery_) recovery_->Remove();
  fonts_.Unload();
  GeneralSettings settings;
  settings.library = state_.library;
  settings.grid = state_.grid_option;
  settings.short_names = state_.short_names;
  settings.scale = designer_scale_;
  settings.recent = recent_.Entries();
  if (settings_path_.empty()) settings_path_ = SettingsPath(program_dir_, env_);
  WriteGeneralSettings(settings_path_, settings);
}

void TMain::Exit() {
  if (!CloseRequest()) return;
  quit_requested_ = true;
}

std::vector<TChildFrm*> TMain::WindowsFrontToBack() const {
  std::vector<TChildFrm*> out = WindowsInWindowOrder(state_);
  std::erase_if(out, [](const TChildFrm* w) { return !w->Visible(); });
  return out;
}

TChildFrm* TMain::FrontWindow() const {
  std::vector<TChildFrm*> windows = WindowsFrontToBack();
  return windows.empty() ? nullptr : windows.front();
}

void TMain::BringToFront(TChildFrm& window) { NoteWindowActivated(state_, window); }

void TMain::SendToBack(TChildFrm& window) { NoteWindowLowered(state_, window); }

bool TMain::Visible(Command command) const {
  return command != Command::kRecentProjects || !recent_.Empty();
}

bool TMain::Enabled(Command command) const {
  const CommandEntry* entry = FindCommand(command);
  return entry && (!entry->enabled || entry->enabled(*this));
}

bool TMain::Checked(Command command) const {
  const CommandEntry* entry = FindCommand(command);
  return entry && entry->checked && entry->checked(*this);
}

void TMain::Execute(Command command) {
  if (!Enabled(command)) return;
  try {
    FindCommand(command)->run(*this);
  } catch (const UserError& e) {
    ui_.ShowError(e.what());
  }
}

std::string TMain::ItemText(Command command) const {
  const TChildFrm* window = state_.current_window.Get();
  switch (command) {
    case Command::kUndo:
      return window && window->Undo().CanUndo() ? "&Undo " + window->Undo().UndoName() : "&Undo";
    case Command::kRedo:
      return window && window->Undo().CanRedo() ? "&Redo " + window->Undo().RedoName() : "&Redo";
    default:
      return "";
  }
}

bool TMain::UndoStep() { return Step(&UndoStack::Undo); }

bool TMain::RedoStep() { return Step(&UndoStack::Redo); }

bool TMain::Step(bool (UndoStack::*step)(AppState&, TChildFrm&)) {
  TChildFrm* window = state_.current_window.Get();
  // Not in the middle of an action (a drag whose button is held).
  if (!window || designer_.MouseStepOpen() || state_.open_transaction) return false;
  if (!(window->Undo().*step)(state_, *window)) return false;
  AfterRestore(*window);
  return true;
}

void TMain::AfterRestore(TChildFrm& window) {
  InspectorPort& inspector = *inspector_port_;
  inspector.HideEditors();
  // The readout told where the last drag or nudge left a control; after an undo it would lie.
  state_.status_panels[kReadoutPanel].clear();
  inspector.LoadChooser(window);
  TControl* current = state_.current_control.Get();
  if (!current || current == &window.Client()) {
    state_.current_control.Reset(&window.Client());
    inspector.ShowFormRows(window);
    inspector.SelectChooserEntry(window.Client());
  } else {
    inspector.Fill(window, *current);
    inspector.SelectChooserEntry(*current);
  }
  // The marks come back with the selection; their colours follow the rule again (view state:
  // the step stays where it was, the redo steps with it).
  RecolourMarks(window, state_.current_control.Get());
  hub_.RepaintWindow(window);
  zoom_.Redraw();
}

bool TMain::Escape() {
  bool acted = false;
  if (designer_.MouseStepOpen()) {
    if (TChildFrm* window = designer_.CancelMouseAction()) AfterRestore(*window);
    acted = true;
  }
  if (state_.pressed_button != PaletteButton::kNone) {
    state_.pressed_button = PaletteButton::kNone;
    acted = true;
  }
  return acted;
}

bool TMain::AnyFormModified() const {
  for (const auto& window : state_.windows)
    if (window->Visible() && Modified(*window)) return true;
  return false;
}

std::vector<std::string> TMain::RecentCaptions(const TextWidthFn& width) const {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < recent_.Entries().size(); ++i)
    out.push_back(RecentEntryCaption(i, recent_.Entries()[i], width));
  return out;
}

}  // namespace qb
