#pragma once

// The one way the core reaches the user. The Qt layer implements it with real dialogs;
// tests pass a scripted fake. Every prompt goes through the non-virtual entry points below,
// which keep the modal depth that pauses the zoom refresh while anything modal is up.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/captions.h"

namespace qb {

enum class MsgIcon { kNone, kInformation, kWarning, kError, kQuestion };

enum MsgButton : unsigned {
  kMbNone = 0,
  kMbOk = 1,
  kMbCancel = 2,
  kMbYes = 4,
  kMbNo = 8,
};
using MsgButtons = unsigned;
inline constexpr MsgButtons kMbYesNo = kMbYes | kMbNo;
inline constexpr MsgButtons kMbYesNoCancel = kMbYes | kMbNo | kMbCancel;
inline constexpr MsgButtons kMbOkCancel = kMbOk | kMbCancel;

struct FileRequest {
  std::string title;
  std::string filter;       // "Description (*.ext)|*.ext", several joined by '|'
  std::string default_ext;  // without the dot
  std::string initial_dir;
  std::string file_name;
};

// The logic of a modal dialog; the Qt layer knows each concrete type and shows it.
class DialogModel {
 public:
  virtual ~DialogModel() = default;
  virtual const char* DialogId() const = 0;
  // A dialog whose own picture the zoom view shows does not pause the zoom while it is up.
  virtual bool KeepsZoomLive() const { return false; }
};

struct ClipboardEntry {
  std::string mime;
  std::string data;
};

// How a program that was run to its end went.
struct ProgramRun {
  bool started = false;  // false: it could not be started at all
  int exit_code = -1;    // -1 when it did not end by itself
  std::string message;   // what it wrote to its error output, else to its output, trimmed
};

class Ui {
 public:
  virtual ~Ui() = default;

  MsgButton MessageBox(const std::string& caption, const std::string& text, MsgIcon icon,
                       MsgButtons buttons, MsgButton default_button);
  // The application's standard error box (errors raised as UserError).
  void ShowError(const std::string& text);
  std::optional<std::string> ChooseOpenFile(const FileRequest& request);
  std::optional<std::string> ChooseSaveFile(const FileRequest& request);
  std::optional<std::string> ChooseFolder(const std::string& title, const std::string& initial);
  std::optional<std::string> ChoosePicture(const std::string& title, const std::string& initial);
  // Runs a modal dialog over its logic; true when it was closed with OK. The modal depth is
  // raised for it unless the dialog keeps the zoom live.
  bool RunDialog(DialogModel& dialog);

  virtual void SetClipboard(const std::vector<ClipboardEntry>& entries) = 0;
  virtual std::optional<std::string> ClipboardData(const std::string& mime) = 0;
  // Starts a program hidden, with parameters and a working folder, without waiting.
  virtual bool StartProgram(const std::string& program, const std::string& parameters,
                            const std::string& working_dir) = 0;
  // Runs a program hidden, with parameters and a working folder, and waits until it ends,
  // showing the busy cursor meanwhile.
  virtual ProgramRun RunProgram(const std::string& program, const std::string& parameters,
                                const std::string& working_dir) = 0;
  virtual void OpenUrl(const std::string& url) = 0;
  virtual void ShowHelp(const std::string& path) = 0;

  // Non-zero while a modal prompt or dialog is up; the zoom view does not refresh then.
  int ModalDepth() const { return modal_depth_; }
  // Called with the new depth whenever it changes.
  void SetModalListener(std::function<void(int)> listener) { listener_ = std::move(listener); }
  // For modal things the Qt layer runs on its own (menus, context menus).
  void EnterModal();
  void LeaveModal();

 protected:
  virtual MsgButton DoMessageBox(const std::string& caption, const std::string& text, MsgIcon icon,
                                 MsgButtons buttons, MsgButton default_button) = 0;
  virtual void DoShowError(const std::string& text) = 0;
  virtual std::optional<std::string> DoChooseOpenFile(const FileRequest& request) = 0;
  virtual std::optional<std::string> DoChooseSaveFile(const FileRequest& request) = 0;
  virtual std::optional<std::string> DoChooseFolder(const std::string& title,
                                                    const std::string& initial) = 0;
  virtual std::optional<std::string> DoChoosePicture(const std::string& title,
                                                     const std::string& initial) = 0;
  virtual bool DoRunDialog(DialogModel& dialog) = 0;

 private:
  int modal_depth_ = 0;
  std::function<void(int)> listener_;
};

// Scoped modal section.
class ModalScope {
 public:
  explicit ModalScope(Ui& ui) : ui_(ui) { ui_.EnterModal(); }
  ~ModalScope() { ui_.LeaveModal(); }
  ModalScope(const ModalScope&) = delete;
  ModalScope& operator=(const ModalScope&) = delete;

 private:
  Ui& ui_;
};

}  // namespace qb
