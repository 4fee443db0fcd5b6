// Selecting with the mouse: mark colours, the plain right click, the form, menus, and the
// resize notification.

#include "controls/CCMenu.h"
#include "controls/PTDialog.h"
#include "controls/factory.h"
#include "designer/menus.h"
#include "designer_fixture.h"

namespace qb::test {
namespace {

constexpr LibraryId kCC = LibraryId::kCControls;
constexpr LibraryId kPT = LibraryId::kPToolboxLib;
using B = PaletteButton;

constexpr Color kBlueMark = 16711680;
constexpr Color kNavyMark = 8388608;
constexpr Color kRedMark = 255;
constexpr Color kMaroonMark = 128;

// Two labels on the screen panel at (10, 10) and (10, 30), 32 × 13.
class SelectionTest : public DesignerTest {
 protected:
  void SetUp() override {
    form_ = &NewForm(kCC);
    first_ = Place(*form_, B::kLabel, 10, 10);
    second_ = Place(*form_, B::kLabel, 10, 30);
    third_ = Place(*form_, B::kLabel, 10, 50);
  }
  TChildFrm* form_ = nullptr;
  TControl* first_ = nullptr;
  TControl* second_ = nullptr;
  TControl* third_ = nullptr;
};

TEST_F(SelectionTest, ShiftClickAddsInNavyWhileTheFirstStaysBlue) {
  Click(*form_, OnScreen(15, 15));
  EXPECT_TRUE(first_->Selected());
  EXPECT_EQ(first_->SelectColor(), kBlueMark);
  EXPECT_FALSE(third_->Selected());
  Click(*form_, OnScreen(15, 35), kSsShift);
  EXPECT_TRUE(first_->Selected());
  EXPECT_EQ(first_->SelectColor(), kBlueMark);
  EXPECT_TRUE(second_->Selected());
  EXPECT_EQ(second_->SelectColor(), kNavyMark);
  EXPECT_EQ(state.current_control.Get(), second_);
  EXPECT_EQ(form_->LastSelected(), second_);
  // A plain click starts over: one mark, blue.
  Click(*form_, OnScreen(15, 35));
  EXPECT_FALSE(first_->Selected());
  EXPECT_TRUE(second_->Selected());
  EXPECT_EQ(second_->SelectColor(), kBlueMark);
}

TEST_F(SelectionTest, ShiftClickWithNothingMarkedIsBlue) {
  Click(*form_, OnScreen(100, 100));  // the form: no marks
  Click(*form_, OnScreen(15, 35), kSsShift);
  EXPECT_EQ(second_->SelectColor(), kBlueMark);
  EXPECT_TRUE(second_->Selected());
}

TEST_F(SelectionTest, CtrlShiftClickIsAPlainClick) {
  Click(*form_, OnScreen(15, 15));
  Click(*form_, OnScreen(15, 35), kSsShift | kSsCtrl);
  EXPECT_FALSE(first_->Selected());
  EXPECT_EQ(second_->SelectColor(), kBlueMark);
}

TEST_F(SelectionTest, APlainRightClickOnAMarkedControlKeepsTheSelection) {
  Click(*form_, OnScreen(15, 15));
  Click(*form_, OnScreen(15, 35), kSsShift);
  links.calls.clear();
  Click(*form_, OnScreen(15, 15), 0, MouseButton::kRight);
  EXPECT_TRUE(last_popup);
  EXPECT_TRUE(first_->Selected());
  EXPECT_TRUE(second_->Selected());
  EXPECT_FALSE(third_->Selected());
  EXPECT_EQ(state.current_control.Get(), second_);
  EXPECT_EQ(form_->LastSelected(), second_);
  EXPECT_FALSE(links.Logged("FillInspector Label1"));
  EXPECT_TRUE(links.Logged("HideInlineEditors"));
  EXPECT_TRUE(links.Logged("FocusControl Label2"));
  // A right click with Shift is not plain: it selects.
  Click(*form_, OnScreen(15, 55), kSsShift, MouseButton::kRight);
  EXPECT_TRUE(third_->Selected());
  EXPECT_FALSE(first_->Selected());
  EXPECT_EQ(state.current_control.Get(), third_);
}

TEST_F(SelectionTest, AClickOnFreeScreenSelectsTheForm) {
  Click(*form_, OnScreen(15, 15));
  links.calls.clear();
  Click(*form_, OnScreen(100, 100));
  EXPECT_FALSE(first_->Selected());
  EXPECT_EQ(state.current_control.Get(), &form_->Client());
  EXPECT_EQ(form_->LastSelected(), &form_->Client());
  EXPECT_TRUE(links.Logged("ShowFormRows Form1"));
  EXPECT_TRUE(links.Logged("FocusWindow Form1"));
  EXPECT_TRUE(links.Logged("ResumeZoom"));
  EXPECT_TRUE(state.cursor_keys_active);
  EXPECT_FALSE(last_popup);
}

TEST_F(SelectionTest, ThePressingControlGetsTheInspectorAndTheFocus) {
  links.calls.clear();
  Click(*form_, OnScreen(15, 35));
  std::vector<std::string> expected_order = {"HideInlineEditors",    "RaiseWindow Form1",
                                             "ResumeZoom",           "LoadChooser 4",
                                             "FillInspector Label2", "SelectChooserEntry Label2",
                                             "FillInspector Label2", "FocusControl Label2"};
  // The chooser's list closes on every mouse input, before and after these.
  std::erase(links.calls, "CloseChooserList");
  std::vector<std::string> press(links.calls.begin(),
                                 links.calls.begin() + static_cast<long>(expected_order.size()));
  EXPECT_EQ(press, expected_order);
  // The release shows the control's new place again.
  EXPECT_EQ(links.calls.back(), "FillInspector Label2");
}

TEST_F(DesignerTest, ShiftClickInsideADialogIsRedThenMaroon) {
  TChildFrm& form = NewForm(kPT);
  TControl* dialog = Place(form, B::kDialog, 0, 0);
  TControl* a = Place(form, B::kLabel, 20, 70);
  TControl* b = Place(form, B::kLabel, 20, 100);
  ASSERT_EQ(a->Parent(), dialog);
  ASSERT_EQ(b->Parent(), dialog);
  Click(form, OnScreen(100, 130));  // the dialog's own background
  EXPECT_TRUE(dialog->Selected());
  EXPECT_EQ(state.current_control.Get(), dialog);
  Click(form, OnScreen(22, 72), kSsShift);
  EXPECT_TRUE(a->Selected());
  EXPECT_EQ(a->SelectColor(), kRedMark);
  EXPECT_FALSE(dialog->Selected());  // selecting inside the dialog unmarks it
  Click(form, OnScreen(22, 102), kSsShift);
  EXPECT_TRUE(a->Selected());
  EXPECT_EQ(a->SelectColor(), kRedMark);
  EXPECT_TRUE(b->Selected());
  EXPECT_EQ(b->SelectColor(), kMaroonMark);
}

TEST_F(DesignerTest, ADialogKeepsItsOwnMarkColour) {
  TChildFrm& form = NewForm(kCC);
  TControl* label = Place(form, B::kLabel, 10, 10);
  TControl* dialog = Place(form, B::kDialog, 0, 0);
  Click(form, OnScreen(12, 12));
  EXPECT_EQ(state.current_control.Get(), label);
  // Added with Shift at the press, while the label is marked: still the dialog's own blue.
  designer.MouseDown(form, MouseButton::kLeft, kSsShift | kSsLeft, OnScreen(100, 130));
  EXPECT_EQ(state.current_control.Get(), dialog);
  EXPECT_TRUE(dialog->Selected());
  EXPECT_EQ(dialog->SelectColor(), kBlueMark);
  EXPECT_TRUE(label->Selected());
  // The release on the dialog's background redraws the marks: the dialog alone.
  designer.MouseUp(form, MouseButton::kLeft, kSsShift | kSsLeft, OnScreen(100, 130));
  EXPECT_TRUE(dialog->Selected());
  EXPECT_FALSE(label->Selected());
}

TEST_F(DesignerTest, DraggingInsideTheDialogMovesItsControl) {
  TChildFrm& form = NewForm(kCC, true);
  TControl* dialog = Place(form, B::kDialog, 0, 0);
  TControl* label = Place(form, B::kLabel, 24, 76);
  ASSERT_EQ(label->Parent(), dialog);
  int left = label->Left();
  Drag(form, OnScreen(30, 80), OnScreen(36, 80));
  EXPECT_EQ(label->Left(), left + 8);
  EXPECT_EQ(dialog->Left(), 3);
  // The dialog itself is dragged by its title bar, by the screen mover.
  Drag(form, OnScreen(100, 64), OnScreen(105, 64));
  EXPECT_EQ(dialog->Left(), 7);
}

TEST_F(DesignerTest, AReleaseOnAMenuActivatesAndClearsTheMarks) {
  TChildFrm& other = NewForm(kCC);
  TChildFrm& form = NewForm(kCC);
  TControl* label = Place(form, B::kLabel, 40, 60);
  auto* menu = As<TCCMenu>(Place(form, B::kMenu, 0, 0));
  ASSERT_NE(menu, nullptr);
  Click(form, OnScreen(42, 62));
  EXPECT_TRUE(label->Selected());
  designer.Activate(other);
  Click(form, {menu->Left() + 3, menu->Top() + 3});
  EXPECT_EQ(state.current_window.Get(), &form);
  EXPECT_TRUE(form.Active());
  EXPECT_FALSE(other.Active());
  EXPECT_FALSE(label->Selected());
  EXPECT_FALSE(menu->Selected());
  EXPECT_EQ(state.current_control.Get(), menu);
  EXPECT_EQ(menu->Left(), 8);  // menus are never dragged
}

TEST_F(SelectionTest, AResizeLeavesTheCurrentControlTheOnlyMarkedOne) {
  Click(*form_, OnScreen(15, 15));
  Click(*form_, OnScreen(15, 35), kSsShift);
  second_->SetLeft(second_->Left() + 3);  // a move is not a resize
  EXPECT_TRUE(first_->Selected());
  second_->SetWidth(50);
  EXPECT_FALSE(first_->Selected());
  EXPECT_TRUE(second_->Selected());
  EXPECT_EQ(second_->SelectColor(), kBlueMark);
}

TEST_F(SelectionTest, ActivateRestoresTheLastSelectedControl) {
  TChildFrm& other = NewForm(kCC);
  Click(*form_, OnScreen(15, 35));
  designer.Activate(other);
  EXPECT_EQ(state.current_control.Get(), &other.Client());
  links.calls.clear();
  designer.TitleBarPressed(*form_);
  EXPECT_EQ(state.current_window.Get(), form_);
  EXPECT_EQ(state.current_control.Get(), second_);
  EXPECT_TRUE(links.Logged("FillInspector Label2"));
  EXPECT_TRUE(links.Logged("SelectChooserEntry Label2"));
  EXPECT_TRUE(form_->Active());
  EXPECT_FALSE(other.Active());
  EXPECT_EQ(WindowsInWindowOrder(state), (std::vector<TChildFrm*>{form_, &other}));
  // A last selected control that is gone gives the form, whose entry is filled.
  form_->Screen().RemoveChild(second_);
  designer.Activate(other);
  links.calls.clear();
  designer.Activate(*form_);
  EXPECT_EQ(state.current_control.Get(), &form_->Client());
  EXPECT_TRUE(links.Logged("FillInspector ChildFrm"));
  EXPECT_TRUE(links.Logged("SelectChooserEntry ChildFrm"));
}

TEST_F(DesignerTest, ActivateShowsTheFormWhenTheLastSelectedControlIsNotListed) {
  TChildFrm& form = NewForm(kPT);
  // A class this library has no kind for is not listed.
  TControl* stray = form.Screen().AddChild(CreateControl(ControlClass::kCCEdit, &form.Document()));
  stray->SetName("Stray");
  form.SetLastSelected(stray);
  links.calls.clear();
  designer.Activate(form);
  EXPECT_EQ(state.current_control.Get(), &form.Client());
  EXPECT_TRUE(links.Logged("ShowFormRows Form1"));
  EXPECT_FALSE(links.Logged("FillInspector Stray"));
}

TEST_F(SelectionTest, ThePictureAreaActivatesTheWindow) {
  TChildFrm& other = NewForm(kCC);
  ASSERT_EQ(state.current_window.Get(), &other);
  Click(*form_, {2, 200}, 0, MouseButton::kRight);
  EXPECT_EQ(state.current_window.Get(), form_);
  EXPECT_FALSE(last_popup);
}

TEST_F(SelectionTest, MovesCloseTheChooserListAndAskForTheCursor) {
  int closed = links.Count("CloseChooserList");
  designer.MouseMove(*form_, 0, OnScreen(10, 35));
  EXPECT_EQ(form_->Cursor(), CursorShape::kSizeWE);
  EXPECT_EQ(links.Count("CloseChooserList"), closed + 1);
  designer.MouseMove(*form_, kSsShift, OnScreen(10, 35));
  EXPECT_EQ(form_->Cursor(), CursorShape::kArrow);
  designer.MouseMove(*form_, 0, OnScreen(10, 30));
  EXPECT_EQ(form_->Cursor(), CursorShape::kSizeNWSE);
  designer.MouseMove(*form_, 0, OnScreen(100, 100));
  EXPECT_EQ(form_->Cursor(), CursorShape::kArrow);
}

TEST_F(SelectionTest, ADragKeepsTheMouseUntilTheRelease) {
  Drag(*form_, OnScreen(15, 15), OnScreen(120, 140));
  EXPECT_EQ(first_->Left(), 115);
  EXPECT_EQ(first_->Top(), 135);
  EXPECT_EQ(form_->MouseCapture(), nullptr);
  EXPECT_FALSE(form_->Snap().Dragging());
}

}  // namespace
}  // namespace qb::test
