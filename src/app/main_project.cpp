#include <filesystem>

#include "app/Main.h"
#include "app/command_line.h"
#include "app/main_texts.h"
#include "app/project_file.h"
#include "form/form_file.h"
#include "model/safe_file.h"
#include "model/text_util.h"

namespace qb {

namespace {

// The file name without its folder and its extension (".qbp").
std::string ProjectNameFromPath(const std::string& path) {
  std::string name = ExtractFileName(path);
  std::size_t dot = name.find_last_of('.');
  if (dot != std::string::npos && dot > 0) name.resize(dot);
  return name;
}

}  // namespace

void TMain::SetProjectCaption(const std::string& text) { caption_ = kMainCaptionPrefix + text; }

void TMain::SetProjectNameFromPath(const std::string& path) {
  state_.project_name = ProjectNameFromPath(path);
  SetProjectCaption(state_.project_name);
}

void TMain::ShowInspector(const WindowRect& bounds) {
  inspector_.bounds = bounds;
  inspector_.visible = true;
}

bool TMain::SaveChangesPrompt() {
  if (state_.project_name.empty()) return SaveFormsWithoutProject();
  // Nothing can be lost when the project and every form are as they were saved or opened.
  if (!ProjectModified()) return true;
  MsgButton answer = ui_.MessageBox(kCaptionConfirm, SaveProjectChangesText(state_.project_name),
                                    MsgIcon::kQuestion, kMbYesNoCancel, kMbYes);
  if (answer == kMbNo) return true;
  if (answer != kMbYes) return false;
  // Going on after an unsaved Yes would lose the project the user meant to keep.
  return SaveProject();
}

bool TMain::SaveFormsWithoutProject() {
  // Forms made or opened without a project belong to no project file; closing them without
  // a question would throw their work away.
  std::vector<TChildFrm*> windows;
  for (const auto& window : state_.windows)
    if (window->Visible() && Modified(*window)) windows.push_back(window.get());
  for (TChildFrm* window : windows) {
    MsgButton answer = ui_.MessageBox(kCaptionConfirm, SaveFormChangesText(window->Name()),
                                      MsgIcon::kQuestion, kMbYesNoCancel, kMbYes);
    if (answer == kMbNo) continue;
    if (answer != kMbYes) return false;
    if (SaveFormFile(*window, false) != FormSaveResult::kWritten) return false;
  }
  return true;
}

void TMain::CloseProject() {
  state_.form_counter = 0;
  state_.current_window.Reset();
  state_.current_control.Reset();
  state_.windows.clear();
  layout_check_.Clear();
  zoom_.Hide();
  inspector_port_->Empty();
  inspector_.visible = false;
  generate_enabled_ = false;
  caption_ = kMainCaption;
  state_.project_name.clear();
  state_.project_path.clear();
  unopened_forms_.clear();
  records_.Clear();
  project_list_changed_ = false;
}

void TMain::NewProject() {
  if (!SaveChangesPrompt()) return;
  new_project_dialog_.Show(state_.library);
  if (!ui_.RunDialog(new_project_dialog_)) return;
  state_.library = new_project_dialog_.Chosen();
  CloseProject();
  state_.form_counter = 0;
  state_.control_counter = 0;
  state_.project_name = kNewProjectName;
  SetProjectCaption(state_.project_name);
  ShowInspector({0, 0, InspectorWindow::kDefaultWidth, InspectorWindow::kDefaultHeight});
  generate_enabled_ = true;
  NewForm();
  // A new project with its blank form has nothing to lose yet.
  project_list_changed_ = false;
  SetPaletteForLibrary(state_);
}

void TMain::OpenProject() {
  if (!SaveChangesPrompt()) return;
  std::optional<std::string> path =
      ChooseFile({kProjectOpenTitle, kProjectOpenFilter, kProjectExtension, "", ""}, false);
  if (!path) return;
  OpenProjectFile(*path);
}

bool TMain::RefusedAsProject(const std::string& path) {
  const std::string refusal = ProjectRefusal(path);
  if (refusal.empty()) return false;
  // Refused before the open project closes: nothing is made of the file, nothing listed.
  ui_.MessageBox(kCaptionError, refusal, MsgIcon::kError, kMbOk, kMbOk);
  return true;
}

void TMain::OpenProjectFile(const std::string& path) {
  if (RefusedAsProject(path)) return;
  CloseProject();
  state_.project_path = path;
  recent_.Add(path);
  LoadProject(path);
}

void TMain::OpenPath(const std::string& named) {
  namespace fs = std::filesystem;
  std::error_code ec;
  // Whole, as a chooser gives it, so the project and the recent list do not depend on the
  // folder the program was started in.
  const fs::path whole = fs::absolute(named, ec);
  const std::string path = ec ? named : whole.lexically_normal().string();
  // Named on the command line, so nothing has checked it yet; a chooser only offers files.
  if (!IsRegularFile(path)) {
    ui_.MessageBox(kCaptionError, FileToOpenMissingText(path), MsgIcon::kError, kMbOk, kMbOk);
    return;
  }
  if (NamesProjectFile(path)) {
    if (SaveChangesPrompt()) OpenProjectFile(path);
  } else {
    OpenFormFile(path);
  }
}

void TMain::OpenRecent(std::size_t index) {
  if (index >= recent_.Entries().size()) return;
  const std::string path = recent_.Entries()[index];
  if (!SaveChangesPrompt()) return;
  if (RefusedAsProject(path)) return;
  CloseProject();
  state_.project_path = path;
  LoadProject(path);
}

void TMain::LoadProject(const std::string& path) {
  SetProjectNameFromPath(path);
  ProjectFileData data = ReadProjectFile(path, zoom_.Top(), zoom_.Left());
  records_.Note(path);
  state_.library = data.library;
  SetPaletteForLibrary(state_);
  if (data.zoom_active) {
    zoom_.Show();
    zoom_.Move(data.zoom_left, data.zoom_top);
  }
  // Every form that cannot be opened is said in one message, and the project keeps listing
  // it, so that saving does not drop it from the project.
  std::vector<std::string> problems;
  for (const auto& [key, form_path] : data.forms) OpenListedForm(form_path, problems);
  if (!problems.empty())
    ui_.MessageBox(kCaptionError, JoinLines(problems), MsgIcon::kError, kMbOk, kMbOk);
  if (data.inspector_active) ShowInspector(data.inspector_bounds);
  generate_enabled_ = true;
  project_list_changed_ = false;
}

void TMain::OpenListedForm(const std::string& form_path, std::vector<std::string>& problems) {
  // A file listed twice would load as two windows that overwrite each other on saving.
  if (FormWindowFor(form_path)) return;
  const FormFileHeader header = forms_->Inspect(form_path, state_.library);
  std::optional<std::string> refusal;
  if (header.status == ReadStatus::kMissing)
    refusal = ListedFormMissingText(form_path);
  else
    refusal = FormRefusal(form_path, header);
  // Read with this library, a form of the other one would lose every control this library
  // lacks, and the next save would write the emptied form over it.
  if (!refusal && header.lib != static_cast<int>(state_.library))
    refusal = FormOfOtherLibraryText(form_path, header.lib, state_.library);
  if (refusal) {
    problems.push_back(*refusal);
    unopened_forms_.push_back(form_path);
    return;
  }
  TChildFrm& window = NewForm(header.name);
  ReadFormInto(window, form_path);
  records_.Note(form_path);
  designer_.Activate(window);
}

bool TMain::SaveProject() {
  if (state_.project_name.empty()) return false;
  if (state_.project_path.empty()) return SaveProjectAs();
  return SaveProjectTo(state_.project_path);
}

bool TMain::SaveProjectAs() {
  if (state_.project_name.empty()) return false;
  std::optional<std::string> path = ChooseFile(
      {kProjectSaveTitle, kProjectSaveFilter, kProjectExtension, "", state_.project_name}, true);
  if (!path) return false;
  if (FileExists(*path) && ui_.MessageBox(kCaptionNewProject, ReplaceFileText(*path),
                                          MsgIcon::kWarning, kMbYesNo, kMbNo) != kMbYes)
    return false;
  // The generate dialog's sections come along from the project's own file.
  if (!SaveProjectTo(*path, state_.project_path)) return false;
  state_.project_path = *path;
  recent_.Add(*path);
  SetProjectNameFromPath(*path);
  return true;
}

void TMain::ReportProjectNotSaved(const std::string& what) {
  ui_.MessageBox(kCaptionWarning, ProjectNotSavedText(what), MsgIcon::kWarning, kMbOk, kMbOk);
}

bool TMain::SaveProjectTo(const std::string& path, const std::string& origin) {
  // Asked before any form is written, so that No leaves everything as it was.
  if (records_.ChangedBehindUs(path) && !AskReplaceChanged(path)) {
    ReportProjectNotSaved(ExtractFileName(path));
    return false;
  }
  ProjectFileData data;
  data.library = state_.library;
  data.inspector_active = inspector_.visible;
  data.inspector_bounds = inspector_.bounds;
  data.zoom_active = zoom_.Visible();
  data.zoom_top = zoom_.Top();
  data.zoom_left = zoom_.Left();
  // Every form's path is known before anything is written: a form whose save is cancelled
  // (or whose file is not to be replaced) stops the save with nothing written.
  std::vector<std::pair<TChildFrm*, std::string>> planned;
  for (const auto& owned : state_.windows) {
    TChildFrm& window = *owned;
    if (!window.Visible()) continue;
    FormSaveResult refused = FormSaveResult::kCancelled;
    std::optional<std::string> form_path = FormSavePath(window, false, &refused);
    if (!form_path) {
      ReportProjectNotSaved(window.Name());
      return false;
    }
    planned.emplace_back(&window, *form_path);
  }
  for (const auto& [window, form_path] : planned)
    if (WriteFormTo(*window, form_path) != FormSaveResult::kWritten) return false;
  for (std::size_t i = 0; i < state_.windows.size(); ++i) {
    const TChildFrm& window = *state_.windows[i];
    if (window.Visible()) data.forms.emplace_back(ActiveFormKey(i), window.Path());
  }
  for (std::size_t i = 0; i < unopened_forms_.size(); ++i)
    data.forms.emplace_back(ActiveFormKey(state_.windows.size() + i), unopened_forms_[i]);
  if (!WriteProjectFile(path, data, origin)) {
    ui_.MessageBox(kCaptionError, UnableToWriteMessage(path), MsgIcon::kError, kMbOk, kMbOk);
    return false;
  }
  records_.Note(path);
  SetProjectCaption(ExtractFileName(path));
  DropRecoveryIfSaved();
  project_list_changed_ = false;
  return true;
}

void TMain::CloseAll() {
  if (!SaveChangesPrompt()) return;
  CloseProject();
}

}  // namespace qb
