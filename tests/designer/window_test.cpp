// Hit-testing, the context menu table and where a new window is shown.

#include "controls/CCButton.h"
#include "controls/CCMenu.h"
#include "controls/CCPopUp.h"
#include "controls/PTDialog.h"
#include "designer/hit_test.h"
#include "designer/pop_menu.h"
#include "designer_fixture.h"

namespace qb::test {
namespace {

constexpr LibraryId kCC = LibraryId::kCControls;
using B = PaletteButton;

TEST_F(DesignerTest, TheTopmostVisibleControlIsHit) {
  TChildFrm& form = NewForm(kCC);
  TControl* back = Place(form, B::kButton, 10, 10);  // panel 9, 9, 40 × 14
  TControl* front = Place(form, B::kLabel, 5, 5);    // 5, 5, 32 × 13, over the button
  ASSERT_NE(front, back);
  EXPECT_EQ(&HitTest(form, OnScreen(12, 12)), front);
  EXPECT_EQ(&HitTest(form, OnScreen(40, 20)), back);
  EXPECT_EQ(&HitTest(form, OnScreen(6, 6)), front);
  form.Screen().BringToFront(back);
  EXPECT_EQ(&HitTest(form, OnScreen(12, 12)), back);
  back->SetVisible(false);
  EXPECT_EQ(&HitTest(form, OnScreen(12, 12)), front);
  EXPECT_EQ(&HitTest(form, OnScreen(40, 20)), &form.Screen());
  EXPECT_EQ(&HitTest(form, {1, 1}), &form.Client());      // beside the screen
  EXPECT_EQ(&HitTest(form, {100, 200}), &form.Client());  // below it
  EXPECT_EQ(&HitTest(form, {166, 225}), &form.Client());
  EXPECT_EQ(&HitTest(form, {167, 226}), &form.Client());
}

TEST_F(DesignerTest, DialogChildrenLieOverTheDialogAndShowOnlyInsideIt) {
  TChildFrm& form = NewForm(kCC);
  auto* dialog = As<TPTDialog>(Place(form, B::kDialog, 0, 0));  // 3, 58, 156 × 84
  TControl* inner = Place(form, B::kButton, 20, 70);
  ASSERT_EQ(inner->Parent(), dialog);
  EXPECT_EQ(&HitTest(form, OnScreen(25, 75)), inner);
  EXPECT_EQ(&HitTest(form, OnScreen(100, 100)), dialog);
  EXPECT_EQ(ToLocal(form, *inner, OnScreen(25, 75)),
            (Point{25 - 3 - inner->Left(), 75 - 58 - inner->Top()}));
  // A part that sticks out of the dialog is clipped.
  inner->SetLeft(140);
  EXPECT_EQ(&HitTest(form, OnScreen(3 + 150, 75)), inner);
  EXPECT_EQ(&HitTest(form, OnScreen(159, 75)), &form.Screen());
  // A hidden dialog hides its controls.
  inner->SetLeft(17);
  dialog->SetVisible(false);
  EXPECT_EQ(&HitTest(form, OnScreen(25, 75)), &form.Screen());
}

TEST_F(DesignerTest, MenusLieOverTheScreenPanel) {
  TChildFrm& form = NewForm(kCC);
  TControl* label = Place(form, B::kLabel, 5, 2);
  TControl* menu = Place(form, B::kMenu, 0, 0);
  EXPECT_EQ(&HitTest(form, {menu->Left() + 2, menu->Top() + 2}), menu);
  EXPECT_EQ(OriginInClient(form, *menu), (Point{8, 2}));
  EXPECT_EQ(OriginInClient(form, *label), (Point{9, 4}));
  // The menu bar lies under the menus, over the screen.
  EXPECT_EQ(HitTest(form, {150, 5}).Class(), ControlClass::kCCMenuBar);
}

TEST_F(DesignerTest, AnInvisiblePopUpCannotBeClicked) {
  TChildFrm& form = NewForm(kCC);
  auto* pop_up = As<TCCPopUp>(Place(form, B::kPopUp, 10, 10));
  pop_up->SetTest(0);
  EXPECT_EQ(&HitTest(form, OnScreen(12, 12)), &form.Screen());
}

TEST(PopMenu, EntriesInMenuOrder) {
  std::vector<std::string> captions;
  for (const PopMenuEntry& entry : PopMenuEntries())
    if (entry.visible) captions.push_back(entry.caption);
  EXPECT_EQ(captions, (std::vector<std::string>{
                          "Align &Left", "Align &Right", "Align &Top", "Align &Bottom", "-",
                          "Same &Widht", "Same &Height", "-", "Center H&orizontally",
                          "Center &Vertically", "-", "Space = Horizontally", "Space = Vertically",
                          "-", "Bring to &Front", "Send to &Back", "-", "&Delete control"}));
  const std::vector<PopMenuEntry>& all = PopMenuEntries();
  ASSERT_EQ(all.size(), 20u);
  EXPECT_STREQ(all[18].caption, "-");
  EXPECT_STREQ(all[19].caption, "Grid");
  EXPECT_FALSE(all[19].visible);
}

TEST(PopMenu, LayoutEntriesCarryTheirWord) {
  struct Case {
    PopCommand command;
    const char* word;
  };
  for (Case c : {Case{PopCommand::kAlignLeft, "Left"}, Case{PopCommand::kAlignRight, "Right"},
                 Case{PopCommand::kAlignTop, "Top"}, Case{PopCommand::kAlignBottom, "Bottom"},
                 Case{PopCommand::kSameWidth, "Width"}, Case{PopCommand::kSameHeight, "Height"},
                 Case{PopCommand::kCenterHorizontally, "Horizontal"},
                 Case{PopCommand::kCenterVertically, "Vertical"},
                 Case{PopCommand::kSpaceHorizontally, "Horizontal"},
                 Case{PopCommand::kSpaceVertically, "Vertical"}}) {
    const PopMenuEntry* entry = FindPopEntry(c.command);
    ASSERT_NE(entry, nullptr);
    EXPECT_STREQ(entry->word, c.word) << entry->caption;
  }
  EXPECT_EQ(FindPopEntry(PopCommand::kNone), nullptr);
}

TEST_F(DesignerTest, ContextMenuCommandsRunInTheDesigner) {
  TChildFrm& form = NewForm(kCC);
  TControl* first = Place(form, B::kButton, 10, 10);
  TControl* second = Place(form, B::kButton, 60, 60);
  ASSERT_EQ(designer.State().current_control.Get(), second);
  designer.RunPopCommand(form, PopCommand::kSendToBack);
  EXPECT_EQ(form.Screen().Children().front().get(), second);
  designer.RunPopCommand(form, PopCommand::kNone);
  EXPECT_EQ(form.Screen().Children().front().get(), second);
  EXPECT_EQ(form.Screen().Children().back().get(), first);
}

TEST_F(DesignerTest, ARightClickOnAControlAsksForTheContextMenu) {
  TChildFrm& form = NewForm(kCC);
  Place(form, B::kButton, 10, 10);
  Click(form, OnScreen(15, 15), 0, MouseButton::kRight);
  EXPECT_TRUE(last_popup);
  Click(form, OnScreen(15, 15));
  EXPECT_FALSE(last_popup);
}

TEST_F(DesignerTest, ShowingAWindowPlacesItBelowTheToolbarsBesideTheInspector) {
  links.toolbar_height = 52;
  links.inspector_width = 264;
  links.inspector_visible = false;
  TChildFrm& corner = designer.AddWindow();
  designer.ShowWindow(corner);
  EXPECT_EQ(corner.WindowLeft(), 268);
  EXPECT_EQ(corner.WindowTop(), 56);
  EXPECT_TRUE(corner.Visible());
  EXPECT_TRUE(links.Logged("ToggleInspector"));
  TChildFrm& top = designer.AddWindow();
  top.SetWindowPos(30, 0);
  designer.ShowWindow(top);
  EXPECT_EQ(top.WindowLeft(), 30);
  EXPECT_EQ(top.WindowTop(), 56);
  TChildFrm& placed = designer.AddWindow();
  placed.SetWindowPos(0, 70);
  designer.ShowWindow(placed);
  EXPECT_EQ(placed.WindowLeft(), 0);
  EXPECT_EQ(placed.WindowTop(), 70);
}

TEST_F(DesignerTest, AWindowMadeElsewhereJoinsOnFirstUse) {
  state.library = kCC;
  state.windows.push_back(std::make_unique<TChildFrm>());
  TChildFrm& form = *state.windows.back();
  form.SetName("Loaded");
  auto* button = static_cast<TCCButton*>(
      form.Screen().AddChild(std::make_unique<TCCButton>(&form.Document())));
  button->SetName("Button9");
  button->SetResizeNotification(true);
  Click(form, OnScreen(5, 5));
  EXPECT_EQ(state.current_control.Get(), button);
  EXPECT_TRUE(button->Selected());
  EXPECT_EQ(form.Listener(), &designer);
}

TEST(DesignerLifetime, ADesignerGoneFirstLeavesItsWindowsUsable) {
  AppState state;
  FakeUi ui;
  auto links = std::make_unique<RecordingLinks>();
  auto designer = std::make_unique<Designer>(state, ui, *links);
  TChildFrm& form = designer->AddWindow();
  TChildFrm unlisted;  // a window the application state does not hold
  designer->Activate(unlisted);
  TControl* button = form.Screen().AddChild(std::make_unique<TCCButton>(&form.Document()));
  button->SetResizeNotification(true);
  designer.reset();
  button->SetWidth(60);  // no designer to tell
  for (TChildFrm* window : {&form, &unlisted}) {
    EXPECT_EQ(window->Listener(), nullptr);
    EXPECT_FALSE(static_cast<bool>(window->Snap().OnMouseDown));
    EXPECT_FALSE(static_cast<bool>(window->SnapDialog().OnMouseUp));
  }
}

}  // namespace
}  // namespace qb::test
