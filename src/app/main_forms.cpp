#include <filesystem>

#include "app/Main.h"
#include "app/main_texts.h"
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

std::optional<std::string> TMain::FormRefusal(const std::string& path,
                                              const FormFileHeader& header) const {
  if (!header.ok()) return ReadProblemText(path, header.status, kMaxDocumentFileSize);
  if (std::string foreign = ForeignFormText(path, header); !foreign.empty()) return foreign;
  if (header.controls > kMaxFormControls) return TooManyControlsText(path, header.controls);
  return std::nullopt;
}

TChildFrm& TMain::NewForm(const std::string& given_name) {
  std::string name = given_name;
  if (name.empty()) {
    // Names of forms already loaded are skipped, so that no two forms share a name.
    do {
      name = FormName(state_.form_counter, state_.short_names);
      ++state_.form_counter;
    } while (FormNameInUse(state_, name));
  }
  TChildFrm& window = designer_.AddWindow();
  window.SetName(name);
  window.SetPath("");
  window.SetCaption(name + kFormFileSuffix);
  window.Screen().SetTitle(name);
  // From here on every change of the form is an edit; showing and activating it are not.
  window.StartRecording();
  if (inspector_.visible)
    window.SetWindowPos(inspector_.bounds.left + inspector_.bounds.width + 2, window.WindowTop());
  designer_.ShowWindow(window);
  CascadeWindow(window, state_.windows, geometry_);
  designer_.Activate(window);
  designer_.ShowFormProperties(window);
  if (!state_.project_name.empty()) project_list_changed_ = true;
  return window;
}

void TMain::ReadFormInto(TChildFrm& window, const std::string& path) {
  {
    TChildFrm::MakingScope making(window);
    forms_->Read(window, path, state_);
  }
  window.StartRecording();
}

void TMain::OpenForm() {
  std::optional<std::string> path =
      ChooseFile({kFormOpenTitle, kFormOpenFilter, kFormExtension, "", ""}, false);
  if (path) OpenFormFile(*path);
}

void TMain::OpenFormFile(const std::string& path) {
  if (TChildFrm* open = FormWindowFor(path)) {
    if (!open->Visible()) designer_.ShowWindow(*open);
    BringToFront(*open);
    return;
  }
  const FormFileHeader header = forms_->Inspect(path, state_.library);
  if (header.status == ReadStatus::kMissing) return;
  // A file that is not one of our forms is said first: its library means nothing.
  if (std::string foreign = ForeignFormText(path, header); !foreign.empty()) {
    ui_.MessageBox(kCaptionError, foreign, MsgIcon::kError, kMbOk, kMbOk);
    return;
  }
  if (header.ok() && header.lib != static_cast<int>(state_.library)) {
    ui_.MessageBox(kCaptionError, OtherLibraryText(path), MsgIcon::kError, kMbOk, kMbOk);
    return;
  }
  if (std::optional<std::string> refusal = FormRefusal(path, header)) {
    ui_.MessageBox(kCaptionError, *refusal, MsgIcon::kError, kMbOk, kMbOk);
    return;
  }
  TChildFrm& window = NewForm(header.name);
  ReadFormInto(window, path);
  records_.Note(path);
  designer_.Activate(window);
  if (!state_.project_name.empty()) project_list_changed_ = true;
}

bool TMain::AskReplaceChanged(const std::string& path) {
  return ui_.MessageBox(kCaptionWarning, ChangedOnDiskText(path), MsgIcon::kWarning, kMbYesNo,
                        kMbNo) == kMbYes;
}

std::optional<std::string> TMain::FormSavePath(TChildFrm& window, bool save_as,
                                               FormSaveResult* refused) {
  std::string path = window.Path();
  if (save_as || path.empty()) {
    std::optional<std::string> chosen = ChooseFile({kFormSaveTitle, kFormSaveFilter, kFormExtension,
                                                    "", path.empty() ? window.Caption() : path},
                                                   true);
    if (!chosen) {
      *refused = FormSaveResult::kCancelled;
      return std::nullopt;
    }
    path = *chosen;
  }
  // A file changed by another program gets that question instead of the plain one.
  if (records_.ChangedBehindUs(path)) {
    if (!AskReplaceChanged(path)) {
      *refused = FormSaveResult::kChangedKept;
      return std::nullopt;
    }
  } else if (FileExists(path) && ui_.MessageBox(kCaptionSaveForm, ReplaceFileText(path),
                                                MsgIcon::kWarning, kMbYesNo, kMbNo) != kMbYes) {
    *refused = FormSaveResult::kKept;
    return std::nullopt;
  }
  return path;
}

FormSaveResult TMain::WriteFormTo(TChildFrm& window, const std::string& path) {
  // The chosen path becomes the form's only once the form is written there: a form whose
  // save was declined or failed stays tied to the file it came from.
  if (!forms_->Write(window, path, state_, ui_)) return FormSaveResult::kFailed;
  records_.Note(path);
  // The project lists the form under its new path.
  if (!state_.project_name.empty() && path != window.Path()) project_list_changed_ = true;
  window.SetPath(path);
  window.Undo().MarkClean();
  DropRecoveryIfSaved();
  return FormSaveResult::kWritten;
}

FormSaveResult TMain::SaveFormFile(TChildFrm& window, bool save_as) {
  FormSaveResult refused = FormSaveResult::kCancelled;
  std::optional<std::string> path = FormSavePath(window, save_as, &refused);
  if (!path) return refused;
  return WriteFormTo(window, *path);
}

void TMain::SaveCurrentForm(bool save_as) {
  if (TChildFrm* window = state_.current_window.Get()) SaveFormFile(*window, save_as);
}

void TMain::CloseForm() {
  if (TChildFrm* window = state_.current_window.Get()) CloseFormWindow(*window);
}

void TMain::CloseFormWindow(TChildFrm& window) {
  if (!window.Visible()) return;
  MsgButton answer = ui_.MessageBox(kCaptionConfirm, SaveFormChangesText(window.Name()),
                                    MsgIcon::kQuestion, kMbYesNoCancel, kMbYes);
  if (answer == kMbYes) {
    // A form whose save did not happen stays open, so its work is not put out of reach.
    if (SaveFormFile(window, false) != FormSaveResult::kWritten) return;
  } else if (answer != kMbNo) {
    return;
  }
  window.SetVisible(false);
  if (!state_.project_name.empty()) project_list_changed_ = true;
  if (state_.current_window.Get() == &window) {
    state_.current_window.Reset();
    state_.current_control.Reset();
    inspector_port_->Empty();
  }
}

}  // namespace qb
