#pragma once

// The user interface of a run without windows: every message goes to the error stream, the
// one question asked (whether to replace a file) is answered Yes, and nothing is chosen.

#include <iosfwd>

#include "model/ui.h"

namespace qb::cli {

class BatchUi : public Ui {
 public:
  explicit BatchUi(std::ostream& err) : err_(err) {}

  // Errors shown so far (error boxes and the standard error box).
  int Errors() const { return errors_; }
  // Every message shown so far, errors or not.
  int Messages() const { return messages_; }

  void SetClipboard(const std::vector<ClipboardEntry>&) override {}
  std::optional<std::string> ClipboardData(const std::string&) override { return std::nullopt; }
  bool StartProgram(const std::string&, const std::string&, const std::string&) override {
    return false;
  }
  ProgramRun RunProgram(const std::string&, const std::string&, const std::string&) override {
    return {};
  }
  void OpenUrl(const std::string&) override {}
  void ShowHelp(const std::string&) override {}

 protected:
  MsgButton DoMessageBox(const std::string& caption, const std::string& text, MsgIcon icon,
                         MsgButtons buttons, MsgButton default_button) override;
  void DoShowError(const std::string& text) override;
  std::optional<std::string> DoChooseOpenFile(const FileRequest&) override { return std::nullopt; }
  std::optional<std::string> DoChooseSaveFile(const FileRequest&) override { return std::nullopt; }
  std::optional<std::string> DoChooseFolder(const std::string&, const std::string&) override {
    return std::nullopt;
  }
  std::optional<std::string> DoChoosePicture(const std::string&, const std::string&) override {
    return std::nullopt;
  }
  bool DoRunDialog(DialogModel&) override { return false; }

 private:
  std::ostream& err_;
  int errors_ = 0;
  int messages_ = 0;
};

}  // namespace qb::cli
