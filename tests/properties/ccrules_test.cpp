// The CControls rules' vocabularies, side effects and messages.

#include "controls/CCBitmap.h"
#include "controls/CCButton.h"
#include "controls/CCCheckbox.h"
#include "controls/CCDropDown.h"
#include "controls/CCEdit.h"
#include "controls/CCLabel.h"
#include "controls/CCListBox.h"
#include "controls/CCMenu.h"
#include "controls/CCMenuBar.h"
#include "controls/CCPopUp.h"
#include "controls/CCTable.h"
#include "controls/PTDialog.h"
#include "inspector_fixture.h"
#include "model/user_error.h"

namespace qb::test {
namespace {

constexpr LibraryId kCC = LibraryId::kCControls;

class CCRulesTest : public InspectorTest {
 protected:
  void SetUp() override { form = &NewForm(kCC, "Form1"); }
  void Apply(const std::string& row, const std::string& text) {
    inspector.Rules().ApplyValue(row, text);
  }
  TChildFrm* form = nullptr;
};

TEST_F(CCRulesTest, OnlyTheExactWordNoClearsTestItemsAndTest) {
  auto& drop = PlaceAs<TCCDropDown>(*form, "DropDown");
  Apply("TestItems", "no");
  EXPECT_EQ(drop.TestItems(), 1);
  Apply("TestItems", "No");
  EXPECT_EQ(drop.TestItems(), 0);
  Apply("TestItems", "");
  EXPECT_EQ(drop.TestItems(), 1);

  auto& pop = PlaceAs<TCCPopUp>(*form, "PopUp");
  Apply("Test", "No");
  EXPECT_EQ(pop.Test(), 0);
  EXPECT_FALSE(pop.Visible());
  Apply("Test", "NO");
  EXPECT_EQ(pop.Test(), 1);
  EXPECT_TRUE(pop.Visible());
}

TEST_F(CCRulesTest, OnlyTheExactWordYesMakesAnImageClickable) {
  auto& image = PlaceAs<TCCBitmap>(*form, "Image");
  Apply("Clickable", "yes");
  EXPECT_EQ(image.Tag(), 0);
  EXPECT_EQ(inspector.Rules().ValueText(image, "Clickable"), "No");
  Apply("Clickable", "Yes");
  EXPECT_EQ(image.Tag(), 1);
}

TEST_F(CCRulesTest, UnknownWordsChangeNothing) {
  auto& label = PlaceAs<TCCLabel>(*form, "Label");
  Apply("Line", "Gray");
  Apply("Line", "Grey");
  Apply("Line", "gray");
  EXPECT_EQ(label.Line(), 2);
  Apply("Style", "Boxed");
  Apply("Style", "boxed");
  EXPECT_EQ(label.Style(), 2);
  Apply("Alignment", "Center");
  EXPECT_EQ(label.Alignment(), TextAlign::kCenter);
  EXPECT_EQ(inspector.Rules().ValueText(label, "Alignment"), "Center");
  Apply("Alignment", "Middle");
  EXPECT_EQ(label.Alignment(), TextAlign::kCenter);
  Apply("Alignment", "Right");
  EXPECT_EQ(label.Alignment(), TextAlign::kRight);
}

TEST_F(CCRulesTest, StoredValuesOutsideTheVocabularyShowEmpty) {
  auto& label = PlaceAs<TCCLabel>(*form, "Label");
  label.SetLine(7);
  label.SetStyle(-1);
  EXPECT_EQ(inspector.Rules().ValueText(label, "Line"), "");
  EXPECT_EQ(inspector.Rules().ValueText(label, "Style"), "");
}

TEST_F(CCRulesTest, FontWordsMapToThePalmFaces) {
  auto& button = PlaceAs<TCCButton>(*form, "Button");
  Apply("Font", "LargeBold");
  EXPECT_EQ(button.Font().name, "PilotBold12");
  Apply("Font", "bold");
  EXPECT_EQ(button.Font().name, "PilotStandard");
  button.SetFontName("Arial");
  EXPECT_EQ(inspector.Rules().ValueText(button, "Font"), "Standard");
}

TEST_F(CCRulesTest, StateIsTrueOnlyForOne) {
  auto& check = Place(*form, "CheckBox");
  Apply("State", "True");
  EXPECT_EQ(inspector.Rules().ValueText(check, "State"), "True");
  Apply("State", "true");
  EXPECT_EQ(inspector.Rules().ValueText(check, "State"), "False");
  static_cast<TCCCheckbox&>(check).SetState(2);
  EXPECT_EQ(inspector.Rules().ValueText(check, "State"), "False");
  auto& image = Place(*form, "Image");
  image.SetTag(2);
  EXPECT_EQ(inspector.Rules().ValueText(image, "Clickable"), "No");
  auto& drop = PlaceAs<TCCDropDown>(*form, "DropDown");
  drop.SetTestItems(2);
  EXPECT_EQ(inspector.Rules().ValueText(drop, "TestItems"), "Yes");
}

TEST_F(CCRulesTest, MenuLeftIsCountedFromTheScreenEdge) {
  auto& menu = PlaceAs<TCCMenu>(*form, "Menu");
  menu.SetUserLeft(5);
  EXPECT_EQ(inspector.Rules().ValueText(menu, "Left"), "1");
  Apply("Left", "10");
  EXPECT_EQ(menu.UserLeft(), 14);
  EXPECT_EQ(menu.Left(), 13);
  EXPECT_EQ(inspector.Rules().ValueText(menu, "Left"), "10");
}

TEST_F(CCRulesTest, ASecondOpenMenuClosesTheFirstAndShowsTheBar) {
  auto& first = PlaceAs<TCCMenu>(*form, "Menu");
  auto& second = PlaceAs<TCCMenu>(*form, "Menu");
  auto* bar = As<TCCMenuBar>(form->FindControl("MenuBarForm1"));
  ASSERT_NE(bar, nullptr);
  bar->SetTest(0);
  first.SetTest(1);
  state.current_control.Reset(&second);
  Apply("Test", "Yes");
  EXPECT_EQ(second.Test(), 1);
  EXPECT_EQ(first.Test(), 0);
  EXPECT_TRUE(first.Visible());
  EXPECT_EQ(bar->Test(), 1);
  EXPECT_TRUE(bar->Visible());
}

TEST_F(CCRulesTest, ClosingAMenuChangesNoOtherMenu) {
  auto& first = PlaceAs<TCCMenu>(*form, "Menu");
  auto& second = PlaceAs<TCCMenu>(*form, "Menu");
  Apply("Test", "No");
  EXPECT_EQ(second.Test(), 0);
  EXPECT_EQ(first.Test(), 0);  // closed when the second was placed
  Apply("Test", "maybe");
  EXPECT_EQ(second.Test(), 0);
}

TEST_F(CCRulesTest, MenuBarNoHidesEveryMenuAndYesShowsTheBarAlone) {
  auto& first = PlaceAs<TCCMenu>(*form, "Menu");
  auto& second = PlaceAs<TCCMenu>(*form, "Menu");
  auto* bar = As<TCCMenuBar>(form->FindControl("MenuBarForm1"));
  ASSERT_NE(bar, nullptr);
  Show(*bar);
  Apply("Test", "No");
  EXPECT_FALSE(bar->Visible());
  for (TCCMenu* menu : {&first, &second}) {
    EXPECT_EQ(menu->Test(), 0);
    EXPECT_FALSE(menu->Visible());
  }
  Apply("Test", "Maybe");
  EXPECT_EQ(bar->Test(), 0);
  Apply("Test", "Yes");
  EXPECT_TRUE(bar->Visible());
  EXPECT_FALSE(first.Visible());
  EXPECT_FALSE(second.Visible());
}

TEST_F(CCRulesTest, ShowingAClosedMenuOpensItUnlessTheTestRowIsSelected) {
  auto& first = PlaceAs<TCCMenu>(*form, "Menu");
  auto& second = PlaceAs<TCCMenu>(*form, "Menu");
  EXPECT_EQ(first.Test(), 0);
  SelectRowQuietly("Left");
  Show(first);
  EXPECT_EQ(first.Test(), 1);
  EXPECT_EQ(second.Test(), 0);
  EXPECT_EQ(Cell("Test"), "Yes");

  SelectRowQuietly("Test");
  Apply("Test", "No");
  Show(first);
  EXPECT_EQ(first.Test(), 0);
  EXPECT_EQ(Cell("Test"), "No");
}

TEST_F(CCRulesTest, ApplyingAnyMenuRowBringsTheMenuToTheFront) {
  auto& first = PlaceAs<TCCMenu>(*form, "Menu");
  PlaceAs<TCCMenu>(*form, "Menu");
  state.current_control.Reset(&first);
  const auto& children = form->Client().Children();
  EXPECT_NE(children.back().get(), &first);
  Apply("Topic", "File");
  EXPECT_EQ(children.back().get(), &first);
  EXPECT_EQ(first.Topic(), "File");
}

// Showing reads: the limit applies where a size enters (the inspector, the mouse, the keys,
// the layout commands, the reader), never when an Image is shown.
TEST_F(CCRulesTest, AnImageShownTooHighIsShownAsItIsWithoutAMessage) {
  auto& image = PlaceAs<TCCBitmap>(*form, "Image");
  image.SetBounds(10, 20, 30, 50);
  Show(image);
  EXPECT_TRUE(ui.ShownLog().empty());
  EXPECT_EQ(image.Height(), 50);
  EXPECT_EQ(Cell("Height"), "50");
  EXPECT_EQ(Cell("Width"), "30");
}

TEST_F(CCRulesTest, AnImageGivenMoreThanFortyGetsFortyAndTheMessage) {
  auto& image = PlaceAs<TCCBitmap>(*form, "Image");
  inspector.SelectCell(inspector.RowIndex("Width"));
  inspector.CellEdited("50");
  EXPECT_EQ(ui.Texts(), (std::vector<std::string>{"The maximum width of a Image control is 40"}));
  EXPECT_EQ(image.Width(), 40);
  EXPECT_EQ(Cell("Width"), "40");
  inspector.CellEdited("40");
  EXPECT_EQ(ui.Texts().size(), 1u);
}

TEST_F(CCRulesTest, RenamingChecksEveryComponentOfTheWindow) {
  auto& button = PlaceAs<TCCButton>(*form, "Button");
  auto& dialog = Place(*form, "Dialog");
  Place(*form, "Label", 5, 5, &dialog);  // Label3, inside the dialog
  Place(*form, "Menu");                  // Menu4 and MenuBarForm1
  Place(*form, "Table");                 // Table5
  state.current_control.Reset(&button);
  struct Case {
    const char* name;
    const char* message;
  };
  const Case cases[] = {
      {"snap", "A component named snap already exists"},
      {"PANSCREEN", "A component named PANSCREEN already exists"},
      {"popMenu", "A component named popMenu already exists"},
      {"label3", "A component named label3 already exists"},
      {"Menu4", "A component named Menu4 already exists"},
      {"menubarform1", "A component named menubarform1 already exists"},
      {"Form", "A component named Form already exists"},
      {"Table5Items", "A component named Table5Items already exists"},
      {"Table5ColAlign", "A component named Table5ColAlign already exists"},
      {"1st", "''1st'' is not a valid component name"},
      {"my button", "''my button'' is not a valid component name"},
      {"-", "''-'' is not a valid component name"},
  };
  for (const Case& c : cases) {
    ui.ClearLog();
    EXPECT_THROW(Apply("Name", c.name), UserError) << c.name;
    EXPECT_EQ(button.Name(), "Button1");
  }
  for (const Case& c : cases) {
    ui.ClearLog();
    inspector.Apply(inspector.RowIndex("Name"), c.name);
    EXPECT_EQ(ui.Texts(), std::vector<std::string>{c.message});
    EXPECT_EQ(ui.ShownLog()[0].what, "error");
    EXPECT_EQ(button.Name(), "Button1");
    EXPECT_EQ(Cell("Name"), c.name);
  }
}

TEST_F(CCRulesTest, RenamingAcceptsEmptyAndCaseChangesAndRebuildsTheChooser) {
  auto& button = PlaceAs<TCCButton>(*form, "Button");
  Place(*form, "Label");
  state.current_control.Reset(&button);
  Show(button);
  hooks.calls.clear();
  Apply("Name", "BUTTON1");
  EXPECT_EQ(button.Name(), "BUTTON1");
  Apply("Name", "");
  EXPECT_EQ(button.Name(), "");
  Apply("Name", "Ok_2");
  EXPECT_EQ(button.Name(), "Ok_2");
  ASSERT_GE(inspector.ChooserIndex(), 0);
  EXPECT_EQ(inspector.ChooserEntries()[inspector.ChooserIndex()].text, "Ok_2: Button");
  EXPECT_TRUE(button.Selected());
}

TEST_F(CCRulesTest, TheFormNameTakesAnyText) {
  Place(*form, "Button");
  Show(form->Client());
  for (const char* name : {"", "Button1", "not a name", "snap"}) {
    Apply("Name", name);
    EXPECT_EQ(form->Name(), name);
  }
  Apply("Title", "Main");
  EXPECT_EQ(form->Screen().Title(), "Main");
  EXPECT_TRUE(ui.ShownLog().empty());
  EXPECT_EQ(hooks.Count("RepaintWindow snap"), 2);  // the rename to snap, then the title
}

TEST_F(CCRulesTest, FormRowsClearTheMarksAndFocusTheWindow) {
  auto& button = Place(*form, "Button");
  button.SetSelected(true);
  hooks.calls.clear();
  Show(form->Client());
  EXPECT_EQ(GridNames(), (std::vector<std::string>{"Name", "Title"}));
  EXPECT_EQ(hooks.calls, (std::vector<std::string>{"FocusWindow Form1"}));
  EXPECT_FALSE(button.Selected());
  EXPECT_EQ(state.current_control.Get(), &form->Client());
  EXPECT_EQ(inspector.ChooserEntries()[inspector.ChooserIndex()].text, "Form1: Form");
}

TEST_F(CCRulesTest, AHiddenWindowShowsNoFormRows) {
  Place(*form, "Button");
  form->SetVisible(false);
  Show(form->Client());
  EXPECT_EQ(GridNames()[0], "Content");
  EXPECT_EQ(state.current_control.Get(), &form->Client());
}

TEST_F(CCRulesTest, NonNumbersAreRefusedWithoutChange) {
  auto& button = PlaceAs<TCCButton>(*form, "Button");
  for (const char* text : {"abc", "1x", " 5", "5 ", "+", "+-3", "1.5", "0x10", "99999", "-40000",
                           "99999999999999999999"}) {
    EXPECT_THROW(Apply("Edge", text), UserError) << text;
    try {
      Apply("Left", text);
      ADD_FAILURE() << text;
    } catch (const UserError& e) {
      EXPECT_EQ(std::string(e.what()), "'" + std::string(text) + "' is not a valid integer value");
    }
  }
  EXPECT_EQ(button.Radius(), 4);
  EXPECT_EQ(button.UserLeft(), 10);
  Apply("Edge", "+3");
  EXPECT_EQ(button.Radius(), 3);
  Apply("Edge", "-32768");
  EXPECT_EQ(button.Radius(), -32768);
}

TEST_F(CCRulesTest, DialogTestShowsOneDialogAtATime) {
  auto& first = static_cast<TPTDialog&>(Place(*form, "Dialog"));
  auto& second = static_cast<TPTDialog&>(Place(*form, "Dialog"));
  EXPECT_EQ(first.Tag(), 0);
  state.current_control.Reset(&first);
  Apply("Test", "Yes");
  EXPECT_EQ(form->ShownDialog(), &first);
  EXPECT_EQ(first.Tag(), 1);
  EXPECT_TRUE(first.Visible());
  EXPECT_EQ(second.Tag(), 0);
  EXPECT_FALSE(second.Visible());
  EXPECT_EQ(form->Screen().Children().back().get(), &first);
  EXPECT_EQ(form->SnapDialog().SnapToGridWindow(), &first);

  state.current_control.Reset(&second);
  Apply("Test", "No");  // not the shown one: nothing changes
  EXPECT_EQ(form->ShownDialog(), &first);
  state.current_control.Reset(&first);
  Apply("Test", "yes");
  EXPECT_EQ(form->ShownDialog(), nullptr);
  EXPECT_EQ(first.Tag(), 0);
  EXPECT_FALSE(first.Visible());
  EXPECT_EQ(inspector.Rules().ValueText(first, "Test"), "No");
}

TEST_F(CCRulesTest, ApplyingToADialogRepaintsItsControls) {
  auto& dialog = Place(*form, "Dialog");
  auto& inside = Place(*form, "Button", 4, 4, &dialog);
  state.current_control.Reset(&dialog);
  form->ClearPictureDirty();
  Apply("Content", "Options");
  EXPECT_EQ(static_cast<TPTDialog&>(dialog).Title(), "Options");
  EXPECT_EQ(inside.Parent(), &dialog);
  EXPECT_TRUE(form->PictureDirty());
}

TEST_F(CCRulesTest, EditItemsReplacesTheItemsOnlyOnOk) {
  Place(*form, "ListBox");
  auto& list = *As<TCCListBox>(state.current_control.Get());
  hooks.items_result = {"Red", "Green"};
  inspector.ItemsButtonClicked();
  EXPECT_EQ(hooks.items_seen, (StringList{"One", "Two", "Three"}));
  EXPECT_EQ(list.Items(), (StringList{"One", "Two", "Three"}));
  hooks.items_ok = true;
  inspector.ItemsButtonClicked();
  EXPECT_EQ(list.Items(), (StringList{"Red", "Green"}));
  hooks.items_result = {};
  inspector.ItemsButtonClicked();
  EXPECT_TRUE(list.Items().empty());
}

TEST_F(CCRulesTest, EditItemsOfAMenuAndOfATable) {
  auto& menu = PlaceAs<TCCMenu>(*form, "Menu");
  hooks.items_ok = true;
  hooks.items_result = {"Open", "Close"};
  inspector.ItemsButtonClicked();
  EXPECT_EQ(menu.Items(), (StringList{"Open", "Close"}));

  auto& table = PlaceAs<TCCTable>(*form, "Table");
  hooks.calls.clear();
  inspector.SetRows({});
  inspector.ItemsButtonClicked();
  EXPECT_EQ(hooks.Count("EditTable " + table.Name()), 1);
  EXPECT_EQ(hooks.Count("EditItemLines"), 0);
  EXPECT_EQ(GridNames().size(), 7u);  // refilled for the table
}

TEST_F(CCRulesTest, EditItemsOfAControlWithoutItemsDoesNothing) {
  Place(*form, "Button");
  inspector.ItemsButtonClicked();
  EXPECT_EQ(hooks.Count("EditItemLines"), 0);
}

}  // namespace
}  // namespace qb::test
