// Text pasted into an inspector cell through the real cell editor: each line break becomes one
// blank, whatever the clipboard's line ends. (A press on another control ending the editor, the
// pick lists and Ctrl+Z in a cell are journeys with real input.)

#include <QAbstractItemView>
#include <QClipboard>
#include <QLineEdit>
#include <QTableWidget>

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

class TestInspectorPaste : public QObject {
  Q_OBJECT
 private slots:
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

QTEST_MAIN(TestInspectorPaste)
#include "tst_inspector_paste.moc"
