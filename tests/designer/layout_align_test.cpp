// Align, same size, centre and space equally on the marks of a window.

#include "controls/PTDialog.h"
#include "layout_fixture.h"

namespace qb::test {
namespace {

constexpr LibraryId kCC = LibraryId::kCControls;
using B = PaletteButton;
using P = PopCommand;

TEST_F(LayoutTest, AlignLeftGivesTheNavyLabelsTheBlueButtonsPalmLeft) {
  TChildFrm& form = NewForm(kCC);
  TControl* button = Place(form, B::kButton, 10, 10);
  TControl* first = Place(form, B::kLabel, 40, 40);
  TControl* second = Place(form, B::kLabel, 70, 70);
  Pick(form, *button);
  Pick(form, *first, true);
  Pick(form, *second, true);
  ASSERT_EQ(button->SelectColor(), kBlueMark);
  ASSERT_EQ(first->SelectColor(), kNavyMark);
  ASSERT_EQ(second->SelectColor(), kNavyMark);

  Run(form, P::kAlignLeft);
  EXPECT_EQ(button->UserLeft(), 10);
  EXPECT_EQ(first->UserLeft(), 10);
  EXPECT_EQ(first->Left(), 9);
  EXPECT_EQ(second->UserLeft(), 10);
  EXPECT_EQ(first->Top(), 40);
  EXPECT_EQ(second->Top(), 70);
}

TEST_F(LayoutTest, AlignRightPutsACheckBoxsPanelRightEdgeAtTheButtonsPalmRightEdge) {
  TChildFrm& form = NewForm(kCC);
  TControl* button = Place(form, B::kButton, 10, 10);
  button->SetUserWidth(30);
  TControl* check = Place(form, B::kCheckBox, 60, 60);
  const int check_width = check->Width();
  Pick(form, *button);
  Pick(form, *check, true);

  Run(form, P::kAlignRight);
  EXPECT_EQ(check->Left() + check->Width(), 40);
  EXPECT_EQ(check->Width(), check_width);
  EXPECT_EQ(check->Top(), 60);
  EXPECT_EQ(button->UserLeft(), 10);
}

TEST_F(LayoutTest, SameWidthKeepsEveryMark) {
  TChildFrm& form = NewForm(kCC);
  TControl* button = Place(form, B::kButton, 10, 10);
  button->SetUserWidth(50);
  TControl* label = Place(form, B::kLabel, 10, 60);
  Pick(form, *button);
  Pick(form, *label, true);

  Run(form, P::kSameWidth);
  EXPECT_EQ(label->UserWidth(), 50);
  EXPECT_EQ(label->Width(), 52);
  // The size change is not reported, so the selection stays as it was.
  EXPECT_TRUE(button->Selected());
  EXPECT_EQ(button->SelectColor(), kBlueMark);
  EXPECT_TRUE(label->Selected());
  EXPECT_EQ(label->SelectColor(), kNavyMark);
  // Later size changes are reported again.
  label->SetWidth(80);
  EXPECT_FALSE(button->Selected());
}

TEST_F(LayoutTest, SameHeightWithAReferenceWithoutHeightChangesNothing) {
  TChildFrm& form = NewForm(kCC);
  TControl* label = Place(form, B::kLabel, 10, 10);
  TControl* button = Place(form, B::kButton, 10, 60);
  button->SetUserHeight(30);
  Pick(form, *label);
  Pick(form, *button, true);

  Run(form, P::kSameHeight);
  EXPECT_EQ(button->UserHeight(), 30);
}

TEST_F(LayoutTest, TheReferenceDoesNotMove) {
  TChildFrm& form = NewForm(kCC);
  TControl* radio = Place(form, B::kRadio, 10, 10);
  radio->SetWidth(45);  // Palm width 43 by its three items; writing 43 back would give 44
  TControl* button = Place(form, B::kButton, 10, 60);
  Pick(form, *radio);
  Pick(form, *button, true);

  Run(form, P::kSameWidth);
  EXPECT_EQ(radio->Width(), 45);
  EXPECT_EQ(button->UserWidth(), 43);
}

TEST_F(LayoutTest, NothingHappensWithoutAPrimaryMark) {
  TChildFrm& form = NewForm(kCC);
  TControl* first = Place(form, B::kButton, 10, 10);
  TControl* second = Place(form, B::kButton, 60, 60);
  Pick(form, *first);
  Pick(form, *second, true);
  first->SetSelected(false);  // only the navy mark is left

  Run(form, P::kAlignLeft);
  EXPECT_EQ(second->UserLeft(), 60);
  EXPECT_TRUE(ui.ShownLog().empty());
}

// A dialog at panel (3, 58) with a Button and a Label inside, and a Button on the screen
// panel above it.
class DialogFirstTest : public LayoutTest {
 protected:
  void Build(bool dialog_behind) {
    form_ = &NewForm(kCC);
    if (!dialog_behind) on_screen_ = Place(*form_, B::kButton, 20, 10);
    dialog_ = Place(*form_, B::kDialog, 0, 0);
    inner_button_ = PlaceInDialog(*form_, B::kButton, 17, 10);
    inner_label_ = PlaceInDialog(*form_, B::kLabel, 40, 40);
    if (dialog_behind) on_screen_ = Place(*form_, B::kButton, 20, 10);
    screen_label_ = Place(*form_, B::kLabel, 90, 30);
    ASSERT_EQ(inner_button_->Parent(), dialog_);
    ASSERT_EQ(inner_label_->Parent(), dialog_);
    ASSERT_EQ(on_screen_->Parent(), &form_->Screen());
  }
  TChildFrm* form_ = nullptr;
  TControl* dialog_ = nullptr;
  TControl* inner_button_ = nullptr;
  TControl* inner_label_ = nullptr;
  TControl* on_screen_ = nullptr;
  TControl* screen_label_ = nullptr;
};

TEST_F(DialogFirstTest, ADialogBehindTheBlueControlWins) {
  Build(true);
  Pick(*form_, *inner_button_);
  Pick(*form_, *inner_label_, true);
  Pick(*form_, *on_screen_, true);
  Pick(*form_, *screen_label_, true);
  ASSERT_EQ(inner_button_->SelectColor(), kRedMark);
  ASSERT_EQ(inner_label_->SelectColor(), kMaroonMark);
  ASSERT_EQ(on_screen_->SelectColor(), kBlueMark);

  Run(*form_, P::kAlignLeft);
  EXPECT_EQ(inner_label_->UserLeft(), inner_button_->UserLeft());
  EXPECT_EQ(inner_label_->UserLeft(), 17);
  EXPECT_EQ(screen_label_->Left(), 90);  // the screen panel's marks are left alone
}

TEST_F(DialogFirstTest, ABlueControlBehindTheDialogWins) {
  Build(false);
  Pick(*form_, *on_screen_);
  Pick(*form_, *screen_label_, true);
  Pick(*form_, *inner_button_, true);
  Pick(*form_, *inner_label_, true);
  ASSERT_EQ(on_screen_->SelectColor(), kBlueMark);
  ASSERT_EQ(inner_button_->SelectColor(), kRedMark);

  Run(*form_, P::kAlignLeft);
  EXPECT_EQ(screen_label_->UserLeft(), 20);
  EXPECT_EQ(inner_label_->Left(), 40);
}

TEST_F(DialogFirstTest, AMarkedDialogIsAReferenceOnTheScreenPanel) {
  Build(true);
  // The dialog's own background, below its two controls.
  Click(*form_, OnScreen(dialog_->Left() + 150, dialog_->Top() + 80));
  Pick(*form_, *screen_label_, true);
  ASSERT_TRUE(dialog_->Selected());

  Run(*form_, P::kAlignTop);
  EXPECT_EQ(screen_label_->UserTop(), dialog_->Top());  // a dialog's top is its panel top
}

TEST_F(LayoutTest, CentreTruncatesAndWorksInEachPanel) {
  TChildFrm& form = NewForm(kCC);
  TControl* dialog = Place(form, B::kDialog, 0, 0);
  TControl* inner = PlaceInDialog(form, B::kButton, 10, 10);
  TControl* wide = Place(form, B::kButton, 10, 10);
  TControl* unmarked = Place(form, B::kButton, 80, 20);
  TControl* too_wide = Place(form, B::kBitmap, 100, 10);
  wide->SetBounds(5, 5, 41, 20);
  too_wide->SetBounds(-20, 100, 171, 30);
  inner->SetBounds(10, 10, 41, 20);
  Pick(form, *wide);
  Pick(form, *too_wide, true);
  Pick(form, *inner, true);

  Run(form, P::kCenterHorizontally);
  EXPECT_EQ(wide->Left(), 59);      // (160 - 41) / 2 = 59.5
  EXPECT_EQ(too_wide->Left(), -5);  // (160 - 171) / 2 = -5.5, towards zero
  EXPECT_EQ(inner->Left(), 57);     // (156 - 41) / 2 = 57.5 in the dialog
  EXPECT_EQ(unmarked->Left(), 79);
  EXPECT_EQ(wide->Top(), 5);

  Run(form, P::kCenterVertically);
  EXPECT_EQ(wide->Top(), 70);   // (160 - 20) / 2
  EXPECT_EQ(inner->Top(), 32);  // (84 - 20) / 2
  EXPECT_EQ(dialog->Top(), 58);
  EXPECT_EQ(wide->Left(), 59);
}

// Buttons on the screen panel with the given panel lefts and widths, all marked.
class SpaceTest : public LayoutTest {
 protected:
  std::vector<TControl*> Buttons(TChildFrm& form, const std::vector<std::pair<int, int>>& boxes) {
    std::vector<TControl*> out;
    int top = 5;
    for (auto [left, width] : boxes) {
      TControl* b = Place(form, B::kButton, 0, 0);
      b->SetBounds(left, top, width, 14);
      top += 30;
      out.push_back(b);
    }
    for (std::size_t i = 0; i < out.size(); ++i) Pick(form, *out[i], i > 0);
    return out;
  }
};

TEST_F(SpaceTest, SpreadsTheGapsBetweenTheOutermostControls) {
  TChildFrm& form = NewForm(kCC);
  auto b = Buttons(form, {{10, 10}, {20, 10}, {100, 20}});
  Run(form, P::kSpaceHorizontally);
  // W = 40, free = 120 - 10 - 40 = 70, gap = 35.
  EXPECT_EQ(b[0]->Left(), 10);
  EXPECT_EQ(b[1]->Left(), 55);
  EXPECT_EQ(b[2]->Left(), 100);
}

TEST_F(SpaceTest, OnlyTheFirstOfControlsWithTheSameLeftTakesPart) {
  TChildFrm& form = NewForm(kCC);
  auto b = Buttons(form, {{10, 10}, {10, 10}, {50, 10}});
  Run(form, P::kSpaceHorizontally);
  // n = 2, W = 30, free = 60 - 10 - 30 = 20.
  EXPECT_EQ(b[0]->Left(), 10);
  EXPECT_EQ(b[1]->Left(), 10);
  EXPECT_EQ(b[2]->Left(), 40);
}

TEST_F(SpaceTest, TheControlBehindIsTheOneThatTakesPart) {
  TChildFrm& form = NewForm(kCC);
  // The back one is 10 wide, the front one 30; W = 50, free = 0.
  auto b = Buttons(form, {{10, 10}, {10, 30}, {50, 10}});
  Run(form, P::kSpaceHorizontally);
  EXPECT_EQ(b[2]->Left(), 20);
  EXPECT_EQ(b[1]->Left(), 10);
}

TEST_F(SpaceTest, TheLastControlTakesTheAccumulatedTruncation) {
  TChildFrm& form = NewForm(kCC);
  // W = 30, free = 100 - 0 - 30 = 70, gap = trunc(70 / 3) = 23.
  auto b = Buttons(form, {{0, 10}, {5, 5}, {40, 5}, {90, 10}});
  Run(form, P::kSpaceHorizontally);
  EXPECT_EQ(b[1]->Left(), 33);
  EXPECT_EQ(b[2]->Left(), 61);
  EXPECT_EQ(b[3]->Left(), 89);
}

TEST_F(SpaceTest, VerticallyUsesTopsAndHeights) {
  TChildFrm& form = NewForm(kCC);
  std::vector<TControl*> b;
  for (auto [top, height] : std::vector<std::pair<int, int>>{{10, 10}, {20, 10}, {100, 20}}) {
    TControl* c = Place(form, B::kButton, 0, 0);
    b.push_back(c);
    c->SetBounds(static_cast<int>(b.size()) * 30, top, 20, height);
  }
  for (std::size_t i = 0; i < b.size(); ++i) Pick(form, *b[i], i > 0);
  Run(form, P::kSpaceVertically);
  EXPECT_EQ(b[1]->Top(), 55);
  EXPECT_EQ(b[2]->Top(), 100);
}

TEST_F(SpaceTest, EachDialogIsSpacedOnItsOwn) {
  TChildFrm& form = NewForm(kCC);
  Place(form, B::kDialog, 0, 0);
  std::vector<TControl*> inner;
  for (int left : {5, 20, 100}) {
    TControl* c = PlaceInDialog(form, B::kButton, 140, 70);
    c->SetBounds(left, static_cast<int>(inner.size()) * 20 + 5, 10, 14);
    inner.push_back(c);
  }
  TControl* alone = Place(form, B::kButton, 0, 0);
  alone->SetBounds(70, 10, 10, 14);
  for (std::size_t i = 0; i < inner.size(); ++i) Pick(form, *inner[i], i > 0);
  Pick(form, *alone, true);

  Run(form, P::kSpaceHorizontally);
  // W = 30, free = 110 - 5 - 30 = 75, gap 37.
  EXPECT_EQ(inner[1]->Left(), 52);
  EXPECT_EQ(inner[2]->Left(), 99);
  EXPECT_EQ(alone->Left(), 70);  // one marked control on the screen panel: nothing to space
}

}  // namespace
}  // namespace qb::test
