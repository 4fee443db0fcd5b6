// Project > Project Map in the real main window: Ctrl+M's command shows the dock with the core's
// picture pixel for pixel, the picture follows a change once the input is over, a double-click
// on a form's picture activates its designer window, and the close box hides the dock.

#include <QDockWidget>
#include <QLabel>

#include "controls/PTButton.h"
#include "ui/palm_image.h"
#include "ui_harness.h"

using namespace qb;

namespace {

void DoubleClick(QWidget* widget, QPoint at) {
  QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, at);
  QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, at);
  QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, at);
  QMouseEvent twice(QEvent::MouseButtonDblClick, QPointF(at), widget->mapToGlobal(QPointF(at)),
                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &twice);
  QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, at);
}

}  // namespace

class TestProjectMap : public QObject {
  Q_OBJECT
 private slots:
  void shownFollowedAndLedFrom() {
    test::Program program;
    QVERIFY(QTest::qWaitForWindowExposed(&program.Window()));
    TChildFrm* first = test::NewProjectWithTwoControls(program, "PToolBox");
    QVERIFY(first);
    TPTButton* button = test::PlacedButton(*first);
    QVERIFY(button);
    program.Trigger(Command::kNewForm);
    TChildFrm* second = program.State().current_window.Get();
    QVERIFY(second && second != first);
    button->SetShowForm(second->Name());

    ui::ProjectMapView& dock = program.shell->ProjectMap();
    QVERIFY(dock.isHidden());
    QCOMPARE(program.Window().ActionFor(Command::kProjectMap)->shortcut(), QKeySequence("Ctrl+M"));
    program.Trigger(Command::kProjectMap);
    QVERIFY(QTest::qWaitForWindowExposed(&dock));
    QCOMPARE(dock.windowTitle(), QString("Project Map"));
    const ProjectMapWindow& map = program.shell->Main().MapWindow();
    QCOMPARE(map.Map().thumbnails.size(), std::size_t{2});
    QCOMPARE(dock.Canvas()->Picture(), ui::ToQImage(map.Map().picture));
    QCOMPARE(dock.Canvas()->size(), dock.Canvas()->Picture().size());
    QVERIFY(dock.Note()->isHidden());

    // A change: drawn again once the burst of input is over.
    const QImage before = dock.Canvas()->Picture();
    test::EditByHand(program, [&] { button->SetText("Onward"); });
    program.Window().Sync();
    QVERIFY(QTest::qWaitFor([&] { return dock.Canvas()->Picture() != before; }, 2000));
    QCOMPARE(dock.Canvas()->Picture(), ui::ToQImage(map.Map().picture));

    // The second form is current; a double-click on the first's picture activates it.
    QCOMPARE(program.State().current_window.Get(), second);
    const Rect r = map.Map().thumbnails[0].rect;
    DoubleClick(dock.Canvas(), QPoint(r.left + 3, r.bottom - 3));
    QVERIFY(QTest::qWaitFor([&] { return program.State().current_window.Get() == first; }, 2000));

    // The close box hides the dock until the command runs again.
    dock.close();
    QVERIFY(!map.Visible());
    program.Window().Sync();
    QVERIFY(dock.isHidden());
    program.Trigger(Command::kProjectMap);
    QVERIFY(!dock.isHidden());
  }
};

QTEST_MAIN(TestProjectMap)
#include "tst_project_map.moc"
