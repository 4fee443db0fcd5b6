// Project > Preview in the real main window: the window shows the current form at the
// designer's scale (never below 2x), a click maps to the device pixel under it at that scale,
// the flow moves the title and Back, keys reach the tapped field, and closing the window ends
// the session. The design's undo history and modified mark stay as they were.

#include <QMdiSubWindow>

#include "controls/PTButton.h"
#include "controls/PTEdit.h"
#include "controls/designer_client.h"
#include "designer/hit_test.h"
#include "ui_harness.h"

using namespace qb;

namespace {

// The canvas point at the centre of device pixel p at the scale.
QPoint CanvasPoint(Point p, int scale) { return QPoint(p.x * scale + scale / 2, p.y * scale); }

}  // namespace

class TestPreview : public QObject {
  Q_OBJECT
 private slots:
  void previewFollowsTheFlowAtTheDesignersScale() {
    test::Program program;
    QVERIFY(QTest::qWaitForWindowExposed(&program.Window()));
    TChildFrm* first = test::NewProjectWithTwoControls(program, "PToolBox");
    QVERIFY(first);
    TPTButton* button = test::PlacedButton(*first);
    QVERIFY(button);
    program.Trigger(Command::kNewForm);
    QCOMPARE(program.State().windows.size(), std::size_t{2});
    TChildFrm& second = *program.State().windows.back();
    button->SetShowForm(second.Name());
    program.Main().Activate(*first);
    program.Trigger(Command::kScale3);
    const std::size_t steps = first->Undo().Position();
    QMdiSubWindow* sub = program.shell->Designers().SubWindowOf(*first);
    QVERIFY(sub);
    const bool modified = sub->isWindowModified();

    ui::PreviewView& view = program.shell->Preview();
    QVERIFY(view.isHidden());
    program.Trigger(Command::kPreview);
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QCOMPARE(view.windowTitle(), QString("Preview - Form1"));
    ui::PreviewCanvas* canvas = view.Canvas();
    QCOMPARE(canvas->Scale(), 3);
    QCOMPARE(canvas->size(),
             QSize(TDesignerClient::kClientWidth * 3, TDesignerClient::kClientHeight * 3));
    QVERIFY(!view.BackButton()->isEnabled());
    QVERIFY(canvas->hasFocus());

    // A press one device pixel right of the button, at 3x, does not press it; one on its
    // last column does.
    PreviewSession* session = program.Main().Preview().Session();
    QVERIFY(session);
    TControl* copy = session->Find(button->Name());
    QVERIFY(copy);
    const Point o = OriginInClient(session->Shown(), *copy);
    const Point last{o.x + copy->Width() - 1, o.y + copy->Height() / 2};
    test::Press(canvas, CanvasPoint({last.x + 1, last.y}, 3));
    QCOMPARE(session->Pressed(), nullptr);
    test::Release(canvas, CanvasPoint({last.x + 1, last.y}, 3));
    test::Press(canvas, CanvasPoint(last, 3));
    QCOMPARE(session->Pressed(), copy);
    test::Release(canvas, CanvasPoint(last, 3));
    QCOMPARE(view.windowTitle(), QString("Preview - Form2"));
    QVERIFY(view.BackButton()->isEnabled());

    QTest::mouseClick(view.BackButton(), Qt::LeftButton);
    QCOMPARE(view.windowTitle(), QString("Preview - Form1"));
    QVERIFY(!view.BackButton()->isEnabled());
    test::SaveScreenshot(view, "preview-3x.png");

    // The design did not move.
    QCOMPARE(first->Undo().Position(), steps);
    QCOMPARE(sub->isWindowModified(), modified);
    QCOMPARE(button->ShowForm(), second.Name());

    // Escape closes the window and ends the session; Preview opens it again.
    QTest::keyClick(canvas, Qt::Key_Escape);
    QVERIFY(view.isHidden());
    QCOMPARE(program.Main().Preview().Session(), nullptr);
    program.Trigger(Command::kPreview);
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QCOMPARE(view.windowTitle(), QString("Preview - Form1"));
    view.close();
    QCOMPARE(program.Main().Preview().Session(), nullptr);
    QVERIFY(test::LeaveWithoutSaving(program));
  }

  void keysReachTheTappedField() {
    test::Program program;
    QVERIFY(QTest::qWaitForWindowExposed(&program.Window()));
    TChildFrm* form = test::NewProjectWithTwoControls(program, "PToolBox");
    QVERIFY(form);
    program.Window().PaletteAction(PaletteButton::kEdit)->trigger();
    test::Click(program.Canvas(*form), test::OnScreen(*form, 20, 100));
    auto* field = As<TPTEdit>(program.State().current_control.Get());
    QVERIFY(field);
    test::EditByHand(program, [&] {
      field->SetMaxChars(3);
      field->SetText("");
    });

    program.Trigger(Command::kPreview);
    ui::PreviewView& view = program.shell->Preview();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    ui::PreviewCanvas* canvas = view.Canvas();
    PreviewSession* session = program.Main().Preview().Session();
    TControl* copy = session->Find(field->Name());
    QVERIFY(copy);
    const Point o = OriginInClient(session->Shown(), *copy);
    const int scale = canvas->Scale();
    test::Click(canvas, CanvasPoint({o.x + 2, o.y + 2}, scale));
    QCOMPARE(session->Focused(), copy);
    // Text within MaxChars; a shortcut types nothing; Backspace takes the last character.
    QTest::keyClicks(canvas, "abcd");
    QTest::keyClick(canvas, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(QString::fromStdString(As<TPTEdit>(copy)->Text()), QString("abc"));
    QTest::keyClick(canvas, Qt::Key_Backspace);
    QCOMPARE(QString::fromStdString(As<TPTEdit>(copy)->Text()), QString("ab"));
    QCOMPARE(QString::fromStdString(field->Text()), QString());
    view.close();
    QVERIFY(test::LeaveWithoutSaving(program));
  }
};

QTEST_MAIN(TestPreview)
#include "tst_preview.moc"
