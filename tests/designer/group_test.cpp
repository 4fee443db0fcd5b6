// Editing several marked controls at once: group drags and nudges, Shift+arrow sizing, the
// selection rectangle, Shift+click unmarking, and the position readout.

#include "controls/PTDialog.h"
#include "designer/selection.h"
#include "designer_fixture.h"
#include "form/undo.h"

namespace qb::test {
namespace {

constexpr LibraryId kCC = LibraryId::kCControls;
using B = PaletteButton;
using K = DesignerKey;

constexpr Color kBlueMark = 16711680;
constexpr Color kNavyMark = 8388608;
constexpr Color kRedMark = 255;
constexpr Color kMaroonMark = 128;

struct Box {
  int left, top, width, height;
  bool operator==(const Box&) const = default;
};

Box BoxOf(const TControl& c) { return {c.Left(), c.Top(), c.Width(), c.Height()}; }

void PrintTo(const Box& b, std::ostream* os) {
  *os << "(" << b.left << ", " << b.top << ", " << b.width << " x " << b.height << ")";
}

// Three labels on the screen panel at (10, 10), (10, 30) and (10, 50), 32 × 13; the first two
// marked, the first current.
class GroupTest : public DesignerTest {
 protected:
  void SetUp() override { Build(false); }

  void Build(bool grid) {
    form_ = &NewForm(kCC, grid);
    first_ = Place(*form_, B::kLabel, 12, 12);
    second_ = Place(*form_, B::kLabel, 12, 32);
    third_ = Place(*form_, B::kLabel, 12, 52);
    Click(*form_, OnScreen(15, 15));
    Click(*form_, OnScreen(15, 35), kSsShift);
    ASSERT_TRUE(first_->Selected());
    ASSERT_TRUE(second_->Selected());
    ASSERT_EQ(state.current_control.Get(), second_);
  }

  TChildFrm* form_ = nullptr;
  TControl* first_ = nullptr;
  TControl* second_ = nullptr;
  TControl* third_ = nullptr;
};

TEST_F(GroupTest, DraggingAMarkedControlMovesTheWholeSelection) {
  Drag(*form_, OnScreen(22, 18), OnScreen(27, 20));
  EXPECT_EQ(BoxOf(*first_), (Box{17, 14, 32, 13}));
  EXPECT_EQ(BoxOf(*second_), (Box{17, 34, 32, 13}));
  EXPECT_EQ(BoxOf(*third_), (Box{12, 52, 32, 13}));
  // The control pressed became current and first; the selection stayed.
  EXPECT_EQ(state.current_control.Get(), first_);
  EXPECT_TRUE(second_->Selected());
  EXPECT_EQ(first_->SelectColor(), kBlueMark);
  EXPECT_EQ(second_->SelectColor(), kNavyMark);
}

TEST_F(GroupTest, AGroupDragAndAGroupNudgeAreOneUndoStepEach) {
  UndoStack& undo = form_->Undo();
  const std::size_t base = undo.Position();
  Drag(*form_, OnScreen(22, 18), OnScreen(27, 20));
  EXPECT_EQ(undo.Position(), base + 1);
  EXPECT_TRUE(designer.KeyPressed(K::kRight));
  EXPECT_EQ(undo.Position(), base + 2);
  // Each undo puts every member of the group back at once, by name.
  ASSERT_TRUE(undo.Undo(state, *form_));
  EXPECT_EQ(BoxOf(*form_->FindControl("Label1")), (Box{17, 14, 32, 13}));
  EXPECT_EQ(BoxOf(*form_->FindControl("Label2")), (Box{17, 34, 32, 13}));
  ASSERT_TRUE(undo.Undo(state, *form_));
  EXPECT_EQ(BoxOf(*form_->FindControl("Label1")), (Box{12, 12, 32, 13}));
  EXPECT_EQ(BoxOf(*form_->FindControl("Label2")), (Box{12, 32, 32, 13}));
  EXPECT_EQ(BoxOf(*form_->FindControl("Label3")), (Box{12, 52, 32, 13}));
}

TEST_F(GroupTest, AGroupDragMovesEveryoneByTheSameRoundedDistance) {
  Build(true);
  struct Case {
    int dx, dy, moved_x, moved_y;
    ShiftState keys;
  };
  int x = 12, y = 12;
  for (Case c : {Case{5, 6, 4, 8, 0}, Case{6, 2, 8, 0, 0}, Case{5, 3, 5, 3, kSsCtrl}}) {
    Drag(*form_, OnScreen(x + 10, y + 6), OnScreen(x + 10 + c.dx, y + 6 + c.dy), c.keys);
    x += c.moved_x;
    y += c.moved_y;
    EXPECT_EQ(BoxOf(*first_), (Box{x, y, 32, 13})) << c.dx << "," << c.dy;
    EXPECT_EQ(BoxOf(*second_), (Box{x, y + 20, 32, 13})) << c.dx << "," << c.dy;
    EXPECT_EQ(BoxOf(*third_), (Box{12, 52, 32, 13}));
  }
}

TEST_F(GroupTest, DraggingTheSecondMarkMakesItFirst) {
  Drag(*form_, OnScreen(22, 38), OnScreen(22, 43));
  EXPECT_EQ(BoxOf(*first_), (Box{12, 17, 32, 13}));
  EXPECT_EQ(BoxOf(*second_), (Box{12, 37, 32, 13}));
  EXPECT_EQ(state.current_control.Get(), second_);
  EXPECT_EQ(second_->SelectColor(), kBlueMark);
  EXPECT_EQ(first_->SelectColor(), kNavyMark);
  EXPECT_TRUE(IsPrimaryMark(*second_));
  EXPECT_FALSE(IsPrimaryMark(*first_));
}

TEST_F(GroupTest, ResizingOneOfTheGroupLeavesTheOthers) {
  // The right edge of the first label (width 32: x 30 lies in its resize zone).
  Drag(*form_, OnScreen(12 + 30, 15), OnScreen(12 + 36, 15));
  EXPECT_EQ(BoxOf(*first_), (Box{12, 12, 38, 13}));
  EXPECT_EQ(BoxOf(*second_), (Box{12, 32, 32, 13}));
}

TEST_F(GroupTest, AClickWithoutADragOnAMarkedControlSelectsItAlone) {
  Click(*form_, OnScreen(15, 15));
  EXPECT_EQ(state.current_control.Get(), first_);
  EXPECT_TRUE(first_->Selected());
  EXPECT_EQ(first_->SelectColor(), kBlueMark);
  EXPECT_FALSE(second_->Selected());
  EXPECT_EQ(BoxOf(*first_), (Box{12, 12, 32, 13}));
}

TEST_F(GroupTest, ArrowsMoveEveryMarkedControlOfThePanel) {
  state.grid_step = true;
  EXPECT_TRUE(designer.KeyPressed(K::kRight));
  EXPECT_TRUE(designer.KeyPressed(K::kDown));
  EXPECT_TRUE(designer.KeyPressed(K::kDown));
  EXPECT_EQ(BoxOf(*first_), (Box{13, 14, 32, 13}));
  EXPECT_EQ(BoxOf(*second_), (Box{13, 34, 32, 13}));
  EXPECT_EQ(BoxOf(*third_), (Box{12, 52, 32, 13}));
  EXPECT_TRUE(first_->Selected());
  EXPECT_TRUE(second_->Selected());
}

TEST_F(GroupTest, ArrowsMoveByTheGridStepWithTheGridOn) {
  Build(true);
  state.grid_step = true;
  designer.KeyPressed(K::kLeft);
  designer.KeyPressed(K::kUp);
  EXPECT_EQ(BoxOf(*first_), (Box{8, 8, 32, 13}));
  EXPECT_EQ(BoxOf(*second_), (Box{8, 28, 32, 13}));
}

TEST_F(GroupTest, ShiftArrowsSizeTheCurrentControlOnly) {
  struct Case {
    K key;
    Box second;
  };
  // Each case starts from where the one before left the control.
  for (Case c : {Case{K::kRight, {12, 32, 33, 13}}, Case{K::kRight, {12, 32, 34, 13}},
                 Case{K::kLeft, {12, 32, 33, 13}}, Case{K::kDown, {12, 32, 33, 14}},
                 Case{K::kUp, {12, 32, 33, 13}}}) {
    EXPECT_TRUE(designer.KeyPressed(c.key, true));
    EXPECT_EQ(BoxOf(*second_), c.second);
    EXPECT_EQ(BoxOf(*first_), (Box{12, 12, 32, 13}));
  }
  // The selection stays as it was.
  EXPECT_TRUE(first_->Selected());
  EXPECT_TRUE(second_->Selected());
  EXPECT_EQ(state.current_control.Get(), second_);
}

TEST_F(GroupTest, ShiftArrowsLeaveAtLeastOnePixel) {
  for (int i = 0; i < 40; ++i) designer.KeyPressed(K::kLeft, true);
  for (int i = 0; i < 20; ++i) designer.KeyPressed(K::kUp, true);
  EXPECT_EQ(BoxOf(*second_), (Box{12, 32, 1, 1}));
}

TEST_F(GroupTest, TheReadoutFollowsDragsAndNudges) {
  Click(*form_, OnScreen(15, 55));  // the third alone
  designer.KeyPressed(K::kRight);
  const std::string after_key = state.status_panels[kReadoutPanel];
  EXPECT_EQ(after_key, PositionReadout(*third_));
  // The label lies at panel (13, 52), 32 × 13: in Palm coordinates one pixel in, 30 wide.
  EXPECT_EQ(after_key, "x 14 y 53 w 30 h 13");
  // A new press clears it; each step of the drag shows where the control is now.
  designer.MouseDown(*form_, MouseButton::kLeft, kSsLeft, OnScreen(23, 58));
  EXPECT_EQ(state.status_panels[kReadoutPanel], "");
  designer.MouseMove(*form_, kSsLeft, OnScreen(33, 68));
  EXPECT_EQ(BoxOf(*third_), (Box{23, 62, 32, 13}));
  EXPECT_EQ(state.status_panels[kReadoutPanel], PositionReadout(*third_));
  EXPECT_NE(state.status_panels[kReadoutPanel], after_key);
  designer.MouseUp(*form_, MouseButton::kLeft, kSsLeft, OnScreen(33, 68));
  // It stays after the release, showing where the control ended.
  EXPECT_EQ(state.status_panels[kReadoutPanel], PositionReadout(*third_));
}

TEST(PositionReadout, ShowsPalmCoordinates) {
  AppState state;
  FakeUi ui;
  RecordingLinks links;
  Designer designer{state, ui, links};
  state.library = LibraryId::kPToolboxLib;
  TChildFrm& form = designer.AddWindow();
  form.SetName("F");
  designer.Activate(form);
  state.pressed_button = B::kButton;
  designer.MouseDown(form, MouseButton::kLeft, kSsLeft, {4 + 40, 2 + 24});
  designer.MouseUp(form, MouseButton::kLeft, kSsLeft, {4 + 40, 2 + 24});
  TControl* button = state.current_control.Get();
  ASSERT_NE(button, nullptr);
  // A PToolboxLib button is placed with Palm position (40, 24), 42 × 13.
  EXPECT_EQ(PositionReadout(*button), "x 40 y 24 w 42 h 13");
}

TEST_F(GroupTest, ARectangleOnTheScreenPanelMarksWhatItTouches) {
  // From free area left of the labels down across the second and into the third.
  Drag(*form_, OnScreen(5, 40), OnScreen(60, 53));
  EXPECT_FALSE(first_->Selected());
  EXPECT_TRUE(second_->Selected());
  EXPECT_TRUE(third_->Selected());
  EXPECT_EQ(state.current_control.Get(), second_);
  EXPECT_EQ(form_->LastSelected(), second_);
  EXPECT_EQ(second_->SelectColor(), kBlueMark);
  EXPECT_EQ(third_->SelectColor(), kNavyMark);
  // Nothing moved.
  EXPECT_EQ(BoxOf(*second_), (Box{12, 32, 32, 13}));
  EXPECT_EQ(BoxOf(*third_), (Box{12, 52, 32, 13}));
  // Drawn upwards it marks the same way.
  Drag(*form_, OnScreen(100, 24), OnScreen(13, 5));
  EXPECT_TRUE(first_->Selected());
  EXPECT_FALSE(second_->Selected());
  EXPECT_EQ(state.current_control.Get(), first_);
}

TEST_F(GroupTest, TheRectangleIsShownWhileItIsDrawn) {
  designer.MouseDown(*form_, MouseButton::kLeft, kSsLeft, OnScreen(60, 70));
  EXPECT_FALSE(designer.BandRect(*form_).has_value());
  designer.MouseMove(*form_, kSsLeft, OnScreen(50, 90));
  std::optional<Rect> band = designer.BandRect(*form_);
  ASSERT_TRUE(band.has_value());
  EXPECT_EQ(band->left, 4 + 50);
  EXPECT_EQ(band->top, 2 + 70);
  EXPECT_EQ(band->right, 4 + 61);
  EXPECT_EQ(band->bottom, 2 + 91);
  designer.MouseUp(*form_, MouseButton::kLeft, kSsLeft, OnScreen(50, 90));
  EXPECT_FALSE(designer.BandRect(*form_).has_value());
}

TEST_F(GroupTest, ARectangleTouchingNothingShowsTheForm) {
  Drag(*form_, OnScreen(80, 80), OnScreen(120, 120));
  EXPECT_EQ(state.current_control.Get(), &form_->Client());
  EXPECT_FALSE(first_->Selected());
  EXPECT_FALSE(second_->Selected());
}

TEST_F(GroupTest, AClickOnFreeAreaStillShowsTheFormsProperties) {
  Click(*form_, OnScreen(100, 100));
  EXPECT_EQ(state.current_control.Get(), &form_->Client());
  EXPECT_FALSE(first_->Selected());
  EXPECT_FALSE(second_->Selected());
  EXPECT_FALSE(designer.BandRect(*form_).has_value());
}

TEST_F(GroupTest, NoRectangleWhileAPaletteButtonWaits) {
  state.pressed_button = B::kLabel;
  Drag(*form_, OnScreen(80, 80), OnScreen(120, 120));
  // The release placed a label where the mouse went up, as a click does.
  TControl* placed = state.current_control.Get();
  ASSERT_NE(placed, nullptr);
  EXPECT_EQ(BoxOf(*placed), (Box{120, 120, 32, 13}));
}

TEST_F(GroupTest, ShiftClickUnmarksAMarkedControl) {
  // The current (blue) one goes: the other mark becomes current and first.
  Click(*form_, OnScreen(15, 35), kSsShift);
  EXPECT_FALSE(second_->Selected());
  EXPECT_TRUE(first_->Selected());
  EXPECT_EQ(first_->SelectColor(), kBlueMark);
  EXPECT_EQ(state.current_control.Get(), first_);
  // The last mark goes: the form is shown.
  Click(*form_, OnScreen(15, 15), kSsShift);
  EXPECT_FALSE(first_->Selected());
  EXPECT_EQ(state.current_control.Get(), &form_->Client());
  // Shift on an unmarked control still adds it.
  Click(*form_, OnScreen(15, 55), kSsShift);
  EXPECT_TRUE(third_->Selected());
  EXPECT_EQ(state.current_control.Get(), third_);
}

TEST_F(GroupTest, AShiftDragOfAMarkedControlMovesAndKeepsTheMarks) {
  // Near the right edge: Shift makes it a move, which carries the other mark along.
  Drag(*form_, OnScreen(12 + 30, 18), OnScreen(12 + 30 + 8, 18), kSsShift);
  EXPECT_EQ(BoxOf(*first_), (Box{20, 12, 32, 13}));
  EXPECT_EQ(BoxOf(*second_), (Box{20, 32, 32, 13}));
  EXPECT_TRUE(first_->Selected());
  EXPECT_TRUE(second_->Selected());
  EXPECT_EQ(state.current_control.Get(), first_);
}

// A shown dialog (panel 3, 58, 156 × 84) with two labels at dialog (21, 18) and (21, 42) and
// one on the screen panel.
class DialogGroupTest : public DesignerTest {
 protected:
  void SetUp() override {
    form_ = &NewForm(kCC);
    outside_ = Place(*form_, B::kLabel, 12, 12);
    dialog_ = Place(*form_, B::kDialog, 0, 0);
    upper_ = Place(*form_, B::kLabel, 24, 76);
    lower_ = Place(*form_, B::kLabel, 24, 100);
    ASSERT_EQ(upper_->Parent(), dialog_);
    ASSERT_EQ(lower_->Parent(), dialog_);
  }
  TChildFrm* form_ = nullptr;
  TControl* outside_ = nullptr;
  TControl* dialog_ = nullptr;
  TControl* upper_ = nullptr;
  TControl* lower_ = nullptr;
};

TEST_F(DialogGroupTest, ARectangleInTheDialogMarksRedAndMaroon) {
  Box dialog = BoxOf(*dialog_);
  ASSERT_EQ(dialog, (Box{3, 58, 156, 84}));
  // From free dialog area below its title bar.
  Drag(*form_, OnScreen(10, 74), OnScreen(80, 110));
  EXPECT_EQ(BoxOf(*dialog_), dialog);
  EXPECT_FALSE(dialog_->Selected());
  EXPECT_FALSE(outside_->Selected());
  EXPECT_TRUE(upper_->Selected());
  EXPECT_TRUE(lower_->Selected());
  EXPECT_EQ(state.current_control.Get(), upper_);
  EXPECT_EQ(upper_->SelectColor(), kRedMark);
  EXPECT_EQ(lower_->SelectColor(), kMaroonMark);
}

TEST_F(DialogGroupTest, TheDialogsGroupMovesTogether) {
  Drag(*form_, OnScreen(10, 74), OnScreen(80, 110));
  Drag(*form_, OnScreen(30, 80), OnScreen(33, 78));
  EXPECT_EQ(BoxOf(*upper_), (Box{24, 16, 32, 13}));
  EXPECT_EQ(BoxOf(*lower_), (Box{24, 40, 32, 13}));
  EXPECT_EQ(BoxOf(*dialog_), (Box{3, 58, 156, 84}));
  EXPECT_EQ(BoxOf(*outside_), (Box{12, 12, 32, 13}));
  designer.KeyPressed(K::kLeft);
  EXPECT_EQ(upper_->Left(), 23);
  EXPECT_EQ(lower_->Left(), 23);
  EXPECT_EQ(outside_->Left(), 12);
  // Shift+click takes the first out; the maroon one becomes current and red.
  Click(*form_, OnScreen(3 + 25, 58 + 18), kSsShift);
  EXPECT_FALSE(upper_->Selected());
  EXPECT_EQ(state.current_control.Get(), lower_);
  EXPECT_EQ(lower_->SelectColor(), kRedMark);
}

TEST_F(DialogGroupTest, AClickInTheDialogWithoutADragSelectsTheDialog) {
  Click(*form_, OnScreen(100, 130));
  EXPECT_EQ(state.current_control.Get(), dialog_);
  EXPECT_TRUE(dialog_->Selected());
  EXPECT_FALSE(upper_->Selected());
  EXPECT_EQ(BoxOf(*dialog_), (Box{3, 58, 156, 84}));
}

}  // namespace
}  // namespace qb::test
