#include <ctime>

#include "app/Main.h"
#include "app/main_texts.h"
#include "app/project_file.h"
#include "form/form_file.h"
#include "model/ini_file.h"
#include "model/safe_file.h"
#include "model/text_util.h"

namespace qb {

namespace {

std::string NoteText(std::chrono::system_clock::time_point when) {
  const std::time_t t = std::chrono::system_clock::to_time_t(when);
  std::tm local{};
  localtime_r(&t, &local);
  char clock[16];
  std::strftime(clock, sizeof clock, "%H:%M:%S", &local);
  return std::string(kRecoveryNotePrefix) + clock;
}

// The work a set holds, as the recovery question names it.
std::string WorkName(const RecoveryContent& content) {
  if (content.has_project)
    return content.project_name.empty() ? kNewProjectName : content.project_name;
  std::string names;
  for (const RecoveryForm& form : content.forms) names += (names.empty() ? "" : ", ") + form.name;
  return names;
}

}  // namespace

RecoveryContent TMain::RecoveryContentNow() {
  RecoveryContent content;
  content.has_project = !state_.project_name.empty();
  content.project_name = state_.project_name;
  content.project_path = state_.project_path;
  content.library = state_.library;
  for (const auto& window : state_.windows) {
    if (!window->Visible()) continue;
    RecoveryForm form{window->Name(), window->Path(), ""};
    // A form as its file holds it comes back from that file; one never saved has no file.
    if (Modified(*window) || window->Path().empty())
      form.content = WriteFormToIni(state_.library, *window).Text();
    content.forms.push_back(std::move(form));
  }
  content.unopened = unopened_forms_;
  return content;
}

std::string TMain::RecoverySignature() const {
  std::string signature = state_.project_name + "\n" + state_.project_path + "\n" +
                          std::to_string(unopened_forms_.size()) + "\n";
  for (const auto& window : state_.windows) {
    if (!window->Visible()) continue;
    signature += window->Name() + "\n" + window->Path() + "\n" +
                 std::to_string(window->ChangeCount()) + (Modified(*window) ? "*\n" : "\n");
  }
  return signature;
}

bool TMain::AutoSaveTick() {
  if (!recovery_ || autosave_seconds_ <= 0) return false;
  const auto now = recovery_->Now();
  const auto interval = std::chrono::seconds(autosave_seconds_);
  if (!next_autosave_) next_autosave_ = now + interval;
  if (now < *next_autosave_) return false;
  if (!AnyFormModified()) {
    if (recovery_->HasSet()) recovery_->Remove();
    next_autosave_ = now + interval;
    return false;
  }
  // Halfway through an action the forms are not what the user will have; a modal dialog may
  // hold an editor's copy not yet applied.
  if (ui_.ModalDepth() > 0 || state_.open_transaction || designer_.MouseStepOpen()) return false;
  next_autosave_ = now + interval;
  std::string signature = RecoverySignature();
  if (recovery_->HasSet() && signature == recovery_signature_) return false;
  if (!recovery_->Write(RecoveryContentNow())) return false;
  recovery_signature_ = std::move(signature);
  recovery_note_ = NoteText(now);
  return true;
}

void TMain::DropRecoveryIfSaved() {
  if (recovery_ && recovery_->HasSet() && !AnyFormModified()) recovery_->Remove();
}

bool TMain::OfferRecovery() {
  if (!recovery_) return false;
  const std::vector<RecoverySet> sets = recovery_->Orphans();
  if (sets.empty()) return false;
  // The newest only; an older one is asked about at a later start.
  const RecoverySet& set = sets.front();
  if (ui_.MessageBox(kCaptionRecover, RecoverQuestionText(WorkName(set.content)),
                     MsgIcon::kQuestion, kMbYesNo, kMbYes) != kMbYes) {
    recovery_->Discard(set);
    return false;
  }
  Recover(set);
  return true;
}

void TMain::Recover(const RecoverySet& set) {
  const RecoveryContent& content = set.content;
  project_commands_.CloseProject();
  state_.library = content.library;
  SetPaletteForLibrary(state_);
  if (content.has_project) {
    state_.project_name = content.project_name.empty() ? kNewProjectName : content.project_name;
    state_.project_path = content.project_path;
    SetProjectCaption(state_.project_name);
    // The tool windows as the project file keeps them, else as a new project places them.
    const std::string& path = content.project_path;
    if (!path.empty() && IsRegularFile(path) && ProjectRefusal(path).empty()) {
      const ProjectFileData data = ReadProjectFile(path, zoom_.Top(), zoom_.Left());
      records_.Note(path);
      if (data.zoom_active) {
        zoom_.Show();
        zoom_.Move(data.zoom_left, data.zoom_top);
      }
      if (data.inspector_active) ShowInspector(data.inspector_bounds);
    } else {
      ShowInspector({0, 0, InspectorWindow::kDefaultWidth, InspectorWindow::kDefaultHeight});
    }
    generate_enabled_ = true;
  }
  std::vector<std::string> problems;
  for (const RecoveryForm& form : content.forms) {
    if (form.content.empty()) {
      project_commands_.OpenListedForm(form.path, problems);
      continue;
    }
    TChildFrm& window = form_commands_.NewForm(form.name);
    {
      TChildFrm::MakingScope making(window);
      IniFile ini;
      ini.Parse(form.content);
      ReadFormFromIni(state_.library, window, ini, state_);
    }
    window.StartRecording();
    // Its own file stays as it is until the user saves.
    window.SetPath(form.path);
    window.SetCaption(form.path.empty() ? window.Caption() : ExtractFileName(form.path));
    designer_.Activate(window);
    // Unlike its file (or the lack of one), the form holds unsaved work.
    window.Undo().MarkUnsaved();
  }
  for (const std::string& path : content.unopened)
    if (std::find(unopened_forms_.begin(), unopened_forms_.end(), path) == unopened_forms_.end())
      unopened_forms_.push_back(path);
  if (!problems.empty())
    ui_.MessageBox(kCaptionError, JoinLines(problems), MsgIcon::kError, kMbOk, kMbOk);
  SetPaletteForLibrary(state_);
  // Kept as this instance's own until the work is saved or written again.
  recovery_->Adopt(set);
  recovery_signature_.clear();
}

}  // namespace qb
