#include <QApplication>
#include <QTimer>

#include "app/Main.h"
#include "ui/app_dialogs.h"
#include "ui/main_window.h"
#include "ui/qt_ui.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  app.setApplicationName("Quillboard");
  qb::ui::QtUi ui;
  // Fonts, options.ini and the converter are looked up beside the executable.
  qb::TMain core(ui, QCoreApplication::applicationDirPath().toStdString());
  qb::ui::RegisterAppDialogs(ui, ui);
  qb::ui::MainWindow window(core, ui);
  core.Start();
  window.show();
  core.FirstShown();
  window.Sync();
  return app.exec();
}
