// The real main window with a designer sub-window and the inspector, driven by synthetic
// mouse events.

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include "app/workbench.h"
#include "controls/PTButton.h"
#include "ui/designer_views.h"
#include "ui/inspector_view.h"
#include "ui/main_window.h"
#include "ui/qt_ui.h"

using namespace qb;

class TestDesignerWindow : public QObject {
  Q_OBJECT
 private slots:
  void placeDragAndResizeAButton() {
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
    TChildFrm& form = bench.Main().NewForm();
    window.Sync();
    ui::DesignerCanvas* canvas = designers.CanvasOf(form);
    QVERIFY(canvas);

    // Place a button: the palette button, then a click on the screen panel.
    window.PaletteAction(PaletteButton::kButton)->trigger();
    QCOMPARE(state.pressed_button, PaletteButton::kButton);
    QTest::mouseClick(canvas, Qt::LeftButton, Qt::NoModifier, QPoint(4 + 21, 2 + 31));
    QCOMPARE(static_cast<int>(form.Screen().Children().size()), 1);
    auto* button = As<TPTButton>(form.Screen().Children()[0].get());
    QVERIFY(button);
    const int left = button->Left();
    const int top = button->Top();
    QCOMPARE(state.pressed_button, PaletteButton::kNone);

    // Drag it by 12 pixels to the right and 8 down.
    QPoint inside(4 + left + 10, 2 + top + 8);
    QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, inside);
    QMouseEvent move(QEvent::MouseMove, QPointF(inside + QPoint(12, 8)),
                     canvas->mapToGlobal(QPointF(inside + QPoint(12, 8))), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(canvas, &move);
    QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, inside + QPoint(12, 8));
    QCOMPARE(button->Left(), left + 12);  // the grid is on: 4-pixel steps
    QCOMPARE(button->Top(), top + 8);

    // The inspector shows the button's rows.
    QVERIFY(inspector.Grid()->rowCount() > 3);

    QImage picture = canvas->Picture();
    QCOMPARE(picture.size(), QSize(167, 226));
    QDir().mkpath("test_output");
    window.grab().save("test_output/main_window_pt.png");
  }
};

QTEST_MAIN(TestDesignerWindow)
#include "tst_designer_window.moc"
