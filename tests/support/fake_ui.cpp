#include "support/fake_ui.h"

#include <gtest/gtest.h>

namespace qb::test {

std::vector<std::string> FakeUi::Texts() const {
  std::vector<std::string> out;
  for (const auto& s : shown_)
    if (s.what == "message" || s.what == "error") out.push_back(s.text);
  return out;
}

bool FakeUi::AllAnswersUsed() const {
  return message_answers_.empty() && file_answers_.empty() && folder_answers_.empty() &&
         dialog_answers_.empty();
}

std::optional<std::string> FakeUi::ClipboardData(const std::string& mime) {
  for (const auto& e : clipboard_)
    if (e.mime == mime) return e.data;
  return std::nullopt;
}

bool FakeUi::StartProgram(const std::string& program, const std::string& parameters,
                          const std::string& working_dir) {
  started_.push_back({program, parameters, working_dir});
  return start_program_result_;
}

ProgramRun FakeUi::RunProgram(const std::string& program, const std::string& parameters,
                              const std::string& working_dir) {
  started_.push_back({program, parameters, working_dir});
  if (!start_program_result_) return {};
  if (run_program_) return run_program_(started_.back());
  return {true, 0, ""};
}

MsgButton FakeUi::DoMessageBox(const std::string& caption, const std::string& text, MsgIcon icon,
                               MsgButtons buttons, MsgButton default_button) {
  shown_.push_back({"message", caption, text, icon, buttons, default_button, {}});
  if (buttons == kMbOk) return kMbOk;
  if (message_answers_.empty()) {
    ADD_FAILURE() << "unscripted question: " << caption << ": " << text;
    return default_button;
  }
  MsgButton answer = message_answers_.front();
  message_answers_.pop_front();
  return answer;
}

void FakeUi::DoShowError(const std::string& text) {
  shown_.push_back({"error", "", text, MsgIcon::kError, kMbOk, kMbOk, {}});
}

std::optional<std::string> FakeUi::NextFile() {
  if (file_answers_.empty()) {
    ADD_FAILURE() << "unscripted file chooser";
    return std::nullopt;
  }
  auto answer = file_answers_.front();
  file_answers_.pop_front();
  return answer;
}

std::optional<std::string> FakeUi::DoChooseOpenFile(const FileRequest& request) {
  shown_.push_back({"open", request.title, "", MsgIcon::kNone, 0, kMbNone, request});
  return NextFile();
}

std::optional<std::string> FakeUi::DoChooseSaveFile(const FileRequest& request) {
  shown_.push_back({"save", request.title, "", MsgIcon::kNone, 0, kMbNone, request});
  return NextFile();
}

std::optional<std::string> FakeUi::DoChooseFolder(const std::string& title,
                                                  const std::string& initial) {
  shown_.push_back({"folder", title, initial, MsgIcon::kNone, 0, kMbNone, {}});
  if (folder_answers_.empty()) {
    ADD_FAILURE() << "unscripted folder chooser";
    return std::nullopt;
  }
  auto answer = folder_answers_.front();
  folder_answers_.pop_front();
  return answer;
}

std::optional<std::string> FakeUi::DoChoosePicture(const std::string& title,
                                                   const std::string& initial) {
  shown_.push_back({"picture", title, initial, MsgIcon::kNone, 0, kMbNone, {}});
  return NextFile();
}

bool FakeUi::DoRunDialog(DialogModel& dialog) {
  shown_.push_back({"dialog", dialog.DialogId(), "", MsgIcon::kNone, 0, kMbNone, {}});
  if (dialog_answers_.empty()) {
    ADD_FAILURE() << "unscripted dialog: " << dialog.DialogId();
    return false;
  }
  auto run = std::move(dialog_answers_.front());
  dialog_answers_.pop_front();
  return run(dialog);
}

}  // namespace qb::test
