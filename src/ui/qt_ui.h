#pragma once

// The core's Ui, implemented with real Qt dialogs.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "model/ui.h"
#include "ui/help_window.h"

namespace qb::ui {

// "Desc (*.a)|*.a|Other (*.b)|*.b" -> "Desc (*.a);;Other (*.b)"
QString QtFilterFromToolkit(const std::string& filter);

class QtUi : public Ui {
 public:
  explicit QtUi(QWidget* parent_window = nullptr) : parent_(parent_window) {}
  ~QtUi() override { delete help_; }
  QtUi(const QtUi&) = delete;
  QtUi& operator=(const QtUi&) = delete;
  void SetParentWindow(QWidget* parent_window) { parent_ = parent_window; }

  // The Qt view of a dialog logic, by DialogModel::DialogId.
  using DialogRunner = std::function<bool(QWidget* parent, DialogModel& dialog)>;
  void RegisterDialog(const std::string& id, DialogRunner runner) { runners_[id] = runner; }

  void SetClipboard(const std::vector<ClipboardEntry>& entries) override;
  std::optional<std::string> ClipboardData(const std::string& mime) override;
  // While a widget handles its own event (a keystroke in a cell editor, a pick), an error box
  // must not open under it: the box would run a nested event loop in which the widget may be
  // destroyed. Error boxes and other boxes with only an OK button raised inside this scope are
  // shown once the event has returned; questions still ask at once, as their answer is needed.
  class DeferErrors {
   public:
    explicit DeferErrors(QtUi& ui) : ui_(ui) { ++ui_.defer_depth_; }
    ~DeferErrors() { --ui_.defer_depth_; }
    DeferErrors(const DeferErrors&) = delete;
    DeferErrors& operator=(const DeferErrors&) = delete;

   private:
    QtUi& ui_;
  };
  // Runs after deferred boxes have been answered (the inspector gives the cell its focus back).
  void SetAfterDeferredBoxes(std::function<void()> after) { after_boxes_ = std::move(after); }
  struct PendingBox {
    std::string caption;
    std::string text;
    MsgIcon icon;
  };
  // Boxes waiting to be shown.
  const std::vector<PendingBox>& PendingBoxes() const { return pending_; }

  bool StartProgram(const std::string& program, const std::string& parameters,
                    const std::string& working_dir) override;
  ProgramRun RunProgram(const std::string& program, const std::string& parameters,
                        const std::string& working_dir) override;
  void OpenUrl(const std::string& url) override;
  // The manual in the program's help window, made at the first request.
  void ShowHelp(const std::string& path) override;
  HelpWindow* Help() const { return help_; }

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
  void Defer(PendingBox box);
  void ShowPending();
  void ShowBox(const PendingBox& box);

  QWidget* parent_;
  int defer_depth_ = 0;
  std::vector<PendingBox> pending_;
  std::function<void()> after_boxes_;
  // Context of the queued showing: it is dropped if this Ui goes first.
  QObject queue_context_;
  std::map<std::string, DialogRunner> runners_;
  QPointer<HelpWindow> help_;
};

}  // namespace qb::ui
