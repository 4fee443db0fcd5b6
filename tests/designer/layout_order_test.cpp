// Bring to front, send to back and delete: the commands on the current control.

#include <algorithm>

#include "controls/CCMenu.h"
#include "designer/menus.h"
#include "layout_fixture.h"

namespace qb::test {
namespace {

constexpr LibraryId kCC = LibraryId::kCControls;
constexpr LibraryId kPT = LibraryId::kPToolboxLib;
using B = PaletteButton;
using P = PopCommand;

std::vector<TControl*> Order(const TControl& panel) {
  std::vector<TControl*> out;
  for (const auto& child : panel.Children()) out.push_back(child.get());
  return out;
}

bool Contains(const std::vector<std::string>& texts, const std::string& text) {
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}

// A button on the screen panel behind a dialog that holds three labels.
class OrderTest : public LayoutTest {
 protected:
  void SetUp() override {
    form_ = &NewForm(kPT);
    button_ = Place(*form_, B::kButton, 10, 10);
    dialog_ = Place(*form_, B::kDialog, 0, 0);
    a_ = PlaceInDialog(*form_, B::kLabel, 10, 10);
    b_ = PlaceInDialog(*form_, B::kLabel, 10, 30);
    c_ = PlaceInDialog(*form_, B::kLabel, 10, 50);
  }
  TChildFrm* form_ = nullptr;
  TControl* button_ = nullptr;
  TControl* dialog_ = nullptr;
  TControl* a_ = nullptr;
  TControl* b_ = nullptr;
  TControl* c_ = nullptr;
};

TEST_F(OrderTest, ZOrderInsideADialogChangesOnlyTheDialogsOrder) {
  Pick(*form_, *a_);
  Run(*form_, P::kBringToFront);
  EXPECT_EQ(Order(*dialog_), (std::vector<TControl*>{b_, c_, a_}));
  EXPECT_EQ(Order(form_->Screen()), (std::vector<TControl*>{button_, dialog_}));

  Pick(*form_, *c_);
  Run(*form_, P::kSendToBack);
  EXPECT_EQ(Order(*dialog_), (std::vector<TControl*>{c_, b_, a_}));
  EXPECT_EQ(Order(form_->Screen()), (std::vector<TControl*>{button_, dialog_}));
}

TEST_F(OrderTest, OnlyTheCurrentControlMoves) {
  Pick(*form_, *a_);
  Pick(*form_, *b_, true);  // b is current, a stays marked
  Run(*form_, P::kSendToBack);
  EXPECT_EQ(Order(*dialog_), (std::vector<TControl*>{b_, a_, c_}));
}

TEST_F(OrderTest, ZOrderOnTheScreenPanel) {
  Pick(*form_, *button_);
  Run(*form_, P::kBringToFront);
  EXPECT_EQ(Order(form_->Screen()), (std::vector<TControl*>{dialog_, button_}));
  Run(*form_, P::kSendToBack);
  EXPECT_EQ(Order(form_->Screen()), (std::vector<TControl*>{button_, dialog_}));
}

TEST_F(OrderTest, TheFormItselfMovesItsWindow) {
  Click(*form_, OnScreen(150, 20));  // free screen: the form is current
  ASSERT_EQ(state.current_control.Get(), &form_->Client());
  links.calls.clear();
  Run(*form_, P::kBringToFront);
  Run(*form_, P::kSendToBack);
  EXPECT_EQ(links.calls, (std::vector<std::string>{"RaiseWindow Form1", "LowerWindow Form1"}));
  EXPECT_EQ(Order(form_->Screen()), (std::vector<TControl*>{button_, dialog_}));
}

TEST_F(LayoutTest, AMenuSentToBackStaysInFrontOfTheScreenPanel) {
  TChildFrm& form = NewForm(kCC);
  TControl* first = Place(form, B::kMenu, 50, 50);
  TControl* second = Place(form, B::kMenu, 50, 50);
  TControl* bar = FindMenuBar(form);
  ASSERT_EQ(state.current_control.Get(), second);
  Run(form, P::kSendToBack);
  EXPECT_EQ(Order(form.Client()), (std::vector<TControl*>{&form.Screen(), second, bar, first}));
}

TEST_F(LayoutTest, DeletingAButtonAsksNothingAndShowsTheForm) {
  TChildFrm& form = NewForm(kPT);
  TControl* keep = Place(form, B::kLabel, 60, 60);
  TControl* button = Place(form, B::kButton, 10, 10);
  WeakRef<TControl> gone(button);
  Pick(form, *button);
  ASSERT_EQ(form.LastSelected(), button);
  links.calls.clear();

  Run(form, P::kDelete);
  EXPECT_FALSE(gone);
  EXPECT_TRUE(ui.ShownLog().empty());
  EXPECT_EQ(Order(form.Screen()), (std::vector<TControl*>{keep}));
  EXPECT_EQ(ListTexts(form), (std::vector<std::string>{"Label1: Label", "Form1: Form"}));
  EXPECT_EQ(state.current_control.Get(), &form.Client());
  EXPECT_EQ(form.LastSelected(), nullptr);
  EXPECT_TRUE(links.Logged("LoadChooser 2"));
  EXPECT_TRUE(links.Logged("ShowFormRows Form1"));
  EXPECT_EQ(links.calls.back(), "FocusWindow Form1");
  // Activating the window again shows the form.
  designer.Activate(form);
  EXPECT_EQ(state.current_control.Get(), &form.Client());
}

TEST_F(LayoutTest, DeletingTheFormDoesNothing) {
  TChildFrm& form = NewForm(kCC);
  Place(form, B::kButton, 10, 10);
  Click(form, OnScreen(100, 100));
  ASSERT_EQ(state.current_control.Get(), &form.Client());
  links.calls.clear();
  Run(form, P::kDelete);
  EXPECT_EQ(form.Screen().Children().size(), 1u);
  EXPECT_TRUE(links.calls.empty());
  EXPECT_TRUE(ui.ShownLog().empty());
}

TEST_F(LayoutTest, DeletingADialogTakesItsControlsAlong) {
  TChildFrm& form = NewForm(kPT);
  TControl* button = Place(form, B::kButton, 10, 10);
  TControl* dialog = Place(form, B::kDialog, 0, 0);
  WeakRef<TControl> inner_label(PlaceInDialog(form, B::kLabel, 10, 10));
  WeakRef<TControl> inner_list(PlaceInDialog(form, B::kListBox, 60, 10));
  ASSERT_TRUE(inner_label && inner_list);
  Pick(form, *inner_label.Get());
  Click(form, OnScreen(dialog->Left() + 150, dialog->Top() + 80));  // the dialog itself
  ASSERT_EQ(state.current_control.Get(), dialog);

  Run(form, P::kDelete);
  EXPECT_FALSE(inner_label);
  EXPECT_FALSE(inner_list);
  EXPECT_EQ(form.ShownDialog(), nullptr);
  EXPECT_EQ(form.SnapDialog().SnapToGridWindow(), nullptr);
  EXPECT_EQ(Order(form.Screen()), (std::vector<TControl*>{button}));
  EXPECT_EQ(form.AllControls(), (std::vector<TControl*>{button}));
  EXPECT_EQ(ListTexts(form), (std::vector<std::string>{"Button1: Button", "Form1: Form"}));
  EXPECT_EQ(&HitTest(form, OnScreen(80, 100)), &form.Screen());
}

TEST_F(LayoutTest, DeletingAControlInsideADialogKeepsTheDialogShown) {
  TChildFrm& form = NewForm(kCC);
  TControl* dialog = Place(form, B::kDialog, 0, 0);
  TControl* inner = PlaceInDialog(form, B::kButton, 10, 10);
  Pick(form, *inner);
  Run(form, P::kDelete);
  EXPECT_TRUE(dialog->Children().empty());
  EXPECT_EQ(form.ShownDialog(), dialog);
  EXPECT_EQ(ListTexts(form), (std::vector<std::string>{"Dialog1: Dialog", "Form1: Form"}));
}

// A CControls form with two menus and their menu bar, the bar current.
class MenuBarDeleteTest : public LayoutTest {
 protected:
  void SetUp() override {
    form_ = &NewForm(kCC);
    button_ = Place(*form_, B::kButton, 10, 10);
    menus_ = {Place(*form_, B::kMenu, 50, 50), Place(*form_, B::kMenu, 50, 50)};
    bar_ = FindMenuBar(*form_);
    ASSERT_NE(bar_, nullptr);
    designer.Inspect(*form_, *bar_);  // as a pick in the chooser does
    links.calls.clear();
  }
  void ExpectQuestion() {
    ASSERT_EQ(ui.ShownLog().size(), 1u);
    const Shown& shown = ui.ShownLog()[0];
    EXPECT_EQ(shown.what, "message");
    EXPECT_EQ(shown.caption, "Warning");
    EXPECT_EQ(shown.text, "Are you sure? All menus wil be deleted");
    EXPECT_EQ(shown.icon, MsgIcon::kWarning);
    EXPECT_EQ(shown.buttons, kMbYes | kMbNo);
    EXPECT_EQ(shown.default_button, kMbNo);
  }
  TChildFrm* form_ = nullptr;
  TControl* button_ = nullptr;
  std::vector<TControl*> menus_;
  TControl* bar_ = nullptr;
};

TEST_F(MenuBarDeleteTest, YesDestroysEveryMenuAndTheBar) {
  WeakRef<TControl> first(menus_[0]), second(menus_[1]), bar(bar_);
  ui.AnswerMessage(kMbYes);
  Run(*form_, P::kDelete);
  ExpectQuestion();
  EXPECT_FALSE(first);
  EXPECT_FALSE(second);
  EXPECT_FALSE(bar);
  EXPECT_EQ(Order(form_->Client()), (std::vector<TControl*>{&form_->Screen()}));
  EXPECT_EQ(ListTexts(*form_), (std::vector<std::string>{"Button1: Button", "Form1: Form"}));
  EXPECT_EQ(state.current_control.Get(), &form_->Client());
  EXPECT_TRUE(links.Logged("ShowFormRows Form1"));
  EXPECT_EQ(button_->Parent(), &form_->Screen());
}

TEST_F(MenuBarDeleteTest, NoKeepsThemListedAndShowsTheForm) {
  ui.AnswerMessage(kMbNo);
  Run(*form_, P::kDelete);
  ExpectQuestion();
  EXPECT_EQ(Order(form_->Client()).size(), 4u);
  std::vector<std::string> texts = ListTexts(*form_);
  EXPECT_TRUE(Contains(texts, "MenuBarForm1: MenuBar"));
  EXPECT_TRUE(Contains(texts, menus_[0]->Name() + ": Menu"));
  EXPECT_TRUE(Contains(texts, menus_[1]->Name() + ": Menu"));
  EXPECT_EQ(state.current_control.Get(), &form_->Client());
  EXPECT_EQ(form_->LastSelected(), nullptr);
  EXPECT_TRUE(links.Logged("ShowFormRows Form1"));
}

TEST_F(MenuBarDeleteTest, AMenuGoesWithoutAQuestion) {
  WeakRef<TControl> gone(menus_[0]);
  const std::string entry = menus_[0]->Name() + ": Menu";
  designer.Inspect(*form_, *menus_[0]);
  Run(*form_, P::kDelete);
  EXPECT_TRUE(ui.ShownLog().empty());
  EXPECT_FALSE(gone);
  EXPECT_EQ(FindMenuBar(*form_), bar_);
  EXPECT_FALSE(Contains(ListTexts(*form_), entry));
  EXPECT_TRUE(Contains(ListTexts(*form_), menus_[1]->Name() + ": Menu"));
}

}  // namespace
}  // namespace qb::test
