#include <filesystem>

#include "app/Main.h"
#include "app/main_texts.h"
#include "model/naming.h"
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
  for (const auto& window : state_.windows)
    if (window->Path() == path) return window.get();
  return nullptr;
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
  if (inspector_.visible)
    window.SetWindowPos(inspector_.bounds.left + inspector_.bounds.width + 2, window.WindowTop());
  designer_.ShowWindow(window);
  CascadeWindow(window, state_.windows, geometry_);
  designer_.Activate(window);
  designer_.ShowFormProperties(window);
  return window;
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
  std::string name = forms_->FormName(path);
  if (name.empty()) return;
  if (forms_->FormLibrary(path) != static_cast<int>(state_.library)) {
    ui_.MessageBox(kCaptionError, OtherLibraryText(path), MsgIcon::kError, kMbOk, kMbOk);
    return;
  }
  TChildFrm& window = NewForm(name);
  forms_->Read(window, path, state_);
  designer_.Activate(window);
}

FormSaveResult TMain::SaveFormFile(TChildFrm& window, bool save_as) {
  if (save_as || window.Path().empty()) {
    std::optional<std::string> path =
        ChooseFile({kFormSaveTitle, kFormSaveFilter, kFormExtension, "",
                    window.Path().empty() ? window.Caption() : window.Path()},
                   true);
    if (!path) return FormSaveResult::kCancelled;
    window.SetPath(*path);
  }
  if (FileExists(window.Path()) && ui_.MessageBox(kCaptionSaveForm, ReplaceFileText(window.Path()),
                                                  MsgIcon::kWarning, kMbYesNo, kMbNo) != kMbYes)
    return FormSaveResult::kKept;
  if (!forms_->Write(window, window.Path(), state_, ui_)) return FormSaveResult::kFailed;
  return FormSaveResult::kWritten;
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
  if (state_.current_window.Get() == &window) {
    state_.current_window.Reset();
    state_.current_control.Reset();
    inspector_link_->Empty();
  }
}

}  // namespace qb
