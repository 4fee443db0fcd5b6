// Copy in one designer window and Paste in another, through the real main window's Edit
// actions and the system clipboard.

#include <QClipboard>
#include <QMimeData>

#include "controls/PTLabel.h"
#include "ui_harness.h"

using namespace qb;

class TestClipboard : public QObject {
  Q_OBJECT
 private slots:
  void copyInOneFormPasteInAnother() {
    test::Program program;
    ui::MainWindow& window = program.Window();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    AppState& state = program.State();
    state.library = LibraryId::kPToolboxLib;
    state.project_name = "Demo";
    TChildFrm& first = program.Main().Forms().NewForm();
    TChildFrm& second = program.Main().Forms().NewForm();
    window.Sync();
    ui::DesignerCanvas* first_canvas = program.Canvas(first);
    ui::DesignerCanvas* second_canvas = program.Canvas(second);
    QVERIFY(first_canvas && second_canvas);

    // A label on the first form, clicked there.
    QTest::mouseClick(first_canvas, Qt::LeftButton, Qt::NoModifier, QPoint(4 + 100, 2 + 100));
    QCOMPARE(state.current_window.Get(), &first);
    window.PaletteAction(PaletteButton::kLabel)->trigger();
    QTest::mouseClick(first_canvas, Qt::LeftButton, Qt::NoModifier, QPoint(4 + 24, 2 + 40));
    QCOMPARE(static_cast<int>(first.Screen().Children().size()), 1);
    auto* label = As<TPTLabel>(first.Screen().Children()[0].get());
    QVERIFY(label);
    test::EditByHand(program, [&] {
      label->SetContent("Hello there");
      label->SetColorText(kRed);
    });

    window.ActionFor(Command::kCopy)->trigger();
    const QMimeData* data = QApplication::clipboard()->mimeData();
    QVERIFY(data);
    QVERIFY(data->hasFormat("application/x-quillboard-control"));
    const QString copied = QString::fromUtf8(data->data("application/x-quillboard-control"));
    QVERIFY(copied.contains("Name=Copiado"));
    QVERIFY(copied.contains("Text=\"Hello there\""));
    // No plain text: a text box the user pastes into gets nothing of it.
    QVERIFY(!data->hasText());
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

    QVERIFY(test::LeaveWithoutSaving(program));
  }
};

QTEST_MAIN(TestClipboard)
#include "tst_clipboard.moc"
