#include <QApplication>

#include "app/workbench.h"
#include "ui/app_dialogs.h"
#include "ui/designer_views.h"
#include "ui/inspector_view.h"
#include "ui/main_window.h"
#include "ui/qt_ui.h"
#include "ui/editor_dialogs.h"
#include "ui/generate_dialog.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  app.setApplicationName("Quillboard");
  qb::ui::QtUi ui;
  // Fonts, options.ini and the converter are looked up beside the executable.
  qb::Workbench bench(ui, QCoreApplication::applicationDirPath().toStdString());
  qb::ui::RegisterAppDialogs(ui, ui);
  qb::ui::RegisterGenerateDialog(ui);
  qb::ui::RegisterEditorDialogs(ui);
  qb::ui::MainWindow window(bench.Main(), ui);
  qb::ui::DesignerViews designers(bench, window);
  qb::ui::InspectorView inspector(bench, window);
  bench.SetViewLinks(&designers);
  window.SetHost(&designers);
  window.AddSyncListener([&inspector] { inspector.Sync(); });
  bench.Start();
  window.show();
  bench.Main().FirstShown();
  window.Sync();
  return app.exec();
}
