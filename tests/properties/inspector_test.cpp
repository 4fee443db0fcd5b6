// The inspector: the apply path, the in-place editors, keys, focus, chooser and window.

#include "controls/CCBitmap.h"
#include "controls/CCButton.h"
#include "controls/CCEdit.h"
#include "controls/PTButton.h"
#include "inspector_fixture.h"

namespace qb::test {
namespace {

constexpr LibraryId kCC = LibraryId::kCControls;
constexpr LibraryId kPT = LibraryId::kPToolboxLib;

TEST_F(InspectorTest, TypingMinusTwelveAppliesOnlyTheNumbers) {
  TChildFrm& form = NewForm(kCC, "Form1");
  auto& button = PlaceAs<TCCButton>(form, "Button");
  inspector.SelectCell(inspector.RowIndex("Left"));
  EXPECT_FALSE(inspector.AnyEditorVisible());
  const std::pair<const char*, int> keystrokes[] = {{"", 10}, {"-", 10}, {"-1", -1}, {"-12", -12}};
  for (const auto& [text, left] : keystrokes) {
    inspector.CellEdited(text);
    EXPECT_EQ(button.UserLeft(), left) << text;
    EXPECT_EQ(Cell("Left"), text);
  }
  EXPECT_TRUE(ui.ShownLog().empty());
  EXPECT_EQ(hooks.Count("RedrawZoom"), 2);
}

TEST_F(InspectorTest, DeletingTheTopicStopsAtItsFirstCharacter) {
  TChildFrm& form = NewForm(kCC, "Form1");
  auto& edit = PlaceAs<TCCEdit>(form, "Edit");
  inspector.SelectCell(inspector.RowIndex("Topic"));
  for (const char* text : {"Topi", "Top", "To", "T", ""}) inspector.CellEdited(text);
  EXPECT_EQ(edit.Topic(), "T");
  EXPECT_EQ(Cell("Topic"), "");
}

TEST_F(InspectorTest, ARefusedTextStaysInTheCellAndIsReported) {
  TChildFrm& form = NewForm(kCC, "Form1");
  auto& button = PlaceAs<TCCButton>(form, "Button");
  inspector.SelectCell(inspector.RowIndex("Width"));
  inspector.CellEdited("3x");
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"'3x' is not a valid integer value"});
  EXPECT_EQ(ui.ShownLog()[0].what, "error");
  EXPECT_EQ(button.UserWidth(), 38);
  EXPECT_EQ(Cell("Width"), "3x");
  EXPECT_EQ(hooks.Count("RedrawZoom"), 0);
}

TEST_F(InspectorTest, TypingOnAFontRowOpensTheListAndKeepsTheCell) {
  TChildFrm& form = NewForm(kCC, "Form1");
  PlaceAs<TCCButton>(form, "Button");
  SelectRowQuietly("Font");
  EXPECT_TRUE(inspector.GridCharTyped());
  const PickListEditor& list = inspector.PickList();
  EXPECT_TRUE(list.visible);
  EXPECT_EQ(list.entries, (std::vector<std::string>{"Standard", "Bold", "Large", "LargeBold"}));
  EXPECT_EQ(list.selected, 0);
  EXPECT_EQ(list.row, inspector.RowIndex("Font"));
  EXPECT_EQ(inspector.Focus(), InspectorWidget::kPickList);
  EXPECT_EQ(Cell("Font"), "Standard");
}

TEST_F(InspectorTest, TypingOnATypedRowGoesToTheCell) {
  TChildFrm& form = NewForm(kCC, "Form1");
  PlaceAs<TCCButton>(form, "Button");
  SelectRowQuietly("Content");
  EXPECT_FALSE(inspector.GridCharTyped());
  EXPECT_FALSE(inspector.AnyEditorVisible());
}

TEST_F(InspectorTest, AListWithoutTheCellsTextSelectsNothing) {
  TChildFrm& form = NewForm(kCC, "Form1");
  auto& button = PlaceAs<TCCButton>(form, "Button");
  button.SetLine(5);
  Show(button);
  inspector.SelectCell(inspector.RowIndex("Line"));
  EXPECT_TRUE(inspector.PickList().visible);
  EXPECT_EQ(inspector.PickList().selected, -1);
}

TEST_F(InspectorTest, UpAndDownInAClosedListMoveBetweenRows) {
  TChildFrm& form = NewForm(kPT, "Form1");
  PlaceAs<TPTButton>(form, "Button");
  int last = inspector.RowCount() - 1;
  ASSERT_EQ(inspector.Rows()[last].name, "TextColor");
  inspector.SelectCell(last);
  ASSERT_TRUE(inspector.PickList().visible);
  EXPECT_TRUE(inspector.PickListKeyDown(InspectorKey::kDown, {}, false));
  EXPECT_EQ(inspector.SelectedRow(), last);
  EXPECT_TRUE(inspector.PickList().visible);

  EXPECT_TRUE(inspector.PickListKeyDown(InspectorKey::kUp, {}, false));
  EXPECT_EQ(inspector.SelectedRow(), last - 1);  // FillColor: a list again
  EXPECT_TRUE(inspector.PickList().visible);
  EXPECT_EQ(inspector.PickList().row, last - 1);

  inspector.SelectCell(inspector.RowIndex("Frame"));
  EXPECT_TRUE(inspector.PickListKeyDown(InspectorKey::kDown, {}, false));
  EXPECT_EQ(inspector.SelectedRowName(), "Height");  // typed: no editor opens
  EXPECT_FALSE(inspector.AnyEditorVisible());
  EXPECT_EQ(inspector.Focus(), InspectorWidget::kGrid);

  inspector.SelectCell(0);
  EXPECT_TRUE(inspector.PickListKeyDown(InspectorKey::kUp, {}, false));
  EXPECT_EQ(inspector.SelectedRow(), 0);
  KeyModifiers shift;
  shift.shift = true;
  EXPECT_FALSE(inspector.PickListKeyDown(InspectorKey::kDown, shift, false));
  EXPECT_FALSE(inspector.PickListKeyDown(InspectorKey::kDown, {}, true));
  EXPECT_EQ(inspector.SelectedRow(), 0);
}

TEST_F(InspectorTest, PickingAppliesRefillsAndReturnsToTheGrid) {
  TChildFrm& form = NewForm(kPT, "Form1");
  auto& select = PlaceAs<TCCButton>(form, "Select");
  int row = inspector.RowIndex("DateTimePicker");
  inspector.SelectCell(row);
  ASSERT_EQ(inspector.PickList().entries, (std::vector<std::string>{"(None)", "Date", "Time"}));
  inspector.PickListPicked(1);
  EXPECT_EQ(select.DOTPicker(), 1);
  EXPECT_EQ(Cell("DateTimeColors"), "(Colors)");  // refilled
  EXPECT_EQ(Cell("DateTimeFormat"), "Pref. Short Date");
  EXPECT_EQ(inspector.SelectedRow(), row);
  EXPECT_FALSE(inspector.PickList().visible);
  EXPECT_EQ(inspector.Focus(), InspectorWidget::kGrid);
}

TEST_F(InspectorTest, TheColoursEditorOpensOnlyWhenAPickerIsSet) {
  TChildFrm& form = NewForm(kPT, "Form1");
  auto& select = PlaceAs<TCCButton>(form, "Select");
  int row = inspector.RowIndex("DateTimeColors");
  inspector.SelectCell(row);
  EXPECT_FALSE(inspector.AnyEditorVisible());
  select.SetDOTPicker(2);
  Show(select);
  inspector.SelectCell(row);
  EXPECT_TRUE(inspector.ContentEditor().visible);
  EXPECT_EQ(inspector.ContentEditor().text, "(Colors)");
  EXPECT_TRUE(inspector.ContentEditorCharTyped());
  EXPECT_EQ(hooks.Count("EditPickerColors Select1"), 1);
}

TEST_F(InspectorTest, TheContentEditorOpensThePictureEditor) {
  TChildFrm& form = NewForm(kCC, "Form1");
  PlaceAs<TCCBitmap>(form, "Image");
  inspector.SelectCell(inspector.RowIndex("Bitmap"));
  EXPECT_EQ(inspector.ContentEditor().text, "(Bitmap)");
  EXPECT_EQ(inspector.Focus(), InspectorWidget::kContentEditor);
  inspector.ContentButtonClicked();
  EXPECT_EQ(hooks.Count("EditBitmap Image1"), 1);
  EXPECT_TRUE(inspector.ContentEditorKeyDown(InspectorKey::kEnter));
  EXPECT_FALSE(inspector.ContentEditor().visible);
  EXPECT_EQ(inspector.Focus(), InspectorWidget::kGrid);
  EXPECT_FALSE(inspector.ContentEditorKeyDown(InspectorKey::kOther));
}

TEST_F(InspectorTest, TheItemsEditorKeepsItsOwnText) {
  TChildFrm& form = NewForm(kCC, "Form1");
  Place(form, "ListBox");
  inspector.SelectCell(inspector.RowIndex("Items"));
  EXPECT_EQ(inspector.ItemsEditor().text, "(Items)");
  inspector.ItemsEditorTextChanged("(Items)x");
  EXPECT_EQ(Cell("Items"), "(Items)");
  EXPECT_TRUE(inspector.ItemsEditorKeyDown(InspectorKey::kDown));
  EXPECT_EQ(inspector.SelectedRowName(), "Left");
  EXPECT_FALSE(inspector.ItemsEditor().visible);
  inspector.SelectCell(inspector.RowIndex("Items"));
  EXPECT_TRUE(inspector.ItemsEditorKeyDown(InspectorKey::kEnter));
  EXPECT_FALSE(inspector.ItemsEditor().visible);
  EXPECT_EQ(inspector.Focus(), InspectorWidget::kGrid);
}

TEST_F(InspectorTest, EnterAndClicksOpenTheSelectedRowsEditor) {
  TChildFrm& form = NewForm(kCC, "Form1");
  Place(form, "ListBox");
  SelectRowQuietly("Items");
  EXPECT_TRUE(inspector.GridKeyDown(InspectorKey::kEnter));
  EXPECT_TRUE(inspector.ItemsEditor().visible);
  inspector.HideEditors();
  inspector.GridClicked();
  EXPECT_TRUE(inspector.ItemsEditor().visible);
  SelectRowQuietly("Left");
  EXPECT_FALSE(inspector.GridKeyDown(InspectorKey::kEnter));
  EXPECT_FALSE(inspector.GridKeyDown(InspectorKey::kDown));
}

TEST_F(InspectorTest, AnEditorHidesWhenItLosesTheFocus) {
  TChildFrm& form = NewForm(kCC, "Form1");
  Place(form, "Button");
  inspector.SelectCell(inspector.RowIndex("Line"));
  ASSERT_TRUE(inspector.PickList().visible);
  inspector.SetFocus(InspectorWidget::kOutside);
  EXPECT_FALSE(inspector.PickList().visible);
}

TEST_F(InspectorTest, TheGridAndTheChooserSwitchCursorKeysOff) {
  TChildFrm& form = NewForm(kCC, "Form1");
  Place(form, "Button");
  for (InspectorWidget widget : {InspectorWidget::kGrid, InspectorWidget::kChooser}) {
    CursorKeysOn(state);
    inspector.SetFocus(InspectorWidget::kOutside);
    inspector.SetFocus(widget);
    EXPECT_FALSE(state.cursor_keys_active);
    EXPECT_EQ(state.status_panels[2], "");
  }
  CursorKeysOn(state);
  inspector.SetFocus(InspectorWidget::kPickList);
  EXPECT_TRUE(state.cursor_keys_active);
}

TEST_F(InspectorTest, TheChooserIsSortedAndChoosingShowsTheEntry) {
  TChildFrm& form = NewForm(kCC, "Form1");
  auto& button = Place(form, "Button");
  Place(form, "Label");
  auto& dialog = Place(form, "Dialog");
  Place(form, "CheckBox", 3, 3, &dialog);
  button.SetName("zeta");
  inspector.RefreshChooser();
  std::vector<std::string> texts;
  for (const ChooserEntry& entry : inspector.ChooserEntries()) texts.push_back(entry.text);
  EXPECT_EQ(texts, (std::vector<std::string>{"CheckBox4: CheckBox", "Dialog3: Dialog",
                                             "Form1: Form", "Label2: Label", "zeta: Button"}));
  hooks.calls.clear();
  inspector.ChooseEntry(4);
  EXPECT_EQ(state.current_control.Get(), &button);
  EXPECT_EQ(Cell("Name"), "zeta");
  EXPECT_EQ(inspector.ChooserIndex(), 4);
  EXPECT_EQ(inspector.Focus(), InspectorWidget::kGrid);
  EXPECT_TRUE(button.Selected());  // the chosen control alone is marked
  inspector.ChooseEntry(2);
  EXPECT_EQ(state.current_control.Get(), &form.Client());
  EXPECT_EQ(GridNames(), (std::vector<std::string>{"Name", "Title"}));
}

TEST_F(InspectorTest, ChooserTextsDifferingInCaseKeepUpperCaseFirstAndTheirControls) {
  TChildFrm& form = NewForm(kCC, "Form1");
  TControl& lower = Place(form, "Button");
  TControl& upper = Place(form, "Button");
  TControl& other = Place(form, "Label");
  // Equal texts keep the order of the list; texts equal but for case sort by their bytes.
  inspector.LoadChooser({{"b: Button", WeakRef<TControl>(&lower)},
                         {"a: Label", WeakRef<TControl>(&other)},
                         {"B: Button", WeakRef<TControl>(&upper)},
                         {"a: Label", WeakRef<TControl>(&lower)}});
  const auto& entries = inspector.ChooserEntries();
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[0].text, "a: Label");
  EXPECT_EQ(entries[0].control.Get(), &other);
  EXPECT_EQ(entries[1].text, "a: Label");
  EXPECT_EQ(entries[1].control.Get(), &lower);
  EXPECT_EQ(entries[2].text, "B: Button");
  EXPECT_EQ(entries[2].control.Get(), &upper);
  EXPECT_EQ(entries[3].text, "b: Button");
  EXPECT_EQ(entries[3].control.Get(), &lower);
  EXPECT_EQ(inspector.ChooserIndex(), -1);
}

TEST_F(InspectorTest, ActivatingAWindowShowsItsLastControlOrItsForm) {
  TChildFrm& form = NewForm(kCC, "Form1");
  auto& label = Place(form, "Label");
  form.SetLastSelected(&label);
  inspector.LoadChooser({});
  inspector.WindowActivated(form);
  EXPECT_EQ(inspector.ChooserEntries().size(), 2u);
  EXPECT_EQ(state.current_control.Get(), &label);
  EXPECT_EQ(Cell("Name"), "Label1");
  form.SetLastSelected(nullptr);
  inspector.WindowActivated(form);
  EXPECT_EQ(state.current_control.Get(), &form.Client());
  EXPECT_EQ(GridNames(), (std::vector<std::string>{"Name", "Title"}));
}

TEST_F(InspectorTest, TheRulesFollowTheCurrentLibrary) {
  TChildFrm& form = NewForm(kPT, "Form1");
  EXPECT_EQ(inspector.Rules().Library(), kPT);
  Show(form.Client());
  EXPECT_EQ(inspector.RowCount(), 9);
  state.library = kCC;
  EXPECT_EQ(inspector.Rules().Library(), kCC);
  Show(form.Client());
  EXPECT_EQ(inspector.RowCount(), 2);
}

TEST_F(InspectorTest, TheWindowShowsBelowTheToolbarsAndEmptiesWithTheProject) {
  EXPECT_FALSE(inspector.Visible());
  EXPECT_EQ(inspector.Bounds(), (WindowBounds{0, 0, 264, 346}));
  inspector.Toggle(false, 52);
  EXPECT_FALSE(inspector.Visible());
  inspector.PlaceForNewProject(52);
  EXPECT_TRUE(inspector.Visible());
  EXPECT_EQ(inspector.Bounds(), (WindowBounds{0, 52, 264, 346}));
  inspector.Toggle(true, 52);
  EXPECT_FALSE(inspector.Visible());
  inspector.Toggle(true, 52);
  EXPECT_EQ(inspector.Bounds(), (WindowBounds{0, 52, 264, 346}));  // not moved twice

  TChildFrm& form = NewForm(kCC, "Form1");
  Place(form, "ListBox");
  inspector.SelectCell(inspector.RowIndex("Items"));
  inspector.ProjectClosed();
  EXPECT_FALSE(inspector.Visible());
  ASSERT_EQ(inspector.RowCount(), 1);
  EXPECT_EQ(inspector.Rows()[0].name, "");
  EXPECT_EQ(inspector.Rows()[0].value, "");
  EXPECT_TRUE(inspector.ChooserEntries().empty());
  EXPECT_FALSE(inspector.AnyEditorVisible());
}

TEST_F(InspectorTest, ResizingGivesTheValueColumnTheRest) {
  inspector.ClientResized(300);
  EXPECT_EQ(inspector.ChooserWidth(), 300);
  EXPECT_EQ(inspector.NameColumnWidth(), 130);
  EXPECT_EQ(inspector.ValueColumnWidth(), 170);
  EXPECT_EQ(inspector.EditorWidth(), 168);
}

}  // namespace
}  // namespace qb::test
