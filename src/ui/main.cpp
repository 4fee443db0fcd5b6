#include <QApplication>
#include <QIcon>
#include <QTimer>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/data_folder.h"
#include "ui/app_shell.h"

namespace {

std::vector<std::string> Words(int argc, char** argv) { return {argv + 1, argv + argc}; }

std::vector<std::string> Words(const QStringList& arguments) {
  std::vector<std::string> words;
  for (qsizetype i = 1; i < arguments.size(); ++i) words.push_back(arguments[i].toStdString());
  return words;
}

// Prints the usage or the version; nullopt when the program is to run.
std::optional<int> AnswerWithoutWindow(const qb::StartRequest& request) {
  switch (request.action) {
    case qb::StartAction::kHelp:
      std::cout << qb::UsageText();
      return 0;
    case qb::StartAction::kVersion:
      std::cout << qb::VersionText();
      return 0;
    case qb::StartAction::kError:
      std::cerr << qb::CommandLineErrorText(request.error);
      return 2;
    case qb::StartAction::kRun:
      break;
  }
  return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
  // --help, --version and a wrong command line are answered before the toolkit starts, so
  // they work without a display. The file waits until the toolkit has taken its own options
  // (-platform ...) out.
  const qb::StartRequest early = qb::ParseCommandLine(Words(argc, argv));
  if (early.action == qb::StartAction::kHelp || early.action == qb::StartAction::kVersion ||
      (early.action == qb::StartAction::kError && !qb::IsToolkitOption(early.error_arg)))
    return *AnswerWithoutWindow(early);

  QApplication app(argc, argv);
  app.setApplicationName("Quillboard");
  // The desktop entry's name, which Wayland compositors match the window with.
  app.setDesktopFileName("org.quillboard.Quillboard");
  app.setWindowIcon(QIcon::fromTheme("quillboard"));
  const qb::StartRequest request = qb::ParseCommandLine(Words(QApplication::arguments()));
  if (std::optional<int> status = AnswerWithoutWindow(request)) return *status;

  // Fonts, the converter and the manual: beside a built program, or in an installed one's
  // share folder.
  qb::ui::AppShell shell(qb::DataFolderFor(QCoreApplication::applicationDirPath().toStdString()));
  shell.Start();
  // Once the event loop runs, so that a question or a message about the file stands over a
  // shown window: first the work a run that did not end cleanly left, then the file named.
  QTimer::singleShot(0, &app, [&shell, path = request.path] {
    shell.Main().OfferRecovery();
    if (!path.empty()) shell.Main().Project().OpenPath(path);
    shell.Window().Sync();
  });
  return app.exec();
}
