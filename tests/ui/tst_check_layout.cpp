// Project > Check Layout in the real main window: the dock lists the findings with their
// severity, form, control and message (the rule as tooltip), a double-click on one makes its
// control current with the inspector showing it, the close box hides the window until the
// command runs again, and a clean project says so.

#include <QDockWidget>
#include <QLabel>
#include <QTreeWidget>

#include "controls/PTButton.h"
#include "ui_harness.h"

using namespace qb;

namespace {

// A double-click as the window system delivers it: press, release, a second press followed
// by the double-click event, release.
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

class TestCheckLayout : public QObject {
  Q_OBJECT
 private slots:
  void findingsListedAndFollowed() {
    test::Program program;
    QVERIFY(QTest::qWaitForWindowExposed(&program.Window()));
    TChildFrm* form = test::NewProjectWithTwoControls(program, "PToolBox");
    QVERIFY(form);
    TControl* label = program.State().current_control.Get();
    QVERIFY(label);
    TPTButton* button = test::PlacedButton(*form);
    QVERIFY(button);
    button->SetShowForm("Nowhere");

    ui::CheckLayoutView& dock = program.shell->CheckLayout();
    QVERIFY(dock.isHidden());
    program.Trigger(Command::kCheckLayout);
    QVERIFY(QTest::qWaitForWindowExposed(&dock));
    QCOMPARE(dock.windowTitle(), QString("Check Layout"));
    QCOMPARE(dock.Note()->text(), QString("1 error."));
    QTreeWidget* list = dock.List();
    QVERIFY(list->isVisible());
    QCOMPARE(list->topLevelItemCount(), 1);
    QTreeWidgetItem* row = list->topLevelItem(0);
    QCOMPARE(row->text(0), QString("error"));
    QCOMPARE(row->text(1), QString("Form1"));
    QCOMPARE(row->text(2), QString::fromStdString(button->Name()));
    QCOMPARE(row->text(3), QString::fromStdString(button->Name()) +
                               "'s ShowForm names \"Nowhere\", which is no open form or dialog");
    QCOMPARE(row->toolTip(3), QString("Rule: ShowForm names an open form or dialog"));
    QVERIFY(!row->icon(0).isNull());
    // The error's mark is a red disc in one flat colour.
    const QImage mark = ui::SeverityImage(FindingSeverity::kError);
    QCOMPARE(mark.pixel(mark.width() / 2, mark.height() / 2), ui::kErrorMarkColor);
    QCOMPARE(qAlpha(mark.pixel(0, 0)), 0);

    // The label is current; a double-click on the finding makes the button current instead.
    QCOMPARE(program.State().current_control.Get(), label);
    const QPoint at = list->visualItemRect(row).center();
    DoubleClick(list->viewport(), at);
    QVERIFY(QTest::qWaitFor(
        [&] { return program.State().current_control.Get() == static_cast<TControl*>(button); },
        2000));
    QVERIFY(button->Selected());
    QVERIFY(!label->Selected());
    auto* grid = program.shell->Inspector().findChild<QTableWidget*>();
    QVERIFY(grid);
    const int name_row = test::RowOf(grid, "Name");
    QVERIFY(name_row >= 0);
    QCOMPARE(grid->item(name_row, 1)->text(), QString::fromStdString(button->Name()));
    test::SaveScreenshot(program.Window(), "check_layout_followed.png");

    // A finding gone stale (its control renamed since the check) says so and checks again.
    const QString old_name = QString::fromStdString(button->Name());
    test::EditByHand(program, [&] { button->SetName("Renamed"); });
    test::ModalDriver driver;
    QString told;
    driver.ThenMessage(QMessageBox::Ok, &told);
    DoubleClick(list->viewport(), list->visualItemRect(list->topLevelItem(0)).center());
    QVERIFY(driver.WaitDone());
    QCOMPARE(told, "The form Form1 has no control named " + old_name +
                       " any more. The layout is checked again.");
    QCOMPARE(list->topLevelItemCount(), 1);
    QCOMPARE(list->topLevelItem(0)->text(2), QString("Renamed"));

    // The close box hides it; the command brings it back with a fresh list.
    dock.close();
    QVERIFY(!program.Main().LayoutCheck().Visible());
    program.Window().Sync();
    QVERIFY(dock.isHidden());
    button->SetShowForm("Form1");
    program.Trigger(Command::kCheckLayout);
    QVERIFY(QTest::qWaitForWindowExposed(&dock));
    QCOMPARE(dock.Note()->text(), QString("No problems found."));
    QCOMPARE(list->topLevelItemCount(), 0);
    QVERIFY(list->isHidden());
    test::SaveScreenshot(program.Window(), "check_layout_clean.png");

    QVERIFY(test::LeaveWithoutSaving(program));
  }

  // Focus in the list turns the designer's keys off: an arrow walks the list, not the control.
  void arrowsInTheListLeaveTheControl() {
    test::Program program;
    QVERIFY(QTest::qWaitForWindowExposed(&program.Window()));
    TChildFrm* form = test::NewProjectWithTwoControls(program, "PToolBox");
    QVERIFY(form);
    TControl* label = program.State().current_control.Get();
    QVERIFY(label);
    test::EditByHand(program, [&] { label->SetLeft(-20); });  // a warning: outside the screen
    program.Trigger(Command::kCheckLayout);
    ui::CheckLayoutView& dock = program.shell->CheckLayout();
    QVERIFY(QTest::qWaitForWindowExposed(&dock));
    QVERIFY(dock.List()->topLevelItemCount() >= 1);
    program.Window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&program.Window()));
    dock.List()->setFocus();
    QVERIFY(QTest::qWaitFor([&] { return dock.List()->hasFocus(); }, 2000));
    const int left = label->Left();
    QTest::keyClick(dock.List(), Qt::Key_Right);
    QTest::keyClick(dock.List(), Qt::Key_Down);
    QCOMPARE(label->Left(), left);
    QCOMPARE(program.State().current_control.Get(), label);
    QVERIFY(test::LeaveWithoutSaving(program));
  }
};

QTEST_MAIN(TestCheckLayout)
#include "tst_check_layout.moc"
