// The real inspector beside a real designer window: a control selected with the mouse, a
// new Left typed key by key into the grid's value cell, and a font picked from the pick list;
// the control and its picture follow each step.

#include <QAbstractItemView>
#include <QLineEdit>
#include <QTableWidget>

#include "controls/PTLabel.h"
#include "ui_harness.h"

using namespace qb;
using test::OnScreen;
using test::RowOf;

namespace {

QLineEdit* OpenEditor(QTableWidget* grid) {
  for (QLineEdit* edit : grid->viewport()->findChildren<QLineEdit*>())
    if (edit->isVisible()) return edit;
  return nullptr;
}

// Whether any pixel of the canvas picture in the rectangle is black (text or lines).
bool InkIn(const QImage& picture, const QRect& rect) {
  for (int y = rect.top(); y <= rect.bottom(); ++y)
    for (int x = rect.left(); x <= rect.right(); ++x)
      if (picture.pixelColor(x, y) == QColor(Qt::black)) return true;
  return false;
}

}  // namespace

class TestInspectorTyping : public QObject {
  Q_OBJECT
 private slots:
  void typeLeftKeyByKeyThenPickBold() {
    test::Program program;
    QVERIFY(QTest::qWaitForWindowExposed(&program.Window()));
    TChildFrm* form = test::NewProjectWithTwoControls(program, "PToolBox");
    QVERIFY(form);
    auto* label = As<TPTLabel>(form->Screen().Children()[1].get());
    QVERIFY(label);
    ui::DesignerCanvas* canvas = program.Canvas(*form);
    QTableWidget* grid = program.shell->Inspector().Grid();

    // Select the label with a click; the inspector shows its rows.
    const int old_left = label->Left();
    QTest::mouseClick(canvas, Qt::LeftButton, Qt::NoModifier,
                      OnScreen(*form, label->Left() + 3, label->Top() + 3));
    QApplication::processEvents();
    QVERIFY(label->Selected());
    const int left_row = RowOf(grid, "Left");
    QVERIFY(left_row >= 0);
    QCOMPARE(grid->item(left_row, 1)->text(), QString::number(old_left));
    const QRect old_area(OnScreen(*form, label->Left() + 3, label->Top() + 1),
                         QSize(label->Width() - 6, label->Height() - 2));
    QVERIFY(InkIn(canvas->Picture(), old_area));

    // Click the value cell: its editor opens; select its text and type "9", then "0".
    const QRect cell = grid->visualRect(grid->model()->index(left_row, 1));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    QLineEdit* edit = nullptr;
    QVERIFY(QTest::qWaitFor([&] { return (edit = OpenEditor(grid)) != nullptr; }, 2000));
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_9);
    QCOMPARE(label->Left(), 9);
    QTest::keyClick(edit, Qt::Key_0);
    QCOMPARE(label->Left(), 90);
    QCOMPARE(edit->text(), QString("90"));
    // The picture shows the label at its new place at once, and nothing at the old one.
    const QImage moved = canvas->Picture();
    QVERIFY(!InkIn(moved, old_area));
    QVERIFY(InkIn(moved, old_area.translated(90 - old_left, 0)));

    // The Font row's pick list: "Bold" chosen from its drop-down list.
    const int font_row = RowOf(grid, "Font");
    QVERIFY(font_row >= 0);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier,
                      grid->visualRect(grid->model()->index(font_row, 1)).center());
    QComboBox* pick = program.shell->Inspector().PickList();
    QVERIFY(QTest::qWaitFor([&] { return pick->isVisible(); }, 2000));
    const int bold = pick->findText("Bold");
    QVERIFY(bold >= 0);
    // Its list opened, walked down to "Bold" with the arrow keys, and taken with Return.
    pick->showPopup();
    QAbstractItemView* list = pick->view();
    QVERIFY(QTest::qWaitFor([&] { return list->isVisible(); }, 2000));
    for (int i = pick->currentIndex(); i < bold; ++i) QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(label->Font().name, std::string(kPilotBold));
    QCOMPARE(grid->item(font_row, 1)->text(), QString("Bold"));
    // The text is drawn again in the bold face: more ink in the label's area.
    const QImage bolder = canvas->Picture();
    QVERIFY(bolder != moved);
    auto ink = [](const QImage& picture) {
      int n = 0;
      for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) n += picture.pixelColor(x, y) == Qt::black;
      return n;
    };
    QVERIFY(ink(bolder) > ink(moved));
    test::SaveScreenshot(program.Window(), "inspector_bold_label.png");

    QVERIFY(test::LeaveWithoutSaving(program));
  }
};

QTEST_MAIN(TestInspectorTyping)
#include "tst_inspector_typing.moc"
