#include "ui/qt_ui.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QStringList>
#include <QTimer>
#include <QUrl>

namespace qb::ui {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

constexpr int kButtonPollMs = 20;

QMessageBox::Icon IconOf(MsgIcon icon) {
  switch (icon) {
    case MsgIcon::kInformation:
      return QMessageBox::Information;
    case MsgIcon::kWarning:
      return QMessageBox::Warning;
    case MsgIcon::kError:
      return QMessageBox::Critical;
    case MsgIcon::kQuestion:
      return QMessageBox::Question;
    case MsgIcon::kNone:
      break;
  }
  return QMessageBox::NoIcon;
}

struct ButtonMap {
  MsgButton ours;
  QMessageBox::StandardButton qt;
};
constexpr ButtonMap kButtons[] = {
    {kMbYes, QMessageBox::Yes},
    {kMbNo, QMessageBox::No},
    {kMbOk, QMessageBox::Ok},
    {kMbCancel, QMessageBox::Cancel},
};

// Splits "a b 'c d'" style parameter texts the way a command line would.
QStringList SplitParameters(const std::string& parameters) {
  return QProcess::splitCommand(Q(parameters));
}

}  // namespace

QString QtFilterFromToolkit(const std::string& filter) {
  QStringList parts = Q(filter).split('|');
  QStringList out;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString description = parts[i];
    QString patterns = parts[i + 1];
    patterns.replace(';', ' ');
    if (!description.contains('(')) description += " (" + patterns + ")";
    out << description;
  }
  if (out.isEmpty() && !filter.empty()) out << Q(filter);
  return out.join(";;");
}

MsgButton QtUi::DoMessageBox(const std::string& caption, const std::string& text, MsgIcon icon,
                             MsgButtons buttons, MsgButton default_button) {
  if (defer_depth_ > 0 && (buttons == kMbOk || buttons == kMbNone)) {
    Defer({caption, text, icon});
    return kMbOk;
  }
  QMessageBox box(IconOf(icon), Q(caption), Q(text), QMessageBox::NoButton, parent_);
  for (const auto& b : kButtons)
    if (buttons & b.ours) box.addButton(b.qt);
  if (buttons == kMbNone) box.addButton(QMessageBox::Ok);
  for (const auto& b : kButtons)
    if (b.ours == default_button) box.setDefaultButton(b.qt);
  if (buttons & kMbCancel)
    box.setEscapeButton(QMessageBox::Cancel);
  else if (buttons & kMbNo)
    box.setEscapeButton(QMessageBox::No);
  int result = box.exec();
  for (const auto& b : kButtons)
    if (result == b.qt) return b.ours;
  return (buttons & kMbCancel) ? kMbCancel : (buttons & kMbNo) ? kMbNo : kMbOk;
}

void QtUi::DoShowError(const std::string& text) {
  PendingBox box{QApplication::applicationName().toStdString(), text, MsgIcon::kError};
  if (defer_depth_ > 0) return Defer(std::move(box));
  ShowBox(box);
}

void QtUi::Defer(PendingBox box) {
  pending_.push_back(std::move(box));
  if (pending_.size() == 1)
    QMetaObject::invokeMethod(
        &queue_context_, [this] { ShowPending(); }, Qt::QueuedConnection);
}

void QtUi::ShowBox(const PendingBox& box) {
  QMessageBox message(IconOf(box.icon), Q(box.caption), Q(box.text), QMessageBox::Ok, parent_);
  message.exec();
}

void QtUi::ShowPending() {
  // A box up between a mouse press and its release would swallow the release and leave the
  // designer dragging: boxes wait until the buttons are let go.
  if (QGuiApplication::mouseButtons() != Qt::NoButton) {
    QTimer::singleShot(kButtonPollMs, &queue_context_, [this] { ShowPending(); });
    return;
  }
  // Boxes raised while these are up wait for the next round.
  std::vector<PendingBox> boxes;
  boxes.swap(pending_);
  {
    ModalScope modal(*this);
    for (const PendingBox& box : boxes) ShowBox(box);
  }
  if (after_boxes_) after_boxes_();
}

std::optional<std::string> QtUi::DoChooseOpenFile(const FileRequest& request) {
  QString dir = Q(request.initial_dir);
  if (!request.file_name.empty()) dir = QDir(dir).filePath(Q(request.file_name));
  QString path = QFileDialog::getOpenFileName(parent_, Q(request.title), dir,
                                              QtFilterFromToolkit(request.filter));
  if (path.isEmpty()) return std::nullopt;
  return path.toStdString();
}

std::optional<std::string> QtUi::DoChooseSaveFile(const FileRequest& request) {
  QFileDialog dialog(parent_, Q(request.title), Q(request.initial_dir),
                     QtFilterFromToolkit(request.filter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(Q(request.default_ext));
  // The overwrite question is the core's own.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  if (!request.file_name.empty()) dialog.selectFile(Q(request.file_name));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first().toStdString();
}

std::optional<std::string> QtUi::DoChooseFolder(const std::string& title,
                                                const std::string& initial) {
  QString path = QFileDialog::getExistingDirectory(parent_, Q(title), Q(initial));
  if (path.isEmpty()) return std::nullopt;
  return path.toStdString();
}

std::optional<std::string> QtUi::DoChoosePicture(const std::string& title,
                                                 const std::string& initial) {
  QString path =
      QFileDialog::getOpenFileName(parent_, Q(title), Q(initial), "Bitmaps (*.bmp);;All files (*)");
  if (path.isEmpty()) return std::nullopt;
  return path.toStdString();
}

bool QtUi::DoRunDialog(DialogModel& dialog) {
  auto it = runners_.find(dialog.DialogId());
  if (it == runners_.end()) return false;
  return it->second(parent_, dialog);
}

void QtUi::SetClipboard(const std::vector<ClipboardEntry>& entries) {
  auto* mime = new QMimeData;
  for (const auto& e : entries) {
    if (e.mime == "text/plain")
      mime->setText(Q(e.data));
    else
      mime->setData(Q(e.mime), QByteArray::fromStdString(e.data));
  }
  QApplication::clipboard()->setMimeData(mime);
}

std::optional<std::string> QtUi::ClipboardData(const std::string& mime) {
  const QMimeData* data = QApplication::clipboard()->mimeData();
  if (!data || !data->hasFormat(Q(mime))) return std::nullopt;
  if (mime == "text/plain") return data->text().toStdString();
  return data->data(Q(mime)).toStdString();
}

bool QtUi::StartProgram(const std::string& program, const std::string& parameters,
                        const std::string& working_dir) {
  return QProcess::startDetached(Q(program), SplitParameters(parameters), Q(working_dir));
}

ProgramRun QtUi::RunProgram(const std::string& program, const std::string& parameters,
                            const std::string& working_dir) {
  // A converter is done in a moment; one that hangs is stopped rather than waited for.
  constexpr int kStartMs = 10000;
  constexpr int kFinishMs = 60000;
  QProcess process;
  process.setWorkingDirectory(Q(working_dir));
  QApplication::setOverrideCursor(Qt::WaitCursor);
  process.start(Q(program), SplitParameters(parameters));
  ProgramRun run;
  run.started = process.waitForStarted(kStartMs);
  if (run.started) {
    const bool finished = process.waitForFinished(kFinishMs);
    if (!finished) {
      process.kill();
      process.waitForFinished();
    }
    if (finished && process.exitStatus() == QProcess::NormalExit)
      run.exit_code = process.exitCode();
    QString said = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    if (said.isEmpty()) said = QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
    if (said.isEmpty() && run.exit_code != 0) said = process.errorString();
    run.message = said.toStdString();
  }
  QApplication::restoreOverrideCursor();
  return run;
}

void QtUi::OpenUrl(const std::string& url) { QDesktopServices::openUrl(QUrl(Q(url))); }

void QtUi::ShowHelp(const std::string& path) {
  // A window of its own, not a child of the main window, so it can stand beside it.
  if (!help_) {
    help_ = new HelpWindow;
    help_->setAttribute(Qt::WA_DeleteOnClose);
    // Closing the main window still ends the program.
    help_->setAttribute(Qt::WA_QuitOnClose, false);
  }
  help_->ShowPage(Q(path));
}

}  // namespace qb::ui
