// The real main window with a designer sub-window and the inspector, driven by synthetic
// mouse events: placing, dragging, resizing by an edge and adding to the selection; the
// sub-windows' stacking.

#include "controls/PTButton.h"
#include "model/colors.h"
#include "ui_harness.h"

using namespace qb;
using test::Click;
using test::Drag;
using test::OnScreen;

namespace {

QColor Qc(Color c) { return QColor(c & 0xff, (c >> 8) & 0xff, (c >> 16) & 0xff); }

// Counts the paint events each watched widget gets.
class PaintCounter : public QObject {
 public:
  void Watch(QWidget* widget) {
    widget->installEventFilter(this);
    counts_[widget] = 0;
  }
  int Of(QWidget* widget) const { return counts_.value(widget); }
  int Total() const {
    int total = 0;
    for (int n : counts_) total += n;
    return total;
  }
  void Reset() {
    for (auto it = counts_.begin(); it != counts_.end(); ++it) it.value() = 0;
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++counts_[static_cast<QWidget*>(watched)];
    return QObject::eventFilter(watched, event);
  }

 private:
  QHash<QWidget*, int> counts_;
};

}  // namespace

class TestDesignerWindow : public QObject {
  Q_OBJECT
 private slots:
  void placeDragResizeAndAddToTheSelection() {
    test::Program program;
    QVERIFY(QTest::qWaitForWindowExposed(&program.Window()));
    AppState& state = program.State();
    state.library = LibraryId::kPToolboxLib;
    state.project_name = "Demo";
    TChildFrm& form = program.Main().Forms().NewForm();
    program.Window().Sync();
    ui::DesignerCanvas* canvas = program.Canvas(form);
    QVERIFY(canvas);
    QCOMPARE(canvas->Picture().size(), QSize(167, 226));

    // Place a button: the palette button, then a click on the screen panel (grid on: the
    // click point is rounded to 4-pixel steps).
    program.Window().PaletteAction(PaletteButton::kButton)->trigger();
    QCOMPARE(state.pressed_button, PaletteButton::kButton);
    Click(canvas, OnScreen(form, 21, 31));
    QCOMPARE(static_cast<int>(form.Screen().Children().size()), 1);
    auto* button = As<TPTButton>(form.Screen().Children()[0].get());
    QVERIFY(button);
    QCOMPARE(state.pressed_button, PaletteButton::kNone);
    const int left = button->Left();
    const int top = button->Top();
    const int width = button->Width();
    const int height = button->Height();

    // Drag it by 12 pixels to the right and 8 down.
    const QPoint inside = OnScreen(form, left + width / 2, top + height / 2);
    Drag(canvas, inside, inside + QPoint(12, 8));
    QCOMPARE(button->Left(), left + 12);
    QCOMPARE(button->Top(), top + 8);
    QCOMPARE(button->Width(), width);

    // Resize it by its right edge: a press 2 pixels inside the edge, 8 pixels to the right.
    const QPoint edge =
        OnScreen(form, button->Left() + button->Width() - 2, button->Top() + button->Height() / 2);
    Drag(canvas, edge, edge + QPoint(8, 0));
    QCOMPARE(button->Left(), left + 12);
    QCOMPARE(button->Top(), top + 8);
    QCOMPARE(button->Width(), width + 8);
    QCOMPARE(button->Height(), height);

    // A second button below the first.
    program.Window().PaletteAction(PaletteButton::kButton)->trigger();
    Click(canvas, OnScreen(form, 21, 101));
    QCOMPARE(static_cast<int>(form.Screen().Children().size()), 2);
    auto* second = As<TPTButton>(form.Screen().Children()[1].get());
    QVERIFY(second);
    const int second_left = second->Left();

    // A plain click selects the first alone, a Shift-click adds the second in navy.
    Click(canvas, OnScreen(form, button->Left() + 10, button->Top() + 5));
    QVERIFY(button->Selected());
    QVERIFY(!second->Selected());
    Click(canvas, OnScreen(form, second->Left() + 10, second->Top() + 5), Qt::ShiftModifier);
    QVERIFY(button->Selected());
    QVERIFY(second->Selected());
    QCOMPARE(button->SelectColor(), kBlue);
    QCOMPARE(second->SelectColor(), kNavy);
    QCOMPARE(second->Left(), second_left);  // a click without a move leaves it in place

    // The picture shows both sets of marks: the corner squares of each control.
    const QImage picture = canvas->Picture();
    const QPoint first_corner = OnScreen(form, button->Left(), button->Top());
    const QPoint second_corner = OnScreen(form, second->Left(), second->Top());
    for (int dy = 0; dy < 3; ++dy) {
      for (int dx = 0; dx < 3; ++dx) {
        QCOMPARE(picture.pixelColor(first_corner + QPoint(dx, dy)), Qc(kBlue));
        QCOMPARE(picture.pixelColor(second_corner + QPoint(dx, dy)), Qc(kNavy));
      }
    }
    const QPoint far_corner =
        OnScreen(form, second->Left() + second->Width() - 1, second->Top() + second->Height() - 1);
    QCOMPARE(picture.pixelColor(far_corner), Qc(kNavy));
    // Just outside the marks the screen stays unmarked.
    QVERIFY(picture.pixelColor(second_corner + QPoint(-1, -1)) != Qc(kNavy));

    test::SaveScreenshot(program.Window(), "main_window_pt.png");
    canvas->Picture().save("test_output/designer_window_pt.png");
  }

  void sendToBackOfAFormLowersItsSubWindow() {
    test::Program program;
    QVERIFY(QTest::qWaitForWindowExposed(&program.Window()));
    program.State().library = LibraryId::kPToolboxLib;
    program.State().project_name = "Demo";
    TChildFrm& form = program.Main().Forms().NewForm();
    TChildFrm& other = program.Main().Forms().NewForm();
    program.Window().Sync();
    ui::DesignerViews& views = program.shell->Designers();
    auto below = [&](const TChildFrm& back, const TChildFrm& front) {
      QList<QMdiSubWindow*> stack = program.Window().Area()->subWindowList(QMdiArea::StackingOrder);
      return stack.indexOf(views.SubWindowOf(back)) < stack.indexOf(views.SubWindowOf(front));
    };
    // A click on free screen makes the form itself current, its window in front.
    Click(program.Canvas(form), OnScreen(form, 150, 150));
    QCOMPARE(program.State().current_control.Get(), &form.Client());
    QVERIFY(below(other, form));

    program.Main().GetDesigner().RunPopCommand(form, PopCommand::kSendToBack);
    program.Window().Sync();
    QVERIFY(below(form, other));
  }

  void onlyTheFormThatChangedRepaints() {
    test::Program program;
    program.Window().resize(1100, 800);
    QVERIFY(QTest::qWaitForWindowExposed(&program.Window()));
    program.State().library = LibraryId::kPToolboxLib;
    program.State().project_name = "Demo";
    std::vector<TChildFrm*> forms;
    for (int i = 0; i < 5; ++i) forms.push_back(&program.Main().Forms().NewForm());
    program.Window().Sync();
    // Side by side, so that no window's frame lies over another's picture.
    PaintCounter paints;
    for (int i = 0; i < 5; ++i) {
      program.shell->Designers().SubWindowOf(*forms[i])->move((i % 4) * 200, (i / 4) * 260);
      paints.Watch(program.Canvas(*forms[i]));
    }
    TChildFrm& form = *forms[0];
    ui::DesignerCanvas* canvas = program.Canvas(form);
    program.Window().PaletteAction(PaletteButton::kButton)->trigger();
    Click(canvas, OnScreen(form, 21, 31));
    auto* button = As<TPTButton>(form.Screen().Children()[0].get());
    QVERIFY(button);
    QTest::qWait(50);

    // A click on the button of the first form, then five nudges through the core as the
    // arrow keys make them: the other four forms never repaint.
    paints.Reset();
    Click(canvas, OnScreen(form, button->Left() + 5, button->Top() + 5));
    QTest::qWait(50);
    const int left = button->Left();
    for (int i = 1; i <= 5; ++i) {
      test::EditByHand(program, [&] { button->SetLeft(left + i); });
      program.Window().Sync();
      QTest::qWait(20);
    }
    QVERIFY(paints.Of(canvas) >= 1);
    for (int i = 1; i < 5; ++i) QCOMPARE(paints.Of(program.Canvas(*forms[i])), 0);
    qInfo("paints for a click and five nudges with five forms open: %d", paints.Total());

    // An input that changes no form repaints none.
    paints.Reset();
    program.Window().Sync();
    QTest::qWait(50);
    QCOMPARE(paints.Total(), 0);

    // A change on the last form repaints it alone.
    test::EditByHand(program, [&] { forms[4]->Screen().SetTitle("Other"); });
    program.Window().Sync();
    QTest::qWait(50);
    QVERIFY(paints.Of(program.Canvas(*forms[4])) >= 1);
    QCOMPARE(paints.Total(), paints.Of(program.Canvas(*forms[4])));
  }
};

QTEST_MAIN(TestDesignerWindow)
#include "tst_designer_window.moc"
