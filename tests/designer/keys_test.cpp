// The designer's keys and cursor-key mode.

#include "designer_fixture.h"

namespace qb::test {
namespace {

constexpr LibraryId kCC = LibraryId::kCControls;
using B = PaletteButton;
using K = DesignerKey;

TEST_F(DesignerTest, ArrowsMoveByTheGridStepOrByOnePixel) {
  struct Case {
    bool grid_option, grid_step;
    int step;
  };
  for (Case c :
       {Case{true, true, 4}, Case{true, false, 1}, Case{false, true, 1}, Case{false, false, 1}}) {
    TChildFrm& form = NewForm(kCC, c.grid_option);
    TControl* label = Place(form, B::kLabel, 40, 40);
    int left = label->Left(), top = label->Top();
    state.grid_step = c.grid_step;
    EXPECT_TRUE(designer.KeyPressed(K::kLeft));
    EXPECT_EQ(label->Left(), left - c.step);
    EXPECT_TRUE(designer.KeyPressed(K::kUp));
    EXPECT_EQ(label->Top(), top - c.step);
    designer.KeyPressed(K::kRight);
    designer.KeyPressed(K::kRight);
    EXPECT_EQ(label->Left(), left + c.step);
    designer.KeyPressed(K::kDown);
    designer.KeyPressed(K::kDown);
    EXPECT_EQ(label->Top(), top + c.step);
  }
}

TEST_F(DesignerTest, EachArrowStepShowsTheControlAnewInTheInspector) {
  TChildFrm& form = NewForm(kCC, true);
  TControl* label = Place(form, B::kLabel, 40, 40);
  for (K key : {K::kLeft, K::kUp, K::kRight, K::kDown}) {
    links.calls.clear();
    EXPECT_TRUE(designer.KeyPressed(key));
    EXPECT_EQ(links.calls, std::vector<std::string>{"FillInspector " + label->Name()});
  }
  // Keys that move nothing leave the inspector alone.
  links.calls.clear();
  designer.KeyPressed(K::kSpace);
  EXPECT_FALSE(links.Logged("FillInspector " + label->Name()));
}

TEST_F(DesignerTest, KeyMovesAreNeitherRoundedNorKeptInsideThePanel) {
  TChildFrm& form = NewForm(kCC, true);
  state.grid_step = false;
  TControl* label = Place(form, B::kLabel, 0, 0);
  designer.KeyPressed(K::kRight);
  EXPECT_EQ(label->Left(), 1);
  state.grid_step = true;
  designer.KeyPressed(K::kLeft);
  EXPECT_EQ(label->Left(), -3);
  designer.KeyPressed(K::kUp);
  EXPECT_EQ(label->Top(), -4);
}

TEST_F(DesignerTest, ArrowKeysDoNothingAfterCursorKeyModeWentOff) {
  TChildFrm& form = NewForm(kCC, true);
  TControl* label = Place(form, B::kLabel, 40, 40);
  CursorKeysOff(state);  // the inspector's grid took the focus
  EXPECT_EQ(state.status_panels[2], "");
  EXPECT_FALSE(designer.KeyPressed(K::kLeft));
  EXPECT_FALSE(designer.KeyPressed(K::kDown));
  EXPECT_FALSE(designer.KeyPressed(K::kSpace));
  EXPECT_FALSE(designer.KeyPressed(K::kDelete));
  EXPECT_EQ(label->Left(), 40);
  EXPECT_EQ(label->Top(), 40);
  EXPECT_TRUE(state.grid_step);
  EXPECT_FALSE(links.Logged("pop &Delete control Form1"));
  // Clicking the control turns the mode on again.
  Click(form, OnScreen(42, 42));
  EXPECT_TRUE(state.cursor_keys_active);
  EXPECT_EQ(state.status_panels[2], "Cursor keys activated - Grid Step");
  EXPECT_TRUE(designer.KeyPressed(K::kLeft));
  EXPECT_EQ(label->Left(), 36);
}

TEST_F(DesignerTest, SpaceTogglesTheStepAndShowsIt) {
  NewForm(kCC);
  ASSERT_TRUE(state.grid_step);
  EXPECT_TRUE(designer.KeyPressed(K::kSpace));
  EXPECT_FALSE(state.grid_step);
  EXPECT_EQ(state.status_panels[2], "Cursor keys activated - Single Step");
  EXPECT_TRUE(designer.KeyPressed(K::kSpace));
  EXPECT_TRUE(state.grid_step);
  EXPECT_EQ(state.status_panels[2], "Cursor keys activated - Grid Step");
}

TEST_F(DesignerTest, DeleteRunsTheContextMenusDeleteEntry) {
  EXPECT_FALSE(designer.KeyPressed(K::kDelete));  // no window yet
  TChildFrm& form = NewForm(kCC);
  TControl* button = Place(form, B::kButton, 10, 10);
  ASSERT_EQ(designer.State().current_control.Get(), button);
  EXPECT_TRUE(designer.KeyPressed(K::kDelete));
  EXPECT_TRUE(form.Screen().Children().empty());
  EXPECT_TRUE(links.Logged("ShowFormRows Form1"));  // the form is shown in its place
}

TEST_F(DesignerTest, ArrowsLeaveTheFormAndMenusAlone) {
  TChildFrm& form = NewForm(kCC);
  TControl* menu = Place(form, B::kMenu, 0, 0);
  int left = menu->Left();
  EXPECT_FALSE(designer.KeyPressed(K::kRight));
  EXPECT_EQ(menu->Left(), left);
  Click(form, OnScreen(100, 100));
  ASSERT_EQ(state.current_control.Get(), &form.Client());
  EXPECT_FALSE(designer.KeyPressed(K::kDown));
  EXPECT_EQ(form.Client().Top(), 0);
  EXPECT_EQ(form.Screen().Top(), 2);
}

TEST_F(DesignerTest, AShownDialogMovesWithTheArrows) {
  TChildFrm& form = NewForm(kCC, true);
  TControl* dialog = Place(form, B::kDialog, 0, 0);
  designer.KeyPressed(K::kDown);
  EXPECT_EQ(dialog->Top(), 62);
}

}  // namespace
}  // namespace qb::test
