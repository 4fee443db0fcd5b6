#include <QApplication>

#include "ui/app_shell.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  app.setApplicationName("Quillboard");
  // Fonts, options.ini and the converter are looked up beside the executable.
  qb::ui::AppShell shell(QCoreApplication::applicationDirPath().toStdString());
  shell.Start();
  return app.exec();
}
