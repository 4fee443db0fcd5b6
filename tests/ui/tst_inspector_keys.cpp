// The inspector's keys and clicks through its real widgets: the arrows in a closed pick list,
// a letter on a pick-list row, Enter, a click on the selected row, the "(Items)" and
// "(Content)" text boxes with their ellipsis; a stale cell editor after New Project and the
// Left/Top rows after arrow nudges.

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableWidget>

#include "controls/PTButton.h"
#include "ui_harness.h"

using namespace qb;
using test::OnScreen;
using test::RowOf;

namespace {

QString ValueOf(QTableWidget* grid, const QString& name) {
  int row = RowOf(grid, name);
  return row < 0 ? QString("<no row %1>").arg(name) : grid->item(row, 1)->text();
}

void ClickCell(QTableWidget* grid, int row) {
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier,
                    grid->visualRect(grid->model()->index(row, 1)).center());
}

// Where the pick list lies, as a row of the grid; -1 when hidden.
int PickListRow(ui::InspectorView& view) {
  QComboBox* pick = view.PickList();
  if (!pick->isVisible()) return -1;
  return view.Grid()->rowAt(pick->geometry().center().y());
}

}  // namespace

class TestInspectorKeys : public QObject {
  Q_OBJECT
 private slots:
  void arrowsInAClosedPickListWalkTheRows() {
    test::Program program;
    QVERIFY(QTest::qWaitForWindowExposed(&program.Window()));
    TChildFrm* form = test::NewProjectWithTwoControls(program, "PToolBox");
    QVERIFY(form);
    ui::InspectorView& view = program.shell->Inspector();
    QTableWidget* grid = view.Grid();
    test::Click(program.Canvas(*form), OnScreen(*form, 22, 32));  // the Button
    QVERIFY(QTest::qWaitFor([&] { return RowOf(grid, "Frame") == 1; }, 2000));
    program.Window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&program.Window()));

    ClickCell(grid, RowOf(grid, "Frame"));
    QVERIFY(QTest::qWaitFor([&] { return PickListRow(view) == 1; }, 2000));
    QVERIFY(view.PickList()->hasFocus());
    // Each arrow: the row it lands on, whether a list is open there, the grid's current row.
    struct Step {
      Qt::Key key;
      int row;
      bool list;
    };
    const Step steps[] = {{Qt::Key_Up, 0, true},
                          {Qt::Key_Up, 0, true},
                          {Qt::Key_Down, 1, true},
                          {Qt::Key_Down, 2, false},
                          {Qt::Key_Up, 1, true}};
    for (const Step& step : steps) {
      QWidget* target = QApplication::focusWidget();
      QVERIFY(target);
      QTest::keyClick(target, step.key);
      QCOMPARE(program.shell->Bench().Inspector().SelectedRow(), step.row);
      QCOMPARE(grid->currentRow(), step.row);
      QCOMPARE(grid->currentColumn(), 1);
      QCOMPARE(PickListRow(view), step.list ? step.row : -1);
      QCOMPARE(step.list ? view.PickList()->hasFocus() : grid->hasFocus(), true);
    }
    // Shift+Up in the closed list is the list's own key: the row stays.
    QTest::keyClick(view.PickList(), Qt::Key_Up, Qt::ShiftModifier);
    QCOMPARE(program.shell->Bench().Inspector().SelectedRow(), 1);

    // A letter picks in the list; the list closes and the grid keeps the row.
    QTest::keyClick(view.PickList(), Qt::Key_S);
    QCOMPARE(ValueOf(grid, "Frame"), QString("Square"));
    QCOMPARE(PickListRow(view), -1);
    QVERIFY(grid->hasFocus());
    // "x" on that row opens its list and changes nothing.
    QTest::keyClick(grid, Qt::Key_X);
    QCOMPARE(PickListRow(view), 1);
    QCOMPARE(ValueOf(grid, "Frame"), QString("Square"));
    QCOMPARE(view.PickList()->currentText(), QString("Square"));
    // The list picks again (a new search, not "sb"); then a click on the selected row opens
    // it once more.
    QTest::qWait(QApplication::keyboardInputInterval() + 50);
    QTest::keyClick(view.PickList(), Qt::Key_B);
    QCOMPARE(PickListRow(view), -1);
    QCOMPARE(ValueOf(grid, "Frame"), QString("Bold"));
    // Enter in the grid opens the row's list as a click does.
    QTest::keyClick(grid, Qt::Key_Return);
    QCOMPARE(PickListRow(view), 1);
    QTest::qWait(QApplication::keyboardInputInterval() + 50);
    QTest::keyClick(view.PickList(), Qt::Key_S);
    QCOMPARE(PickListRow(view), -1);
    QCOMPARE(ValueOf(grid, "Frame"), QString("Square"));
    ClickCell(grid, 1);
    QVERIFY(QTest::qWaitFor([&] { return PickListRow(view) == 1; }, 2000));
    // Enter in the grid on a typed row opens its cell editor.
    QTest::keyClick(view.PickList(), Qt::Key_Down);
    QCOMPARE(grid->currentRow(), 2);
    QVERIFY(!view.CellEditor());
    QTest::keyClick(grid, Qt::Key_Return);
    QVERIFY(view.CellEditor());

    QVERIFY(test::LeaveWithoutSaving(program));
  }

  void itemsAndContentEditorsAreTextBoxesWithAnEllipsis() {
    test::Program program;
    QVERIFY(QTest::qWaitForWindowExposed(&program.Window()));
    TChildFrm* form = test::NewProjectWithTwoControls(program, "CControls");
    QVERIFY(form);
    ui::InspectorView& view = program.shell->Inspector();
    QTableWidget* grid = view.Grid();
    program.Window().PaletteAction(PaletteButton::kListBox)->trigger();
    test::Click(program.Canvas(*form), OnScreen(*form, 80, 80));
    QVERIFY(QTest::qWaitFor([&] { return RowOf(grid, "Items") == 0; }, 2000));
    program.Window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&program.Window()));

    ClickCell(grid, 1);  // Left: a typed row
    ClickCell(grid, 0);
    ui::ButtonEdit* items = view.ItemsEditor();
    QVERIFY(QTest::qWaitFor([&] { return items->isVisible(); }, 2000));
    QCOMPARE(items->Edit()->text(), QString("(Items)"));
    QCOMPARE(items->Button()->width(), 20);
    QCOMPARE(items->height(), 18);
    const QRect cell = grid->visualRect(grid->model()->index(0, 1));
    QCOMPARE(items->geometry().topLeft(), cell.topLeft());
    QCOMPARE(items->Button()->geometry().right(), items->width() - 1);
    QVERIFY(items->Edit()->hasFocus());
    // Typing changes only the box's own text.
    const std::string before = ValueOf(grid, "Items").toStdString();
    QTest::keyClicks(items->Edit(), "ab");
    QCOMPARE(items->Edit()->text(), QString("(Items)ab"));
    QCOMPARE(ValueOf(grid, "Items").toStdString(), before);
    // Enter hides it and the grid takes the focus; Down then moves on from the grid.
    QTest::keyClick(items->Edit(), Qt::Key_Return);
    QVERIFY(!items->isVisible());
    QVERIFY(grid->hasFocus());
    // Down from the opened editor moves to the next row.
    QTest::keyClick(grid, Qt::Key_Return);
    QVERIFY(items->isVisible());
    QTest::keyClick(items->Edit(), Qt::Key_Down);
    QVERIFY(!items->isVisible());
    QCOMPARE(grid->currentRow(), 1);

    // An Image's Bitmap row: "(Bitmap)" in the content editor.
    program.Window().PaletteAction(PaletteButton::kBitmap)->trigger();
    test::Click(program.Canvas(*form), OnScreen(*form, 120, 20));
    QVERIFY(QTest::qWaitFor([&] { return RowOf(grid, "Bitmap") == 0; }, 2000));
    program.Window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&program.Window()));
    ClickCell(grid, 1);
    ClickCell(grid, 0);
    ui::ButtonEdit* content = view.ContentEditor();
    QVERIFY(QTest::qWaitFor([&] { return content->isVisible(); }, 2000));
    QCOMPARE(content->Edit()->text(), QString("(Bitmap)"));
    QCOMPARE(content->Button()->width(), 20);
    // Up leaves it for the row above (there is none: it stays).
    QTest::keyClick(content->Edit(), Qt::Key_Up);
    QVERIFY(content->isVisible());
    QTest::keyClick(content->Edit(), Qt::Key_Down);
    QVERIFY(!content->isVisible());
    QCOMPARE(grid->currentRow(), 1);

    QVERIFY(test::LeaveWithoutSaving(program));
  }

  void newProjectOfTheOtherLibraryLeavesNoStaleCellEditor() {
    test::Program program;
    QVERIFY(QTest::qWaitForWindowExposed(&program.Window()));
    TChildFrm* form = test::NewProjectWithTwoControls(program, "PToolBox");
    QVERIFY(form);
    ui::InspectorView& view = program.shell->Inspector();
    QTableWidget* grid = view.Grid();
    test::Click(program.Canvas(*form), OnScreen(*form, 22, 32));
    QVERIFY(QTest::qWaitFor([&] { return RowOf(grid, "Name") >= 0; }, 2000));
    program.Window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&program.Window()));
    ClickCell(grid, RowOf(grid, "Name"));
    QVERIFY(QTest::qWaitFor([&] { return view.CellEditor() != nullptr; }, 2000));

    test::ModalDriver driver;
    driver.ThenMessage(QMessageBox::No);
    test::ChooseLibrary(driver, "CControls");
    program.Window().ActionFor(Command::kNewProject)->trigger();
    QVERIFY(driver.WaitDone());
    QVERIFY(QTest::qWaitFor([&] { return view.CellEditor() == nullptr; }, 2000));
    // Every cell shows the new form's rows.
    const auto& rows = program.shell->Bench().Inspector().Rows();
    QCOMPARE(grid->rowCount(), static_cast<int>(rows.size()));
    for (int r = 0; r < grid->rowCount(); ++r) {
      QCOMPARE(grid->item(r, 0)->text().toStdString(), rows[static_cast<std::size_t>(r)].name);
      QCOMPARE(grid->item(r, 1)->text().toStdString(), rows[static_cast<std::size_t>(r)].value);
    }
    QVERIFY(test::LeaveWithoutSaving(program));
  }

  void arrowNudgesShowTheNewPlaceInTheInspector() {
    test::Program program;
    QVERIFY(QTest::qWaitForWindowExposed(&program.Window()));
    TChildFrm* form = test::NewProjectWithTwoControls(program, "PToolBox");
    QVERIFY(form);
    QTableWidget* grid = program.shell->Inspector().Grid();
    ui::DesignerCanvas* canvas = program.Canvas(*form);
    test::Click(canvas, OnScreen(*form, 22, 32));
    auto* button = As<TPTButton>(program.State().current_control.Get());
    QVERIFY(button);
    const int left = ValueOf(grid, "Left").toInt(), top = ValueOf(grid, "Top").toInt();
    program.State().grid_step = false;
    // Real key events differ in their time stamps; the main window acts on each once.
    quint64 stamp = 1000;
    for (Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Up}) {
      QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
      press.setTimestamp(stamp += 10);
      QApplication::sendEvent(canvas, &press);
    }
    QCOMPARE(ValueOf(grid, "Left"), QString::number(left + 2));
    QCOMPARE(ValueOf(grid, "Top"), QString::number(top - 1));
    QVERIFY(test::LeaveWithoutSaving(program));
  }
};

QTEST_MAIN(TestInspectorKeys)
#include "tst_inspector_keys.moc"
