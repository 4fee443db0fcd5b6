#include <filesystem>

#include "app/Main.h"
#include "app/main_texts.h"
#include "form/edit_transaction.h"
#include "form/naming.h"
#include "model/safe_file.h"
#include "model/text_util.h"

namespace qb {

namespace {

constexpr const char* kFormFileSuffix = ".qbf";

bool FormNameInUse(const AppState& state, const std::string& name) {
  for (const auto& window : state.windows)
    if (SameText(window->Name(), name)) return true;
  return false;
}

}  // namespace

std::string TMain::DialogFolder() const {
  if (!state_.project_path.empty())
    return std::filesystem::path(state_.project_path).parent_path().string();
  return last_folder_;
}

std::optional<std::string> TMain::ChooseFile(FileRequest request, bool save) {
  if (request.initial_dir.empty()) request.initial_dir = DialogFolder();
  std::optional<std::string> path =
      save ? ui_.ChooseSaveFile(request) : ui_.ChooseOpenFile(request);
  if (path) last_folder_ = std::filesystem::path(*path).parent_path().string();
  return path;
}

TChildFrm* TMain::FormWindowFor(const std::string& path) const {
  if (path.empty()) return nullptr;
  // Compared once made canonical: "sub/../sub/a.qbf" or a link to the file is the same form,
  // and two windows of one file would save over each other.
  const std::string wanted = CanonicalPathText(path);
  for (const auto& window : state_.windows)
    if (!window->Path().empty() && CanonicalPathText(window->Path()) == wanted) return window.get();
  return nullptr;
}

TChildFrm& FormCommands::NewForm(const std::string& given_name) {
  std::string name = given_name;
  if (name.empty()) {
    // Names of forms already loaded are skipped, so that no two forms share a name.
    do {
      name = FormName(app_.state_.form_counter, app_.state_.short_names);
      ++app_.state_.form_counter;
    } while (FormNameInUse(app_.state_, name));
  }
  TChildFrm& window = app_.designer_.AddWindow();
  window.SetName(name);
  window.SetPath("");
  window.SetCaption(name + kFormFileSuffix);
  window.Screen().SetTitle(name);
  // From here on every change of the form is an edit; showing and activating it are not.
  window.StartRecording();
  if (app_.inspector_.visible)
    window.SetWindowPos(app_.inspector_.bounds.left + app_.inspector_.bounds.width + 2,
                        window.WindowTop());
  app_.designer_.ShowWindow(window);
  CascadeWindow(window, app_.state_.windows, app_.geometry_);
  app_.designer_.Activate(window);
  app_.designer_.ShowFormProperties(window);
  if (!app_.state_.project_name.empty()) app_.project_list_changed_ = true;
  return window;
}

void FormCommands::ReadFormInto(TChildFrm& window, const std::string& path) {
  {
    TChildFrm::MakingScope making(window);
    app_.forms_->Read(window, path, app_.state_);
  }
  window.StartRecording();
}

void FormCommands::OpenForm() {
  std::optional<std::string> path =
      app_.ChooseFile({kFormOpenTitle, kFormOpenFilter, kFormExtension, "", ""}, false);
  if (path) OpenFormFile(*path);
}

void FormCommands::OpenFormFile(const std::string& path) {
  if (TChildFrm* open = app_.FormWindowFor(path)) {
    if (!open->Visible()) app_.designer_.ShowWindow(*open);
    app_.BringToFront(*open);
    return;
  }
  const FormFileHeader header = app_.forms_->Inspect(path, app_.state_.library);
  if (header.status == ReadStatus::kMissing) return;
  // A file that is not one of our forms is said first: its library means nothing.
  if (std::string foreign = ForeignFormText(path, header); !foreign.empty()) {
    app_.ui_.MessageBox(kCaptionError, foreign, MsgIcon::kError, kMbOk, kMbOk);
    return;
  }
  if (header.ok() && header.lib != static_cast<int>(app_.state_.library)) {
    app_.ui_.MessageBox(kCaptionError, OtherLibraryText(path), MsgIcon::kError, kMbOk, kMbOk);
    return;
  }
  if (const std::string refusal = FormFileRefusal(path, header); !refusal.empty()) {
    app_.ui_.MessageBox(kCaptionError, refusal, MsgIcon::kError, kMbOk, kMbOk);
    return;
  }
  TChildFrm& window = NewForm(header.name);
  ReadFormInto(window, path);
  app_.records_.Note(path);
  app_.designer_.Activate(window);
  if (!app_.state_.project_name.empty()) app_.project_list_changed_ = true;
}

bool TMain::AskReplaceChanged(const std::string& path) {
  return ui_.MessageBox(kCaptionWarning, ChangedOnDiskText(path), MsgIcon::kWarning, kMbYesNo,
                        kMbNo) == kMbYes;
}

std::optional<std::string> FormCommands::FormSavePath(TChildFrm& window, bool save_as,
                                                      FormSaveResult* refused) {
  std::string path = window.Path();
  if (save_as || path.empty()) {
    std::optional<std::string> chosen =
        app_.ChooseFile({kFormSaveTitle, kFormSaveFilter, kFormExtension, "",
                         path.empty() ? window.Caption() : path},
                        true);
    if (!chosen) {
      *refused = FormSaveResult::kCancelled;
      return std::nullopt;
    }
    path = *chosen;
  }
  // A file changed by another program gets that question instead of the plain one.
  if (app_.records_.ChangedBehindUs(path)) {
    if (!app_.AskReplaceChanged(path)) {
      *refused = FormSaveResult::kChangedKept;
      return std::nullopt;
    }
  } else if (app_.FileExists(path) &&
             app_.ui_.MessageBox(kCaptionSaveForm, ReplaceFileText(path), MsgIcon::kWarning,
                                 kMbYesNo, kMbNo) != kMbYes) {
    *refused = FormSaveResult::kKept;
    return std::nullopt;
  }
  return path;
}

FormSaveResult FormCommands::WriteFormTo(TChildFrm& window, const std::string& path) {
  // The chosen path becomes the form's only once the form is written there: a form whose
  // save was declined or failed stays tied to the file it came from.
  if (!app_.forms_->Write(window, path, app_.state_, app_.ui_)) return FormSaveResult::kFailed;
  app_.records_.Note(path);
  // The project lists the form under its new path.
  if (!app_.state_.project_name.empty() && path != window.Path()) app_.project_list_changed_ = true;
  window.SetPath(path);
  window.Undo().MarkClean();
  app_.DropRecoveryIfSaved();
  return FormSaveResult::kWritten;
}

FormSaveResult FormCommands::SaveFormFile(TChildFrm& window, bool save_as) {
  FormSaveResult refused = FormSaveResult::kCancelled;
  std::optional<std::string> path = FormSavePath(window, save_as, &refused);
  if (!path) return refused;
  return WriteFormTo(window, *path);
}

void FormCommands::SaveCurrentForm(bool save_as) {
  if (TChildFrm* window = app_.state_.current_window.Get()) SaveFormFile(*window, save_as);
}

void FormCommands::CloseForm() {
  if (TChildFrm* window = app_.state_.current_window.Get()) CloseFormWindow(*window);
}

void FormCommands::CloseFormWindow(TChildFrm& window) {
  if (!window.Visible()) return;
  MsgButton answer = app_.ui_.MessageBox(kCaptionConfirm, SaveFormChangesText(window.Name()),
                                         MsgIcon::kQuestion, kMbYesNoCancel, kMbYes);
  if (answer == kMbYes) {
    // A form whose save did not happen stays open, so its work is not put out of reach.
    if (SaveFormFile(window, false) != FormSaveResult::kWritten) return;
  } else if (answer != kMbNo) {
    return;
  }
  window.SetVisible(false);
  if (!app_.state_.project_name.empty()) app_.project_list_changed_ = true;
  if (app_.state_.current_window.Get() == &window) {
    app_.state_.current_window.Reset();
    app_.state_.current_control.Reset();
    app_.inspector_port_->Empty();
  }
}

void FormCommands::Cut() {
  AppState& state = app_.state_;
  TControl* current = state.current_control.Get();
  EditTransaction edit(state, state.current_window.Get(),
                       current ? "Cut " + current->Name() : "Cut");
  app_.clipboard_.Cut();
}

void FormCommands::Copy() { app_.clipboard_.Copy(); }

void FormCommands::Paste() {
  AppState& state = app_.state_;
  EditTransaction edit(state, state.current_window.Get());
  app_.clipboard_.Paste();
  if (TControl* pasted = state.current_control.Get()) edit.SetName("Paste " + pasted->Name());
}

}  // namespace qb
