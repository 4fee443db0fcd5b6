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

void ProjectCommands::SetProjectNameFromPath(const std::string& path) {
  app_.state_.project_name = ProjectNameFromPath(path);
  app_.SetProjectCaption(app_.state_.project_name);
}

void TMain::ShowInspector(const WindowRect& bounds) {
  inspector_.bounds = bounds;
  inspector_.visible = true;
}

bool ProjectCommands::SaveChangesPrompt() {
  if (app_.state_.project_name.empty()) return SaveFormsWithoutProject();
  // Nothing can be lost when the project and every form are as they were saved or opened.
  if (!app_.ProjectModified()) return true;
  MsgButton answer =
      app_.ui_.MessageBox(kCaptionConfirm, SaveProjectChangesText(app_.state_.project_name),
                          MsgIcon::kQuestion, kMbYesNoCancel, kMbYes);
  if (answer == kMbNo) return true;
  if (answer != kMbYes) return false;
  // Going on after an unsaved Yes would lose the project the user meant to keep.
  return SaveProject();
}

bool ProjectCommands::SaveFormsWithoutProject() {
  // Forms made or opened without a project belong to no project file; closing them without
  // a question would throw their work away.
  std::vector<TChildFrm*> windows;
  for (const auto& window : app_.state_.windows)
    if (window->Visible() && app_.Modified(*window)) windows.push_back(window.get());
  for (TChildFrm* window : windows) {
    MsgButton answer = app_.ui_.MessageBox(kCaptionConfirm, SaveFormChangesText(window->Name()),
                                           MsgIcon::kQuestion, kMbYesNoCancel, kMbYes);
    if (answer == kMbNo) continue;
    if (answer != kMbYes) return false;
    if (app_.Forms().SaveFormFile(*window, false) != FormSaveResult::kWritten) return false;
  }
  return true;
}

void ProjectCommands::CloseProject() {
  app_.state_.form_counter = 0;
  app_.state_.current_window.Reset();
  app_.state_.current_control.Reset();
  app_.state_.windows.clear();
  app_.layout_check_.Clear();
  app_.zoom_.Hide();
  app_.inspector_port_->Empty();
  app_.inspector_.visible = false;
  app_.generate_enabled_ = false;
  app_.caption_ = kMainCaption;
  app_.state_.project_name.clear();
  app_.state_.project_path.clear();
  app_.unopened_forms_.clear();
  app_.records_.Clear();
  app_.project_list_changed_ = false;
}

void ProjectCommands::NewProject() {
  if (!SaveChangesPrompt()) return;
  app_.new_project_dialog_.Show(app_.state_.library);
  if (!app_.ui_.RunDialog(app_.new_project_dialog_)) return;
  app_.state_.library = app_.new_project_dialog_.Chosen();
  CloseProject();
  app_.state_.form_counter = 0;
  app_.state_.control_counter = 0;
  app_.state_.project_name = kNewProjectName;
  app_.SetProjectCaption(app_.state_.project_name);
  app_.ShowInspector({0, 0, InspectorWindow::kDefaultWidth, InspectorWindow::kDefaultHeight});
  app_.generate_enabled_ = true;
  app_.Forms().NewForm();
  // A new project with its blank form has nothing to lose yet.
  app_.project_list_changed_ = false;
  SetPaletteForLibrary(app_.state_);
}

void ProjectCommands::OpenProject() {
  if (!SaveChangesPrompt()) return;
  std::optional<std::string> path =
      app_.ChooseFile({kProjectOpenTitle, kProjectOpenFilter, kProjectExtension, "", ""}, false);
  if (!path) return;
  OpenProjectFile(*path);
}

bool ProjectCommands::RefusedAsProject(const std::string& path) {
  const std::string refusal = ProjectRefusal(path);
  if (refusal.empty()) return false;
  // Refused before the open project closes: nothing is made of the file, nothing listed.
  app_.ui_.MessageBox(kCaptionError, refusal, MsgIcon::kError, kMbOk, kMbOk);
  return true;
}

void ProjectCommands::OpenProjectFile(const std::string& path) {
  if (RefusedAsProject(path)) return;
  CloseProject();
  app_.state_.project_path = path;
  app_.recent_.Add(path);
  LoadProject(path);
}

void ProjectCommands::OpenPath(const std::string& named) {
  namespace fs = std::filesystem;
  std::error_code ec;
  // Whole, as a chooser gives it, so the project and the recent list do not depend on the
  // folder the program was started in.
  const fs::path whole = fs::absolute(named, ec);
  const std::string path = ec ? named : whole.lexically_normal().string();
  // Named on the command line, so nothing has checked it yet; a chooser only offers files.
  if (!IsRegularFile(path)) {
    app_.ui_.MessageBox(kCaptionError, FileToOpenMissingText(path), MsgIcon::kError, kMbOk, kMbOk);
    return;
  }
  if (NamesProjectFile(path)) {
    if (SaveChangesPrompt()) OpenProjectFile(path);
  } else {
    app_.Forms().OpenFormFile(path);
  }
}

void ProjectCommands::OpenRecent(std::size_t index) {
  if (index >= app_.recent_.Entries().size()) return;
  const std::string path = app_.recent_.Entries()[index];
  if (!SaveChangesPrompt()) return;
  if (RefusedAsProject(path)) return;
  CloseProject();
  app_.state_.project_path = path;
  LoadProject(path);
}

void ProjectCommands::LoadProject(const std::string& path) {
  SetProjectNameFromPath(path);
  ProjectFileData data = ReadProjectFile(path, app_.zoom_.Top(), app_.zoom_.Left());
  app_.records_.Note(path);
  app_.state_.library = data.library;
  SetPaletteForLibrary(app_.state_);
  if (data.zoom_active) {
    app_.zoom_.Show();
    app_.zoom_.Move(data.zoom_left, data.zoom_top);
  }
  // Every form that cannot be opened is said in one message, and the project keeps listing
  // it, so that saving does not drop it from the project.
  std::vector<std::string> problems;
  for (const auto& [key, form_path] : data.forms) OpenListedForm(form_path, problems);
  if (!problems.empty())
    app_.ui_.MessageBox(kCaptionError, JoinLines(problems), MsgIcon::kError, kMbOk, kMbOk);
  if (data.inspector_active) app_.ShowInspector(data.inspector_bounds);
  app_.generate_enabled_ = true;
  app_.project_list_changed_ = false;
}

void ProjectCommands::OpenListedForm(const std::string& form_path,
                                     std::vector<std::string>& problems) {
  // A file listed twice would load as two windows that overwrite each other on saving.
  if (app_.FormWindowFor(form_path)) return;
  const FormFileHeader header = app_.forms_->Inspect(form_path, app_.state_.library);
  std::optional<std::string> refusal;
  if (header.status == ReadStatus::kMissing)
    refusal = ListedFormMissingText(form_path);
  else if (std::string why = FormFileRefusal(form_path, header); !why.empty())
    refusal = why;
  // Read with this library, a form of the other one would lose every control this library
  // lacks, and the next save would write the emptied form over it.
  if (!refusal && header.lib != static_cast<int>(app_.state_.library))
    refusal = FormOfOtherLibraryText(form_path, header.lib, app_.state_.library);
  if (refusal) {
    problems.push_back(*refusal);
    app_.unopened_forms_.push_back(form_path);
    return;
  }
  TChildFrm& window = app_.Forms().NewForm(header.name);
  app_.Forms().ReadFormInto(window, form_path);
  app_.records_.Note(form_path);
  app_.designer_.Activate(window);
}

bool ProjectCommands::SaveProject() {
  if (app_.state_.project_name.empty()) return false;
  if (app_.state_.project_path.empty()) return SaveProjectAs();
  return SaveProjectTo(app_.state_.project_path);
}

bool ProjectCommands::SaveProjectAs() {
  if (app_.state_.project_name.empty()) return false;
  std::optional<std::string> path = app_.ChooseFile(
      {kProjectSaveTitle, kProjectSaveFilter, kProjectExtension, "", app_.state_.project_name},
      true);
  if (!path) return false;
  if (app_.FileExists(*path) && app_.ui_.MessageBox(kCaptionNewProject, ReplaceFileText(*path),
                                                    MsgIcon::kWarning, kMbYesNo, kMbNo) != kMbYes)
    return false;
  // The generate dialog's sections come along from the project's own file.
  if (!SaveProjectTo(*path, app_.state_.project_path)) return false;
  app_.state_.project_path = *path;
  app_.recent_.Add(*path);
  SetProjectNameFromPath(*path);
  return true;
}

void ProjectCommands::ReportProjectNotSaved(const std::string& what) {
  app_.ui_.MessageBox(kCaptionWarning, ProjectNotSavedText(what), MsgIcon::kWarning, kMbOk, kMbOk);
}

bool ProjectCommands::SaveProjectTo(const std::string& path, const std::string& origin) {
  // Asked before any form is written, so that No leaves everything as it was.
  if (app_.records_.ChangedBehindUs(path) && !app_.AskReplaceChanged(path)) {
    ReportProjectNotSaved(ExtractFileName(path));
    return false;
  }
  ProjectFileData data;
  data.library = app_.state_.library;
  data.inspector_active = app_.inspector_.visible;
  data.inspector_bounds = app_.inspector_.bounds;
  data.zoom_active = app_.zoom_.Visible();
  data.zoom_top = app_.zoom_.Top();
  data.zoom_left = app_.zoom_.Left();
  // Every form's path is known before anything is written: a form whose save is cancelled
  // (or whose file is not to be replaced) stops the save with nothing written.
  std::vector<std::pair<TChildFrm*, std::string>> planned;
  for (const auto& owned : app_.state_.windows) {
    TChildFrm& window = *owned;
    if (!window.Visible()) continue;
    FormSaveResult refused = FormSaveResult::kCancelled;
    std::optional<std::string> form_path = app_.Forms().FormSavePath(window, false, &refused);
    if (!form_path) {
      ReportProjectNotSaved(window.Name());
      return false;
    }
    planned.emplace_back(&window, *form_path);
  }
  for (const auto& [window, form_path] : planned)
    if (app_.Forms().WriteFormTo(*window, form_path) != FormSaveResult::kWritten) return false;
  for (std::size_t i = 0; i < app_.state_.windows.size(); ++i) {
    const TChildFrm& window = *app_.state_.windows[i];
    if (window.Visible()) data.forms.emplace_back(ActiveFormKey(i), window.Path());
  }
  for (std::size_t i = 0; i < app_.unopened_forms_.size(); ++i)
    data.forms.emplace_back(ActiveFormKey(app_.state_.windows.size() + i), app_.unopened_forms_[i]);
  if (!WriteProjectFile(path, data, origin)) {
    app_.ui_.MessageBox(kCaptionError, UnableToWriteMessage(path), MsgIcon::kError, kMbOk, kMbOk);
    return false;
  }
  app_.records_.Note(path);
  app_.SetProjectCaption(ExtractFileName(path));
  app_.DropRecoveryIfSaved();
  app_.project_list_changed_ = false;
  return true;
}

void ProjectCommands::CloseAll() {
  if (!SaveChangesPrompt()) return;
  CloseProject();
}

}  // namespace qb
