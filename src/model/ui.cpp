#include "model/ui.h"

namespace qb {

void Ui::EnterModal() {
  ++modal_depth_;
  if (listener_) listener_(modal_depth_);
}

void Ui::LeaveModal() {
  if (modal_depth_ > 0) --modal_depth_;
  if (listener_) listener_(modal_depth_);
}

MsgButton Ui::MessageBox(const std::string& caption, const std::string& text, MsgIcon icon,
                         MsgButtons buttons, MsgButton default_button) {
  ModalScope scope(*this);
  return DoMessageBox(caption, text, icon, buttons, default_button);
}

void Ui::ShowError(const std::string& text) {
  ModalScope scope(*this);
  DoShowError(text);
}

std::optional<std::string> Ui::ChooseOpenFile(const FileRequest& request) {
  ModalScope scope(*this);
  return DoChooseOpenFile(request);
}

std::optional<std::string> Ui::ChooseSaveFile(const FileRequest& request) {
  ModalScope scope(*this);
  return DoChooseSaveFile(request);
}

std::optional<std::string> Ui::ChooseFolder(const std::string& title, const std::string& initial) {
  ModalScope scope(*this);
  return DoChooseFolder(title, initial);
}

std::optional<std::string> Ui::ChoosePicture(const std::string& title, const std::string& initial) {
  ModalScope scope(*this);
  return DoChoosePicture(title, initial);
}

bool Ui::RunDialog(DialogModel& dialog) {
  if (dialog.KeepsZoomLive()) return DoRunDialog(dialog);
  ModalScope scope(*this);
  return DoRunDialog(dialog);
}

}  // namespace qb
