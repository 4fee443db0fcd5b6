#pragma once

// A scripted Ui for headless tests: answers prompts in order and records what was shown.
// A prompt without a scripted answer fails the test and gets a neutral answer.

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/ui.h"

namespace qb::test {

struct Shown {
  std::string what;  // "message", "error", "open", "save", "folder", "picture", "dialog"
  std::string caption;
  std::string text;
  MsgIcon icon = MsgIcon::kNone;
  MsgButtons buttons = 0;
  MsgButton default_button = kMbNone;
  FileRequest request;
};

class FakeUi : public Ui {
 public:
  // Answers, consumed in order by the prompts of the matching kind.
  void AnswerMessage(MsgButton button) { message_answers_.push_back(button); }
  void AnswerFile(std::optional<std::string> path) { file_answers_.push_back(std::move(path)); }
  void AnswerFolder(std::optional<std::string> path) { folder_answers_.push_back(std::move(path)); }
  // Runs a dialog's logic; the function edits the model and returns whether OK was pressed.
  void AnswerDialog(std::function<bool(DialogModel&)> run) {
    dialog_answers_.push_back(std::move(run));
  }

  const std::vector<Shown>& ShownLog() const { return shown_; }
  // The texts of every message and error shown, in order.
  std::vector<std::string> Texts() const;
  void ClearLog() { shown_.clear(); }
  bool AllAnswersUsed() const;

  // Clipboard and outside programs are recorded in memory.
  void SetClipboard(const std::vector<ClipboardEntry>& entries) override { clipboard_ = entries; }
  std::optional<std::string> ClipboardData(const std::string& mime) override;
  bool StartProgram(const std::string& program, const std::string& parameters,
                    const std::string& working_dir) override;
  // Recorded in started_ as well; answered by run_program_ when set, else as a run that
  // ended well (not started when start_program_result_ is false).
  ProgramRun RunProgram(const std::string& program, const std::string& parameters,
                        const std::string& working_dir) override;
  void OpenUrl(const std::string& url) override { urls_.push_back(url); }
  void ShowHelp(const std::string& path) override { help_.push_back(path); }

  struct Started {
    std::string program, parameters, working_dir;
  };
  std::vector<ClipboardEntry> clipboard_;
  std::vector<Started> started_;
  std::vector<std::string> urls_;
  std::vector<std::string> help_;
  bool start_program_result_ = true;
  std::function<ProgramRun(const Started&)> run_program_;

 protected:
  MsgButton DoMessageBox(const std::string& caption, const std::string& text, MsgIcon icon,
                         MsgButtons buttons, MsgButton default_button) override;
  void DoShowError(const std::string& text) override;
  std::optional<std::string> DoChooseOpenFile(const FileRequest& request) override;
  std::optional<std::string> DoChooseSaveFile(const FileRequest& request) override;
  std::optional<std::string> DoChooseFolder(const std::string& title,
                                            const std::string& initial) override;
  std::optional<std::string> DoChoosePicture(const std::string& title,
                                             const std::string& initial) override;
  bool DoRunDialog(DialogModel& dialog) override;

 private:
  std::optional<std::string> NextFile();
  std::deque<MsgButton> message_answers_;
  std::deque<std::optional<std::string>> file_answers_;
  std::deque<std::optional<std::string>> folder_answers_;
  std::deque<std::function<bool(DialogModel&)>> dialog_answers_;
  std::vector<Shown> shown_;
};

}  // namespace qb::test
