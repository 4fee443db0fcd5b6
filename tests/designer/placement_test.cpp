// Placing controls: grid rounding, dialogs, menus, the palette button and naming failures.

#include "controls/CCButton.h"
#include "controls/CCLabel.h"
#include "controls/CCMenu.h"
#include "controls/CCMenuBar.h"
#include "controls/PTButton.h"
#include "controls/PTDialog.h"
#include "controls/PTLabel.h"
#include "controls/PTList.h"
#include "designer/menus.h"
#include "designer_fixture.h"
#include "model/captions.h"

namespace qb::test {
namespace {

constexpr LibraryId kCC = LibraryId::kCControls;
constexpr LibraryId kPT = LibraryId::kPToolboxLib;
using B = PaletteButton;

TEST_F(DesignerTest, AWindowTakesTheGridOptionWhenCreated) {
  TChildFrm& plain = NewForm(kCC, false);
  EXPECT_EQ(plain.Screen().GridVisible(), 0);
  EXPECT_EQ(plain.Screen().GridSpace(), 4);
  EXPECT_EQ(plain.Snap().GridSize(), 1);
  TChildFrm& grid = NewForm(kCC, true);
  EXPECT_EQ(grid.Screen().GridVisible(), 1);
  EXPECT_EQ(grid.Screen().GridSpace(), 6);
  EXPECT_EQ(grid.Snap().GridSize(), 4);
  EXPECT_EQ(grid.SnapDialog().GridSize(), 4);
  EXPECT_EQ(grid.Snap().SnapToGridWindow(), &grid.Screen());
  EXPECT_EQ(grid.SnapDialog().SnapToGridWindow(), nullptr);
  EXPECT_EQ(grid.ShownDialog(), nullptr);
}

TEST_F(DesignerTest, WithTheGridAClickIsRoundedToTheNearestGridPoint) {
  TChildFrm& form = NewForm(kCC, true);
  TControl* label = Place(form, B::kLabel, 13, 22);
  EXPECT_EQ(label->Left(), 12);  // 13 / 4 = 3.25 rounds to 3
  EXPECT_EQ(label->Top(), 24);   // 22 / 4 = 5.5 rounds to 6, the even neighbour
  TControl* button = Place(form, B::kButton, 10, 50);
  EXPECT_EQ(button->UserLeft(), 8);  // 2.5 rounds to 2
  EXPECT_EQ(button->UserTop(), 48);
}

TEST_F(DesignerTest, WithoutTheGridAClickPlacesWhereItIs) {
  TChildFrm& form = NewForm(kCC, false);
  TControl* label = Place(form, B::kLabel, 13, 22);
  EXPECT_EQ(label->Left(), 13);
  EXPECT_EQ(label->Top(), 22);
}

TEST_F(DesignerTest, ANewDialogLiesAtItsPlaceWhereverClicked) {
  for (Point click : {Point{0, 0}, Point{100, 120}, Point{159, 159}}) {
    TChildFrm& form = NewForm(kPT);
    TControl* dialog = Place(form, B::kDialog, click.x, click.y);
    ASSERT_NE(As<TPTDialog>(dialog), nullptr);
    EXPECT_EQ(dialog->Left(), 3);
    EXPECT_EQ(dialog->Top(), 58);
    EXPECT_EQ(dialog->Width(), 156);
    EXPECT_EQ(dialog->Height(), 84);
    EXPECT_EQ(form.ShownDialog(), dialog);
    EXPECT_EQ(form.SnapDialog().SnapToGridWindow(), dialog);
  }
}

TEST_F(DesignerTest, ASecondDialogHidesTheFirstWithItsControls) {
  TChildFrm& form = NewForm(kPT, true);
  auto* first = As<TPTDialog>(Place(form, B::kDialog, 10, 10));
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->GridVisible(), 1);
  EXPECT_EQ(first->GridSpace(), 6);
  // A click on the shown dialog places into it.
  TControl* inside = Place(form, B::kButton, 20, 70);
  ASSERT_NE(inside, nullptr);
  EXPECT_EQ(inside->Parent(), first);
  EXPECT_EQ(inside->PalmForm(), first);
  // Palm at (17, 12) of the dialog, rounded to (16, 12), less the button's 2-pixel margin.
  EXPECT_EQ(inside->Left(), 14);
  EXPECT_EQ(inside->Top(), 10);
  auto* second = As<TPTDialog>(Place(form, B::kDialog, 10, 10));
  ASSERT_NE(second, nullptr);
  EXPECT_NE(second, first);
  EXPECT_EQ(first->Tag(), 0);
  EXPECT_FALSE(first->Visible());
  EXPECT_FALSE(inside->Showing());
  EXPECT_EQ(inside->Parent(), first);  // the first keeps its controls
  EXPECT_EQ(second->Tag(), 1);
  EXPECT_EQ(form.ShownDialog(), second);
  EXPECT_EQ(form.SnapDialog().SnapToGridWindow(), second);
  EXPECT_EQ(form.SnapDialog().GridSize(), 4);
  EXPECT_EQ(form.Screen().ChildIndex(second), 1);
  EXPECT_TRUE(second->Selected());
  EXPECT_FALSE(first->Selected());
}

TEST_F(DesignerTest, AControlPlacedInsideTheShownDialogIsMarkedRed) {
  TChildFrm& form = NewForm(kCC);
  TControl* dialog = Place(form, B::kDialog, 0, 0);
  TControl* label = Place(form, B::kLabel, 30, 80);
  ASSERT_EQ(label->Parent(), dialog);
  EXPECT_EQ(label->Left(), 27);  // the click, counted from the dialog panel
  EXPECT_EQ(label->Top(), 22);
  EXPECT_EQ(label->PalmForm(), nullptr);
  EXPECT_TRUE(label->Selected());
  EXPECT_EQ(label->SelectColor(), 255u);
  EXPECT_FALSE(dialog->Selected());
  // A dialog always goes on the screen panel, even from a click on the shown dialog.
  TControl* next = Place(form, B::kDialog, 100, 120);
  EXPECT_NE(next, dialog);
  EXPECT_EQ(next->Class(), ControlClass::kPTDialog);
  EXPECT_EQ(next->Parent(), &form.Screen());
}

TEST_F(DesignerTest, OneMenuBarForTwoMenus) {
  TChildFrm& form = NewForm(kCC);
  auto* first = As<TCCMenu>(Place(form, B::kMenu, 50, 50));
  ASSERT_NE(first, nullptr);
  TCCMenuBar* bar = FindMenuBar(form);
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->Name(), "MenuBarForm1");
  EXPECT_EQ(bar->Left(), 4);
  EXPECT_EQ(bar->Top(), 2);
  EXPECT_EQ(bar->Width(), 160);
  EXPECT_EQ(bar->Height(), 15);
  EXPECT_EQ(bar->Color(), 16777215u);
  EXPECT_EQ(bar->Parent(), &form.Client());
  auto* second = As<TCCMenu>(Place(form, B::kMenu, 50, 50));
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->Name(), "Menu2");
  int bars = 0;
  for (const auto& child : form.Client().Children())
    if (child->Class() == ControlClass::kCCMenuBar) ++bars;
  EXPECT_EQ(bars, 1);
  // The new menu is open; the first closes but stays visible.
  EXPECT_EQ(second->Test(), 1);
  EXPECT_EQ(first->Test(), 0);
  EXPECT_TRUE(first->Visible());
  EXPECT_EQ(state.current_control.Get(), second);
  std::vector<std::string> texts;
  for (const auto& entry : form.ControlList()) texts.push_back(entry.text);
  EXPECT_EQ(texts, (std::vector<std::string>{"Form1: Form", "MenuBarForm1: MenuBar", "Menu1: Menu",
                                             "Menu2: Menu"}));
}

TEST_F(DesignerTest, APlacedMenuShowsAClosedMenuBar) {
  TChildFrm& form = NewForm(kCC);
  Place(form, B::kMenu, 0, 0);
  FindMenuBar(form)->SetTest(0);
  Place(form, B::kMenu, 0, 0);
  EXPECT_EQ(FindMenuBar(form)->Test(), 1);
  EXPECT_TRUE(FindMenuBar(form)->Visible());
}

TEST_F(DesignerTest, DuplicateMenuBarNameFailsWithAMessage) {
  TChildFrm& form = NewForm(kCC);
  TControl* button = Place(form, B::kButton, 10, 10);
  button->SetName("menubarform1");  // taken in another letter case
  state.pressed_button = B::kMenu;
  Click(form, OnScreen(80, 80));
  ASSERT_EQ(ui.ShownLog().size(), 1u);
  const Shown& shown = ui.ShownLog()[0];
  EXPECT_EQ(shown.what, "message");
  EXPECT_EQ(shown.caption, "Error");
  EXPECT_EQ(shown.text, "Duplicate name");
  EXPECT_EQ(shown.icon, MsgIcon::kError);
  EXPECT_EQ(shown.buttons, kMbOk);
  EXPECT_EQ(FindMenuBar(form), nullptr);
  for (const auto& child : form.Client().Children())
    EXPECT_NE(child->Class(), ControlClass::kCCMenu);
  // Nothing was placed: the form is selected.
  EXPECT_EQ(state.current_control.Get(), &form.Client());
  EXPECT_EQ(state.pressed_button, PaletteButton::kNone);
}

TEST_F(DesignerTest, DuplicateNameMessagesPerLibrary) {
  EXPECT_STREQ(DuplicateNameMessage(kCC), "Duplicate name");
  EXPECT_STREQ(DuplicateNameMessage(kPT), "Duplicate contol name");
  EXPECT_STREQ(kCaptionError, "Error");
}

TEST_F(DesignerTest, AttachSkipsNamesTakenInAnyLetterCase) {
  TChildFrm& form = NewForm(kPT);
  Place(form, B::kLabel, 10, 10)->SetName("Copy1");
  state.control_counter = 0;
  TControl* attached =
      designer.AttachPlacedControl(form, std::make_unique<TPTButton>(&form.Document()),
                                   form.Screen(), *FindKind(kPT, "Button"), "copy");
  ASSERT_NE(attached, nullptr);
  EXPECT_EQ(attached->Name(), "copy2");
  EXPECT_TRUE(ui.ShownLog().empty());
}

// After a project is opened again the counter starts at 0: a placed or pasted control skips the
// names of every open form, not only of its own, so the project's code defines each name once.
TEST_F(DesignerTest, AutomaticNamesSkipTheNamesOfEveryOpenForm) {
  TChildFrm& form1 = NewForm(kCC);
  TChildFrm& form2 = NewForm(kCC);
  Place(form1, B::kButton, 10, 20);
  Place(form1, B::kButton, 60, 20)->SetName("BUTTON2");
  state.control_counter = 0;
  EXPECT_EQ(Place(form2, B::kButton, 10, 20)->Name(), "Button3");
  TControl* pasted =
      designer.AttachPlacedControl(form2, std::make_unique<TCCButton>(&form2.Document()),
                                   form2.Screen(), *FindKind(kCC, "Button"), "Button");
  ASSERT_NE(pasted, nullptr);
  EXPECT_EQ(pasted->Name(), "Button4");
  // Its own form's names are skipped as before; the first free number is taken.
  EXPECT_EQ(Place(form1, B::kLabel, 10, 60)->Name(), "Label5");
  EXPECT_TRUE(ui.ShownLog().empty());
}

TEST_F(DesignerTest, ThePaletteButtonStaysDownWhenAControlIsClicked) {
  TChildFrm& form = NewForm(kCC);
  TControl* button = Place(form, B::kButton, 20, 20);
  state.pressed_button = B::kLabel;
  Click(form, OnScreen(30, 25));  // on the button
  EXPECT_EQ(state.pressed_button, B::kLabel);
  EXPECT_EQ(state.current_control.Get(), button);
  EXPECT_EQ(form.Screen().Children().size(), 1u);
  Click(form, OnScreen(30, 100));  // free screen
  EXPECT_EQ(state.pressed_button, PaletteButton::kNone);
  ASSERT_EQ(form.Screen().Children().size(), 2u);
  EXPECT_EQ(form.Screen().Children()[1]->Name(), "Label2");
}

TEST_F(DesignerTest, AButtonOfTheOtherLibraryPlacesNothing) {
  TChildFrm& form = NewForm(kCC);
  state.pressed_button = B::kGsi;
  Click(form, OnScreen(30, 100));
  EXPECT_TRUE(form.Screen().Children().empty());
  EXPECT_EQ(state.current_control.Get(), &form.Client());
  EXPECT_TRUE(links.Logged("ShowFormRows Form1"));
}

TEST_F(DesignerTest, OnlyTheLeftButtonPlaces) {
  TChildFrm& form = NewForm(kCC);
  state.cursor_keys_active = false;
  state.pressed_button = B::kButton;
  Click(form, OnScreen(30, 100), 0, MouseButton::kRight);
  EXPECT_TRUE(form.Screen().Children().empty());
  EXPECT_EQ(state.pressed_button, B::kButton);
  EXPECT_TRUE(state.cursor_keys_active);  // any release on the screen turns the keys on
}

TEST_F(DesignerTest, AttachingAPastedControl) {
  TChildFrm& form = NewForm(kPT);
  TControl* dialog = Place(form, B::kDialog, 0, 0);
  auto button = std::make_unique<TPTButton>(&form.Document());
  button->SetBounds(10, 12, 46, 17);
  TPTButton* raw = button.get();
  state.current_control.Reset(raw);
  TControl* attached = designer.AttachPlacedControl(form, std::move(button), *dialog,
                                                    *FindKind(kPT, "Button"), "Button");
  ASSERT_EQ(attached, raw);
  EXPECT_EQ(raw->Parent(), dialog);
  EXPECT_EQ(raw->Name(), "Button2");
  EXPECT_EQ(raw->Left(), 10);  // kept, now counted from the dialog
  EXPECT_TRUE(raw->ResizeNotification());
  EXPECT_TRUE(raw->Selected());  // the chooser refresh marks it
  EXPECT_EQ(raw->SelectColor(), 255u);
  EXPECT_EQ(form.ControlList().front().text, "Button2: Button");

  // A pasted dialog goes on the screen panel and becomes the shown one.
  auto pasted = std::make_unique<TPTDialog>(&form.Document());
  TPTDialog* pasted_raw = pasted.get();
  designer.AttachPlacedControl(form, std::move(pasted), *dialog, *FindKind(kPT, "Dialog"),
                               "Dialog");
  EXPECT_EQ(pasted_raw->Parent(), &form.Screen());
  EXPECT_EQ(form.ShownDialog(), pasted_raw);
  EXPECT_FALSE(dialog->Visible());
  EXPECT_EQ(form.SnapDialog().SnapToGridWindow(), pasted_raw);
}

TEST_F(DesignerTest, ReleaseSnapsListHeightsAfterAResize) {
  struct Case {
    PaletteButton button;
    LibraryId lib;
    int drag_to_height;
    int snapped;
  };
  // List box: 40 / 11 = 3.6 gives 4 rows, 46; 38 / 11 = 3.45 gives 3 rows, 35.
  for (Case c : {Case{B::kListBox, kCC, 40, 46}, Case{B::kListBox, kCC, 38, 35},
                 Case{B::kTable, kCC, 40, 46}, Case{B::kPopUp, kCC, 40, 36},
                 Case{B::kListBox, kPT, 40, 47}}) {
    TChildFrm& form = NewForm(c.lib);
    TControl* list = Place(form, c.button, 10, 10);
    int bottom = 2 + 10 + list->Height() - 1;  // last row of the control in the client area
    designer.MouseMove(form, kSsCtrl, {30, bottom});
    designer.MouseDown(form, MouseButton::kLeft, kSsLeft | kSsCtrl, {30, bottom});
    Point to{30, bottom + c.drag_to_height - list->Height()};
    designer.MouseMove(form, kSsLeft | kSsCtrl, to);
    EXPECT_EQ(list->Height(), c.drag_to_height);
    designer.MouseUp(form, MouseButton::kLeft, kSsLeft | kSsCtrl, to);
    EXPECT_EQ(list->Height(), c.snapped) << list->Name();
  }
}

TEST_F(DesignerTest, ARowSnapFollowsTheTextHeight) {
  links.text_height = 14;
  TChildFrm& form = NewForm(kPT);
  TControl* list = Place(form, B::kListBox, 10, 10);
  designer.MouseMove(form, kSsCtrl, {30, 2 + 10 + 24});
  designer.MouseDown(form, MouseButton::kLeft, kSsLeft | kSsCtrl, {30, 2 + 10 + 24});
  designer.MouseMove(form, kSsLeft | kSsCtrl, {30, 2 + 10 + 24 + 20});
  designer.MouseUp(form, MouseButton::kLeft, kSsLeft | kSsCtrl, {30, 2 + 10 + 24 + 20});
  // Height 45: 45 / 14 = 3.2 gives 3 rows of the list's own row height: 3 × 11 + 3.
  EXPECT_EQ(As<TPTList>(list)->MaxItems(), 3);
  EXPECT_EQ(list->Height(), 36);
}

TEST_F(DesignerTest, AClickWithoutResizeKeepsAListsHeight) {
  links.text_height = 8;
  TChildFrm& form = NewForm(kCC);
  TControl* pop_up = Place(form, B::kPopUp, 10, 10);
  int height = pop_up->Height();
  Click(form, OnScreen(20, 15));
  EXPECT_EQ(state.current_control.Get(), pop_up);
  EXPECT_EQ(pop_up->Height(), height);
}

}  // namespace
}  // namespace qb::test
