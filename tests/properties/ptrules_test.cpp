// The PToolboxLib rules' vocabularies and side effects.

#include "controls/CCBitmap.h"
#include "controls/CCButton.h"
#include "controls/CCRadio.h"
#include "controls/CCSwitch.h"
#include "controls/PTButton.h"
#include "controls/PTCheckBox.h"
#include "controls/PTDialog.h"
#include "controls/PTEdit.h"
#include "controls/PTList.h"
#include "controls/factory.h"
#include "inspector_fixture.h"

namespace qb::test {
namespace {

constexpr LibraryId kPT = LibraryId::kPToolboxLib;

class PTRulesTest : public InspectorTest {
 protected:
  void SetUp() override { form = &NewForm(kPT, "Form1"); }
  void Apply(const std::string& row, const std::string& text) {
    inspector.Rules().ApplyValue(row, text);
  }
  std::string Text(const TControl& c, const std::string& row) {
    return inspector.Rules().ValueText(c, row);
  }
  TChildFrm* form = nullptr;
};

TEST_F(PTRulesTest, AColourNameIsExactAndAnyOtherTextGivesBlack) {
  auto& button = PlaceAs<TPTButton>(*form, "Button");
  Apply("FillColor", "Red");
  EXPECT_EQ(button.ColorFill(), 255u);
  Apply("FillColor", "red");
  EXPECT_EQ(button.ColorFill(), 0u);
  EXPECT_EQ(Text(button, "FillColor"), "Black");
  Apply("TextColor", "Grey");
  EXPECT_EQ(button.ColorText(), 0u);
  EXPECT_TRUE(ui.ShownLog().empty());
}

TEST_F(PTRulesTest, AnUnnamedFormColourShowsEmptyUntilANameIsApplied) {
  Show(form->Client());
  form->Screen().SetColorFormFill(0x123456);
  EXPECT_EQ(Text(form->Client(), "FormFillColor"), "");
  EXPECT_EQ(form->Screen().ColorFormFill(), 0x123456u);
  hooks.calls.clear();
  Apply("FormFillColor", "Silver");
  EXPECT_EQ(form->Screen().ColorFormFill(), 12632256u);
  EXPECT_EQ(hooks.calls, std::vector<std::string>{"RepaintWindow Form1"});
  Apply("ObjSelectedFillColor", "Navy");
  EXPECT_EQ(form->Screen().ColorSelectedFill(), 8388608u);
  Apply("FormFrameColor", "Maroon");
  EXPECT_EQ(form->Screen().ColorFormFrame(), 128u);
}

TEST_F(PTRulesTest, DateTimeFormatFollowsThePickerAndKeepsItsCode) {
  auto& select = PlaceAs<TCCButton>(*form, "Select");
  select.SetDOTPicker(1);
  select.SetDOTFormat(17);
  EXPECT_EQ(Text(select, "DateTimeFormat"), "MMM DD, YYYY");
  EXPECT_EQ(Text(select, "DateTimeColors"), "(Colors)");
  Apply("DateTimePicker", "Time");
  EXPECT_EQ(select.DOTPicker(), 2);
  EXPECT_EQ(Text(select, "DateTimeFormat"), "(None)");
  EXPECT_EQ(select.DOTFormat(), 17);
  Apply("DateTimeFormat", "Minutes");
  EXPECT_EQ(select.DOTFormat(), 0);
  Apply("DateTimeFormat", "MMM DD, YYYY");  // a date label under the time picker
  EXPECT_EQ(select.DOTFormat(), 8);
  Apply("DateTimePicker", "time");
  EXPECT_EQ(select.DOTPicker(), 2);
  Apply("DateTimePicker", "(None)");
  Apply("DateTimeFormat", "Minutes");
  EXPECT_EQ(select.DOTFormat(), 8);
  EXPECT_EQ(Text(select, "DateTimeColors"), "(None)");
}

TEST_F(PTRulesTest, AlignMovesTheSelectOnlyWhenItChangesSides) {
  auto& select = PlaceAs<TCCButton>(*form, "Select");
  int left = select.Left();
  Apply("Align", "Right");
  Apply("Align", "Right");
  EXPECT_EQ(select.Left(), left + 5);
  EXPECT_EQ(Text(select, "Align"), "Right");
  Apply("Align", "Center");
  EXPECT_EQ(select.Alignment(), TextAlign::kRight);
  Apply("Align", "Left");
  Apply("Align", "Left");
  EXPECT_EQ(select.Left(), left);
  EXPECT_EQ(select.Alignment(), TextAlign::kLeft);
  select.SetAlignment(TextAlign::kCenter);
  EXPECT_EQ(Text(select, "Align"), "");
}

TEST_F(PTRulesTest, CheckBoxGroupNumberIsAByte) {
  auto& check = PlaceAs<TPTCheckbox>(*form, "CheckBox");
  Apply("GroupNumber", "300");
  EXPECT_EQ(check.GroupNumber(), 44);
  EXPECT_EQ(Text(check, "GroupNumber"), "44");
  Apply("GroupNumber", "-1");
  EXPECT_EQ(check.GroupNumber(), 255);
}

TEST_F(PTRulesTest, PushAndRadioGroupNumbersAreTheirTags) {
  auto& push = PlaceAs<TCCSwitch>(*form, "Push");
  Apply("GroupNumber", "300");
  EXPECT_EQ(push.Tag(), 300);
  auto& radio = PlaceAs<TCCRadio>(*form, "Radio");
  Apply("GroupNumber", "2");
  EXPECT_EQ(radio.Tag(), 2);
}

TEST_F(PTRulesTest, ABitmapTakesAnySizeWithoutMessage) {
  auto& bitmap = PlaceAs<TCCBitmap>(*form, "Bitmap");
  Apply("Width", "100");
  Apply("Height", "100");
  EXPECT_EQ(bitmap.Width(), 100);
  EXPECT_EQ(bitmap.Height(), 100);
  Show(bitmap);
  EXPECT_EQ(Cell("Width"), "100");
  EXPECT_TRUE(ui.ShownLog().empty());
  Apply("ForeColor", "Blue");
  EXPECT_EQ(bitmap.ColorFore(), 16711680u);
}

TEST_F(PTRulesTest, FieldFlagsShowTheirWords) {
  auto& field = PlaceAs<TPTEdit>(*form, "Field");
  EXPECT_EQ(Text(field, "Underline"), "True");
  Apply("Underline", "False");
  EXPECT_EQ(field.Underline(), 1);
  Apply("Underline", "True");
  EXPECT_EQ(field.Underline(), 0);
  Apply("Editable", "no");
  EXPECT_EQ(field.Editable(), 1);
  EXPECT_EQ(Text(field, "Editable"), "False");
  Apply("Justification", "right");
  EXPECT_EQ(field.Justification(), 1);
  field.SetJustification(5);
  EXPECT_EQ(Text(field, "Justification"), "Right");
  Apply("SingleLine", "True");
  EXPECT_EQ(field.SingleLine(), 1);
  field.SetNumbersOnly(2);
  EXPECT_EQ(Text(field, "NumbersOnly"), "True");
  Apply("NumbersOnly", "yes");
  EXPECT_EQ(field.NumbersOnly(), 0);
  Apply("LineColor", "Green");
  EXPECT_EQ(field.ColorLines(), 32768u);
  Apply("HighlightForeColor", "Yellow");
  EXPECT_EQ(field.ColorHighlightFore(), 65535u);
}

TEST_F(PTRulesTest, ButtonFrameAndType) {
  auto& button = PlaceAs<TPTButton>(*form, "Button");
  Apply("Frame", "No Frame");
  EXPECT_EQ(button.Frame(), 3);
  Apply("Frame", "None");
  EXPECT_EQ(button.Frame(), 3);
  button.SetFrame(9);
  EXPECT_EQ(Text(button, "Frame"), "");
  Apply("Type", "Repeating");
  EXPECT_EQ(button.ButtonType(), 1);
  Apply("Type", "Standard");
  EXPECT_EQ(button.ButtonType(), 0);
  Apply("Text", "Go");
  EXPECT_EQ(button.Text(), "Go");
  Apply("ShowForm", "Form2");
  EXPECT_EQ(button.ShowForm(), "Form2");
}

TEST_F(PTRulesTest, ListStyleAndTriggerStayConsistent) {
  Place(*form, "PopTrigger");
  auto& list = PlaceAs<TPTList>(*form, "List");
  Apply("Trigger", "Pop1");
  EXPECT_EQ(list.Style(), 1);
  EXPECT_EQ(Text(list, "Style"), "Pop-triggered");
  Apply("Style", "Stand-alone");
  EXPECT_EQ(list.Trigger(), "(None)");
  Apply("Style", "Popup");
  EXPECT_EQ(list.Style(), 0);
  Apply("MaxItems", "4");
  EXPECT_EQ(list.MaxItems(), 4);
  EXPECT_EQ(list.Height(), 4 * 11 + 3);
}

TEST_F(PTRulesTest, RadioOrientationTurnsTheCells) {
  auto& radio = PlaceAs<TCCRadio>(*form, "Radio");
  radio.SetBounds(10, 20, 91, 14);
  Apply("Orientation", "vertical");
  EXPECT_EQ(radio.Orientation(), 1);
  EXPECT_EQ(radio.Width(), 31);
  EXPECT_EQ(radio.Height(), 40);
  Apply("Orientation", "Horizontal");
  EXPECT_EQ(radio.Width(), 91);
  EXPECT_EQ(radio.Height(), 14);
}

TEST_F(PTRulesTest, DialogTestYesHidesTheOtherAndRepaintsItsControls) {
  auto& first = static_cast<TPTDialog&>(Place(*form, "Dialog"));
  auto& inside = Place(*form, "Label", 4, 4, &first);
  auto& second = static_cast<TPTDialog&>(Place(*form, "Dialog"));
  second.SetSelected(true);
  state.current_control.Reset(&first);
  form->ClearPictureDirty();
  Apply("Test", "Yes");
  EXPECT_EQ(form->ShownDialog(), &first);
  EXPECT_EQ(second.Tag(), 0);
  EXPECT_FALSE(second.Visible());
  EXPECT_FALSE(second.Selected());
  EXPECT_TRUE(form->PictureDirty());
  EXPECT_TRUE(inside.Showing());
  EXPECT_EQ(form->SnapDialog().SnapToGridWindow(), &first);

  first.SetSelected(true);
  Apply("Test", "No");
  EXPECT_EQ(form->ShownDialog(), nullptr);
  EXPECT_FALSE(first.Visible());
  EXPECT_FALSE(first.Selected());
  EXPECT_EQ(first.Tag(), 0);

  form->ClearPictureDirty();
  Apply("ObjFillColor", "Teal");
  EXPECT_EQ(first.ColorFill(), 8421376u);
  EXPECT_TRUE(form->PictureDirty());
}

TEST_F(PTRulesTest, ShowingHidesThePickListAndTheItemsEditorOnly) {
  auto& list = Place(*form, "List");
  inspector.SelectCell(inspector.RowIndex("Style"));
  ASSERT_TRUE(inspector.PickList().visible);
  Show(list);
  EXPECT_FALSE(inspector.PickList().visible);
  inspector.SelectCell(inspector.RowIndex("Items"));
  ASSERT_TRUE(inspector.ItemsEditor().visible);
  Show(list);
  EXPECT_FALSE(inspector.ItemsEditor().visible);

  auto& bitmap = Place(*form, "Bitmap");
  inspector.SelectCell(inspector.RowIndex("Bitmap"));
  ASSERT_TRUE(inspector.ContentEditor().visible);
  Show(bitmap);
  EXPECT_TRUE(inspector.ContentEditor().visible);
}

TEST_F(PTRulesTest, EditItemsOfListAndRadio) {
  auto& list = PlaceAs<TPTList>(*form, "List");
  hooks.items_ok = true;
  hooks.items_result = {"x"};
  inspector.ItemsButtonClicked();
  EXPECT_EQ(list.Items(), StringList{"x"});
  auto& radio = PlaceAs<TCCRadio>(*form, "Radio");
  hooks.items_result = {"Yes", "No"};
  inspector.ItemsButtonClicked();
  EXPECT_EQ(hooks.items_seen, (StringList{"A", "B", "C"}));
  EXPECT_EQ(radio.Items(), (StringList{"Yes", "No"}));
  Place(*form, "Field");
  hooks.calls.clear();
  inspector.ItemsButtonClicked();
  EXPECT_EQ(hooks.Count("EditItemLines"), 0);
}

TEST_F(PTRulesTest, TheOtherLibrarysClassesHaveNoRows) {
  auto menu = CreateControl(ControlClass::kCCMenu, &form->Document());
  EXPECT_TRUE(inspector.Rules().RowNames(*menu).empty());
  EXPECT_EQ(Text(*menu, "Test"), "");
}

}  // namespace
}  // namespace qb::test
