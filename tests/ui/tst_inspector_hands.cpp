// The inspector under the user's hands through its real widgets: a cell editor ends when the
// user presses another control on the designer (its keys reach nothing after), the pick
// list's own dropped list keeps it open, Ctrl+Z in a cell closes it and undoes, and text
// pasted into a cell has its line breaks turned into blanks.

#include <QAbstractItemView>
#include <QClipboard>
#include <QLineEdit>
#include <QTableWidget>

#include "controls/PTButton.h"
#include "controls/PTLabel.h"
#include "ui_harness.h"

using namespace qb;
using test::OnScreen;
using test::RowOf;

namespace {

QLineEdit* OpenEditor(QTableWidget* grid) {
  for (QLineEdit* edit : grid->viewport()->findChildren<QLineEdit*>())
    if (edit->isVisible() && edit->objectName() == "cellEditor") return edit;
  return nullptr;
}

void ClickCell(QTableWidget* grid, int row) {
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier,
                    grid->visualRect(grid->model()->index(row, 1)).center());
}

QLineEdit* EditCell(QTableWidget* grid, const QString& name) {
  const int row = RowOf(grid, name);
  if (row < 0) return nullptr;
  ClickCell(grid, row);
  QLineEdit* edit = nullptr;
  if (!QTest::qWaitFor([&] { return (edit = OpenEditor(grid)) != nullptr; }, 2000)) return nullptr;
  return edit;
}

}  // namespace

class TestInspectorHands : public QObject {
  Q_OBJECT
 private slots:
  void aCellEditorEndsWhenAnotherControlIsPressed() {
    test::Program program;
    QVERIFY(QTest::qWaitForWindowExposed(&program.Window()));
    TChildFrm* form = test::NewProjectWithTwoControls(program, "PToolBox");
    QVERIFY(form);
    auto* button = test::PlacedButton(*form);
    auto* label = As<TPTLabel>(form->Screen().Children()[1].get());
    QVERIFY(button && label);
    ui::DesignerCanvas* canvas = program.Canvas(*form);
    QTableWidget* grid = program.shell->Inspector().Grid();
    test::Click(canvas, OnScreen(*form, button->Left() + 3, button->Top() + 3));
    // The Button's last row, far below the Label's last one.
    QLineEdit* edit = EditCell(grid, "Width");
    QVERIFY(edit);
    const int label_left = label->Left();
    test::Click(canvas, OnScreen(*form, label->Left() + 2, label->Top() + 2));
    QApplication::processEvents();
    QCOMPARE(program.State().current_control.Get(), static_cast<TControl*>(label));
    QVERIFY(!OpenEditor(grid));
    // The key goes where the focus is: the designer, after the press on it.
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : canvas, Qt::Key_9);
    QCOMPARE(label->Left(), label_left);
    QCOMPARE(QString::fromStdString(label->Name()), QString("Label2"));
    QVERIFY(test::LeaveWithoutSaving(program));
  }

  void theDroppedListKeepsThePickListOpen() {
    test::Program program;
    QVERIFY(QTest::qWaitForWindowExposed(&program.Window()));
    TChildFrm* form = test::NewProjectWithTwoControls(program, "PToolBox");
    QVERIFY(form);
    auto* button = test::PlacedButton(*form);
    test::Click(program.Canvas(*form), OnScreen(*form, button->Left() + 3, button->Top() + 3));
    ui::InspectorView& view = program.shell->Inspector();
    program.Window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&program.Window()));
    ClickCell(view.Grid(), RowOf(view.Grid(), "Font"));
    QComboBox* pick = view.PickList();
    QVERIFY(QTest::qWaitFor([&] { return pick->isVisible() && pick->hasFocus(); }, 2000));
    // Alt+Down drops the list; the list takes the focus, and the pick list stays.
    QTest::keyClick(pick, Qt::Key_Down, Qt::AltModifier);
    QVERIFY(QTest::qWaitFor([&] { return pick->view()->isVisible(); }, 2000));
    QApplication::processEvents();
    QVERIFY(pick->isVisible());
    QCOMPARE(program.shell->Bench().Inspector().Focus(), InspectorWidget::kPickList);
    // Down and Return in the list pick Bold.
    QTest::keyClick(pick->view(), Qt::Key_Down);
    QTest::keyClick(pick->view(), Qt::Key_Return);
    QCOMPARE(button->Font().name, std::string(kPilotBold));
    QVERIFY(test::LeaveWithoutSaving(program));
  }

  void ctrlZInACellClosesItAndUndoes() {
    test::Program program;
    QVERIFY(QTest::qWaitForWindowExposed(&program.Window()));
    TChildFrm* form = test::NewProjectWithTwoControls(program, "PToolBox");
    QVERIFY(form);
    auto* label = As<TPTLabel>(form->Screen().Children()[1].get());
    test::Click(program.Canvas(*form), OnScreen(*form, label->Left() + 2, label->Top() + 2));
    QTableWidget* grid = program.shell->Inspector().Grid();
    const int left = label->Left();
    QLineEdit* edit = EditCell(grid, "Left");
    QVERIFY(edit);
    edit->selectAll();
    QTest::keyClicks(edit, "77");
    QCOMPARE(label->UserLeft(), 77);
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    QApplication::processEvents();
    QVERIFY(!OpenEditor(grid));
    // The label found again: the undo rebuilt the form's controls.
    auto* restored = As<TPTLabel>(form->Screen().Children()[1].get());
    QVERIFY(restored);
    QCOMPARE(restored->Left(), left);
    QCOMPARE(grid->item(RowOf(grid, "Left"), 1)->text(), QString::number(restored->UserLeft()));
    QVERIFY(test::LeaveWithoutSaving(program));
  }

  void pastedLineBreaksBecomeBlanks_data() {
    QTest::addColumn<QString>("clip");
    QTest::addColumn<QString>("title");
    QTest::newRow("lf") << "Main\nform"
                        << "Main form";
    QTest::newRow("crlf") << "Main\r\nform"
                          << "Main form";
    QTest::newRow("cr twice") << "A\r\rB"
                              << "A  B";
    QTest::newRow("one line") << "Plain"
                              << "Plain";
  }
  void pastedLineBreaksBecomeBlanks() {
    QFETCH(QString, clip);
    QFETCH(QString, title);
    test::Program program;
    QVERIFY(QTest::qWaitForWindowExposed(&program.Window()));
    TChildFrm* form = test::NewProjectWithTwoControls(program, "PToolBox");
    QVERIFY(form);
    // The form's rows: a press on free screen area.
    test::Click(program.Canvas(*form), OnScreen(*form, 120, 140));
    QTableWidget* grid = program.shell->Inspector().Grid();
    QLineEdit* edit = EditCell(grid, "Title");
    QVERIFY(edit);
    edit->selectAll();
    QApplication::clipboard()->setText(clip);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit->text(), title);
    QCOMPARE(QString::fromStdString(form->Screen().Title()), title);
    QVERIFY(test::LeaveWithoutSaving(program));
  }
};

QTEST_MAIN(TestInspectorHands)
#include "tst_inspector_hands.moc"
