// Copy in one designer window and Paste in another, through the real main window's Edit
// actions and the system clipboard.

#include <QClipboard>
#include <QMimeData>
#include <QTemporaryDir>
#include <QtTest>

#include "app/workbench.h"
#include "controls/PTLabel.h"
#include "ui/designer_views.h"
#include "ui/inspector_view.h"
#include "ui/main_window.h"
#include "ui/qt_ui.h"

using namespace qb;

class TestClipboard : public QObject {
  Q_OBJECT
 private slots:
  void copyInOneFormPasteInAnother() {
    QTemporaryDir settings;
    SettingsEnvironment env = SettingsEnvironment::System();
    std::string config = settings.path().toStdString();
    env.folder_writable = [](const std::string&) { return false; };
    env.get_env = [config](const char* name) -> std::optional<std::string> {
      if (std::string(name) == "XDG_CONFIG_HOME") return config;
      return std::nullopt;
    };
    ui::QtUi qt_ui;
    Workbench bench(qt_ui, QB_BIN_DIR, env);
    ui::MainWindow window(bench.Main(), qt_ui);
    ui::DesignerViews designers(bench, window);
    ui::InspectorView inspector(bench, window);
    bench.SetViewLinks(&designers);
    window.SetHost(&designers);
    window.AddSyncListener([&inspector] { inspector.Sync(); });
    bench.Start();
    window.show();
    bench.Main().FirstShown();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    AppState& state = bench.State();
    state.library = LibraryId::kPToolboxLib;
    state.project_name = "Demo";
    TChildFrm& first = bench.Main().NewForm();
    TChildFrm& second = bench.Main().NewForm();
    window.Sync();
    ui::DesignerCanvas* first_canvas = designers.CanvasOf(first);
    ui::DesignerCanvas* second_canvas = designers.CanvasOf(second);
    QVERIFY(first_canvas && second_canvas);

    // A label on the first form, clicked there.
    QTest::mouseClick(first_canvas, Qt::LeftButton, Qt::NoModifier, QPoint(4 + 100, 2 + 100));
    QCOMPARE(state.current_window.Get(), &first);
    window.PaletteAction(PaletteButton::kLabel)->trigger();
    QTest::mouseClick(first_canvas, Qt::LeftButton, Qt::NoModifier, QPoint(4 + 24, 2 + 40));
    QCOMPARE(static_cast<int>(first.Screen().Children().size()), 1);
    auto* label = As<TPTLabel>(first.Screen().Children()[0].get());
    QVERIFY(label);
    label->SetContent("Hello there");
    label->SetColorText(kRed);

    window.ActionFor(Command::kCopy)->trigger();
    const QMimeData* data = QApplication::clipboard()->mimeData();
    QVERIFY(data);
    QVERIFY(data->hasFormat("application/x-quillboard-control"));
    QVERIFY(data->text().contains("Name=Copiado"));
    QVERIFY(data->text().contains("Text=\"Hello there\""));
    QCOMPARE(QString::fromStdString(label->Name()), QString("Label1"));

    // Paste into the second form, made current by a click on its free screen.
    QTest::mouseClick(second_canvas, Qt::LeftButton, Qt::NoModifier, QPoint(4 + 100, 2 + 120));
    QCOMPARE(state.current_window.Get(), &second);
    window.ActionFor(Command::kPaste)->trigger();
    QCOMPARE(static_cast<int>(second.Screen().Children().size()), 1);
    auto* pasted = As<TPTLabel>(second.Screen().Children()[0].get());
    QVERIFY(pasted);
    QCOMPARE(QString::fromStdString(pasted->Name()), QString("Label2"));
    QCOMPARE(QString::fromStdString(pasted->Content()), QString("Hello there"));
    QCOMPARE(pasted->ColorText(), kRed);
    QCOMPARE(pasted->Left(), label->Left());
    QCOMPARE(pasted->Top(), label->Top());
    QCOMPARE(pasted->PalmForm(), &second.Screen());
    QCOMPARE(state.current_control.Get(), static_cast<TControl*>(pasted));
    QCOMPARE(static_cast<int>(first.Screen().Children().size()), 1);

    // Plain text from elsewhere pastes nothing.
    QApplication::clipboard()->setText("Label1");
    window.ActionFor(Command::kPaste)->trigger();
    QCOMPARE(static_cast<int>(second.Screen().Children().size()), 1);
  }
};

QTEST_MAIN(TestClipboard)
#include "tst_clipboard.moc"
