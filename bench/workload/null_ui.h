#pragma once

// A Ui for the benchmarks: answers every prompt with the button it was told to (its default
// button unless told) and every chooser with the path it was given, shows nothing, and counts what
// it was asked to show so that a benchmark can tell a failed step from a slow one.

#include <optional>
#include <string>
#include <vector>

#include "model/ui.h"

namespace qb::bench {

class NullUi : public Ui {
 public:
  // What the file choosers answer; none when empty.
  std::string chosen_path;
  // The answer to every message box that offers it; kMbNone for each box's default.
  MsgButton answer = kMbNone;
  int messages = 0;
  std::string last_message;

  void SetClipboard(const std::vector<ClipboardEntry>&) override {}
  std::optional<std::string> ClipboardData(const std::string&) override { return std::nullopt; }
  ProgramRun RunProgram(const std::string&, const std::string&, const std::string&) override {
    return {};
  }
  bool StartProgram(const std::string&, const std::string&, const std::string&) override {
    return false;
  }
  void OpenUrl(const std::string&) override {}
  void ShowHelp(const std::string&) override {}

 protected:
  MsgButton DoMessageBox(const std::string&, const std::string& text, MsgIcon, MsgButtons buttons,
                         MsgButton default_button) override {
    ++messages;
    last_message = text;
    return answer != kMbNone && (buttons & answer) ? answer : default_button;
  }
  void DoShowError(const std::string& text) override {
    ++messages;
    last_message = text;
  }
  std::optional<std::string> DoChooseOpenFile(const FileRequest&) override { return Chosen(); }
  std::optional<std::string> DoChooseSaveFile(const FileRequest&) override { return Chosen(); }
  std::optional<std::string> DoChooseFolder(const std::string&, const std::string&) override {
    return Chosen();
  }
  std::optional<std::string> DoChoosePicture(const std::string&, const std::string&) override {
    return Chosen();
  }
  bool DoRunDialog(DialogModel&) override { return false; }

 private:
  std::optional<std::string> Chosen() const {
    if (chosen_path.empty()) return std::nullopt;
    return chosen_path;
  }
};

}  // namespace qb::bench
