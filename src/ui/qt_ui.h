#pragma once

// The core's Ui, implemented with real Qt dialogs.

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <map>
#include <string>

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
  bool StartProgram(const std::string& program, const std::string& parameters,
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
  QWidget* parent_;
  std::map<std::string, DialogRunner> runners_;
  QPointer<HelpWindow> help_;
};

}  // namespace qb::ui
