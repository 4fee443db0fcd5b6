// The right-click before the context menu: what it points at is what the menu's commands act
// on, unless it points into the marks, which it then keeps.

#include <algorithm>

#include "designer/menus.h"
#include "layout_fixture.h"

namespace qb::test {
namespace {

constexpr LibraryId kCC = LibraryId::kCControls;
constexpr LibraryId kPT = LibraryId::kPToolboxLib;
using B = PaletteButton;
using P = PopCommand;

// Three labels on a CControls form at (10, 10), (10, 30), (10, 50).
class RightClickTest : public LayoutTest {
 protected:
  void SetUp() override {
    form_ = &NewForm(kCC);
    first_ = Place(*form_, B::kLabel, 10, 10);
    second_ = Place(*form_, B::kLabel, 10, 30);
    third_ = Place(*form_, B::kLabel, 10, 50);
  }
  void RightClick(TControl& control, ShiftState keys = 0) {
    Point origin = OriginInClient(*form_, control);
    Click(*form_, {origin.x + 3, origin.y + 3}, keys, MouseButton::kRight);
  }
  TChildFrm* form_ = nullptr;
  TControl* first_ = nullptr;
  TControl* second_ = nullptr;
  TControl* third_ = nullptr;
};

TEST_F(RightClickTest, WhatTheRightClickLeavesCurrentAndMarked) {
  struct Case {
    const char* what;
    std::vector<int> marked_before;  // 1-based; the last one is current
    int clicked;
    ShiftState keys;
    std::vector<int> marked_after;
    int current_after;
  };
  const std::vector<Case> cases = {
      {"unmarked, one other marked", {1}, 2, 0, {2}, 2},
      {"unmarked, two others marked", {1, 2}, 3, 0, {3}, 3},
      {"the current control", {1}, 1, 0, {1}, 1},
      {"marked but not current", {1, 2}, 1, 0, {1, 2}, 2},
      {"current among three", {1, 2, 3}, 3, 0, {1, 2, 3}, 3},
      {"nothing marked", {}, 2, 0, {2}, 2},
      {"with Shift it is no plain right-click", {1, 2}, 2, kSsShift, {2}, 2},
  };
  TControl* labels[] = {first_, second_, third_};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Click(*form_, OnScreen(100, 120));  // the form: no marks
    for (std::size_t i = 0; i < c.marked_before.size(); ++i)
      Click(*form_, OnScreen(15, 15 + 20 * (c.marked_before[i] - 1)),
            i == 0 ? ShiftState{0} : ShiftState{kSsShift});
    RightClick(*labels[c.clicked - 1], c.keys);
    EXPECT_TRUE(last_popup);
    for (int n = 1; n <= 3; ++n) {
      bool expected =
          std::find(c.marked_after.begin(), c.marked_after.end(), n) != c.marked_after.end();
      EXPECT_EQ(labels[n - 1]->Selected(), expected) << "label " << n;
    }
    EXPECT_EQ(state.current_control.Get(), labels[c.current_after - 1]);
    EXPECT_EQ(form_->LastSelected(), labels[c.current_after - 1]);
  }
}

TEST_F(RightClickTest, AnUnmarkedControlBecomesTheOnlyBlueMarkAndFillsTheInspector) {
  Click(*form_, OnScreen(15, 15));
  Click(*form_, OnScreen(15, 35), kSsShift);
  links.calls.clear();
  RightClick(*third_);
  EXPECT_EQ(third_->SelectColor(), kBlueMark);
  EXPECT_TRUE(links.Logged("FillInspector Label3"));
  EXPECT_TRUE(links.Logged("SelectChooserEntry Label3"));
  EXPECT_TRUE(links.Logged("HideInlineEditors"));
  EXPECT_TRUE(links.Logged("FocusControl Label3"));
}

TEST_F(RightClickTest, AMarkedControlKeepsTheInspectorOnTheCurrentOne) {
  Click(*form_, OnScreen(15, 15));
  Click(*form_, OnScreen(15, 35), kSsShift);
  links.calls.clear();
  RightClick(*first_);
  EXPECT_FALSE(links.Logged("FillInspector Label1"));
  EXPECT_EQ(first_->SelectColor(), kBlueMark);
  EXPECT_EQ(second_->SelectColor(), kNavyMark);
  EXPECT_TRUE(links.Logged("FocusControl Label2"));
}

TEST_F(RightClickTest, DeleteAfterARightClickRemovesTheControlPointedAt) {
  Click(*form_, OnScreen(15, 15));
  WeakRef<TControl> first(first_), second(second_);
  RightClick(*second_);
  Run(*form_, P::kDelete);
  EXPECT_TRUE(first);
  EXPECT_FALSE(second);
  EXPECT_TRUE(ui.ShownLog().empty());
}

TEST_F(RightClickTest, AlignAfterARightClickInsideTheMarksActsOnTheWholeSelection) {
  second_->SetLeft(30);
  third_->SetLeft(50);
  Click(*form_, OnScreen(first_->Left() + 8, first_->Top() + 8));
  Click(*form_, OnScreen(second_->Left() + 8, second_->Top() + 8), kSsShift);
  Click(*form_, OnScreen(third_->Left() + 8, third_->Top() + 8), kSsShift);
  RightClick(*second_);
  Run(*form_, P::kAlignLeft);
  EXPECT_EQ(second_->Left(), first_->Left());
  EXPECT_EQ(third_->Left(), first_->Left());
  EXPECT_EQ(state.current_control.Get(), third_);
}

TEST_F(RightClickTest, ARightClickInAnotherWindowSelectsThere) {
  Click(*form_, OnScreen(15, 15));
  TChildFrm& other = NewForm(kCC);
  TControl* label = Place(other, B::kLabel, 10, 10);
  Click(other, OnScreen(100, 120));
  ASSERT_FALSE(label->Selected());
  // The first window's label is still marked, but its window is not current.
  Click(*form_, OnScreen(15, 15), 0, MouseButton::kRight);
  EXPECT_EQ(state.current_window.Get(), form_);
  EXPECT_EQ(state.current_control.Get(), first_);
  EXPECT_TRUE(first_->Selected());
}

TEST_F(RightClickTest, InsideADialogTheRightClickSelectsInRed) {
  TChildFrm& form = NewForm(kPT);
  Place(form, B::kDialog, 0, 0);
  TControl* a = PlaceInDialog(form, B::kLabel, 10, 10);
  TControl* b = PlaceInDialog(form, B::kLabel, 10, 30);
  Pick(form, *a);
  Point origin = OriginInClient(form, *b);
  Click(form, {origin.x + 3, origin.y + 3}, 0, MouseButton::kRight);
  EXPECT_TRUE(last_popup);
  EXPECT_FALSE(a->Selected());
  EXPECT_TRUE(b->Selected());
  EXPECT_EQ(b->SelectColor(), kRedMark);
  EXPECT_EQ(state.current_control.Get(), b);
}

// A CControls form with a button and a menu, so also a menu bar.
class MenuRightClickTest : public LayoutTest {
 protected:
  void SetUp() override {
    form_ = &NewForm(kCC);
    button_ = Place(*form_, B::kButton, 10, 80);
    menu_ = Place(*form_, B::kMenu, 0, 0);
    bar_ = FindMenuBar(*form_);
    ASSERT_NE(bar_, nullptr);
    Pick(*form_, *button_);
    ASSERT_TRUE(button_->Selected());
    ASSERT_EQ(state.current_control.Get(), button_);
  }
  void RightClick(TControl& control) {
    Point origin = OriginInClient(*form_, control);
    Click(*form_, {origin.x + 2, origin.y + 2}, 0, MouseButton::kRight);
  }
  TChildFrm* form_ = nullptr;
  TControl* button_ = nullptr;
  TControl* menu_ = nullptr;
  TControl* bar_ = nullptr;
};

TEST_F(MenuRightClickTest, TheMenuBarBecomesCurrentWithoutMarks) {
  links.calls.clear();
  RightClick(*bar_);
  EXPECT_TRUE(last_popup);
  EXPECT_EQ(state.current_control.Get(), bar_);
  EXPECT_EQ(form_->LastSelected(), bar_);
  EXPECT_FALSE(button_->Selected());
  EXPECT_FALSE(bar_->Selected());
  EXPECT_TRUE(links.Logged("FillInspector " + bar_->Name()));
}

TEST_F(MenuRightClickTest, DeleteOnTheMenuBarAsksAndNoRemovesNothing) {
  WeakRef<TControl> button(button_), menu(menu_), bar(bar_);
  RightClick(*bar_);
  ui.AnswerMessage(kMbNo);
  Run(*form_, P::kDelete);
  ASSERT_EQ(ui.ShownLog().size(), 1u);
  EXPECT_EQ(ui.ShownLog()[0].text, kDeleteMenusQuestion);
  EXPECT_EQ(ui.ShownLog()[0].caption, "Warning");
  EXPECT_TRUE(button);
  EXPECT_TRUE(menu);
  EXPECT_TRUE(bar);
}

TEST_F(MenuRightClickTest, DeleteOnAMenuRemovesTheMenuNotTheMarkedButton) {
  WeakRef<TControl> button(button_), menu(menu_), bar(bar_);
  RightClick(*menu_);
  EXPECT_EQ(state.current_control.Get(), menu_);
  Run(*form_, P::kDelete);
  EXPECT_TRUE(ui.ShownLog().empty());
  EXPECT_TRUE(button);
  EXPECT_FALSE(menu);
  EXPECT_TRUE(bar);
}

TEST_F(MenuRightClickTest, ActivatingTheWindowAgainRestoresTheMenuBar) {
  RightClick(*bar_);
  TChildFrm& other = NewForm(kCC);
  ASSERT_EQ(state.current_window.Get(), &other);
  designer.Activate(*form_);
  EXPECT_EQ(state.current_control.Get(), bar_);
}

}  // namespace
}  // namespace qb::test
