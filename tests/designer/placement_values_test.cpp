// The initial values of every kind of both libraries, placed by a click at (20, 30) of the
// screen panel with the grid off, on a fresh form named Form1.

#include <functional>

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
#include "controls/CCRadio.h"
#include "controls/CCSwitch.h"
#include "controls/CCTable.h"
#include "controls/PTButton.h"
#include "controls/PTCheckBox.h"
#include "controls/PTDialog.h"
#include "controls/PTEdit.h"
#include "controls/PTGsi.h"
#include "controls/PTLabel.h"
#include "controls/PTList.h"
#include "controls/PTPopTrigger.h"
#include "designer_fixture.h"

namespace qb::test {
namespace {

using Items = StringList;

struct PlacedCase {
  const char* label;  // test name
  LibraryId lib;
  PaletteButton button;
  ControlClass cls;
  const char* name;
  const char* list_entry;
  int left, top, width, height;
  const char* font;
  bool palm_form;  // takes the screen panel's colours
  std::function<void(TControl&)> extra;
};

template <typename T>
std::function<void(TControl&)> Check(std::function<void(T&)> f) {
  return [f](TControl& c) {
    T* typed = As<T>(&c);
    ASSERT_NE(typed, nullptr);
    f(*typed);
  };
}

constexpr LibraryId kCC = LibraryId::kCControls;
constexpr LibraryId kPT = LibraryId::kPToolboxLib;
using B = PaletteButton;
using C = ControlClass;

const PlacedCase kCases[] = {
    {"CCButton", kCC, B::kButton, C::kCCButton, "Button1", "Button1: Button", 19, 29, 40, 14,
     "PilotStandard", false, Check<TCCButton>([](TCCButton& c) {
       EXPECT_EQ(c.Content(), "Button1");
       EXPECT_EQ(c.ShowForm(), "(None)");
       EXPECT_EQ(c.Tag(), 0);
       EXPECT_EQ(c.Radius(), 4);
       EXPECT_EQ(c.Line(), 1);
       EXPECT_EQ(c.UserLeft(), 20);
       EXPECT_EQ(c.UserTop(), 30);
       EXPECT_EQ(c.UserWidth(), 38);
       EXPECT_EQ(c.UserHeight(), 12);
     })},
    {"CCLabel", kCC, B::kLabel, C::kCCLabel, "Label1", "Label1: Label", 20, 30, 32, 13,
     "PilotStandard", false, Check<TCCLabel>([](TCCLabel& c) {
       EXPECT_EQ(c.Content(), "Label1");
       EXPECT_EQ(c.Line(), 0);
       EXPECT_EQ(c.Style(), 0);
     })},
    {"CCCheckBox", kCC, B::kCheckBox, C::kCCCheckbox, "CheckBox1", "CheckBox1: CheckBox", 20, 30,
     58, 13, "PilotStandard", false, Check<TCCCheckbox>([](TCCCheckbox& c) {
       EXPECT_EQ(c.Content(), "CheckBox1");
       EXPECT_EQ(c.State(), 0);
     })},
    {"CCSwitch", kCC, B::kSwitch, C::kCCSwitch, "Switch1", "Switch1: Switch", 20, 30, 38, 14,
     "PilotStandard", false, Check<TCCSwitch>([](TCCSwitch& c) {
       EXPECT_EQ(c.Content(), "Switch1");
       EXPECT_EQ(c.Radius(), 0);
       EXPECT_EQ(c.Line(), 1);
     })},
    {"CCEdit", kCC, B::kEdit, C::kCCEdit, "Edit1", "Edit1: Edit", 20, 30, 32, 13, "PilotStandard",
     false, Check<TCCEdit>([](TCCEdit& c) {
       EXPECT_EQ(c.Content(), "Edit1");
       EXPECT_EQ(c.Topic(), "Topic");
       EXPECT_EQ(c.Tag(), 0);
       EXPECT_EQ(c.Line(), 2);
       EXPECT_EQ(c.Style(), 1);
     })},
    {"CCEditLine", kCC, B::kEditLine, C::kCCEdit, "EditLine1", "EditLine1: EditLine", 20, 30, 32,
     13, "PilotStandard", false, Check<TCCEdit>([](TCCEdit& c) {
       EXPECT_EQ(c.Content(), "EditLine1");
       EXPECT_EQ(c.Topic(), "");
       EXPECT_EQ(c.Tag(), 1);
     })},
    {"CCListBox", kCC, B::kListBox, C::kCCListBox, "ListBox1", "ListBox1: ListBox", 20, 30, 35, 24,
     "PilotStandard", false, Check<TCCListBox>([](TCCListBox& c) {
       EXPECT_EQ(c.Items(), (Items{"One", "Two", "Three"}));
       EXPECT_EQ(c.VisibleItems(), 2);
       EXPECT_EQ(c.SelectedItem(), -1);
     })},
    {"CCDropDown", kCC, B::kDropDown, C::kCCDropDown, "DropDown1", "DropDown1: DropDown", 20, 30,
     39, 25, "PilotStandard", false, Check<TCCDropDown>([](TCCDropDown& c) {
       EXPECT_EQ(c.Items(), (Items{"One", "Two", "Three"}));
       EXPECT_EQ(c.VisibleItems(), 2);
       EXPECT_EQ(c.SelectedItem(), 0);
       EXPECT_EQ(c.TestItems(), 0);
       EXPECT_EQ(c.UserWidth(), 36);
     })},
    {"CCRadio", kCC, B::kRadio, C::kCCRadio, "Radio1", "Radio1: Radio", 20, 30, 31, 14,
     "PilotStandard", false, Check<TCCRadio>([](TCCRadio& c) {
       EXPECT_EQ(c.Items(), (Items{"A", "B", "C"}));
       EXPECT_EQ(c.SelectedItem(), 0);
       EXPECT_EQ(c.Orientation(), 0);
     })},
    {"CCPopUp", kCC, B::kPopUp, C::kCCPopUp, "PopUp1", "PopUp1: PopUp", 20, 30, 35, 25,
     "PilotStandard", false, Check<TCCPopUp>([](TCCPopUp& c) {
       EXPECT_EQ(c.Items(), (Items{"One", "Two", "Three"}));
       EXPECT_EQ(c.VisibleItems(), 2);
       EXPECT_EQ(c.Test(), 1);
       EXPECT_TRUE(c.Visible());
     })},
    {"CCImage", kCC, B::kBitmap, C::kCCBitmap, "Image1", "Image1: Image", 20, 30, 20, 20,
     "MS Sans Serif", false, Check<TCCBitmap>([](TCCBitmap& c) {
       EXPECT_EQ(c.StringBits(), "");
       EXPECT_EQ(c.Tag(), 1);
     })},
    {"CCTable", kCC, B::kTable, C::kCCTable, "Table1", "Table1: Table", 20, 30, 77, 46,
     "PilotStandard", false, Check<TCCTable>([](TCCTable& c) {
       EXPECT_EQ(c.Items(), (Items{"~~"}));
       EXPECT_EQ(c.ColWidths(), (Items{"25", "25", "25"}));
       EXPECT_EQ(c.ColAlign(), (Items{"0", "0", "0"}));
       EXPECT_EQ(c.Cols(), 3);
       EXPECT_EQ(c.UserWidth(), 75);
       EXPECT_EQ(c.VisibleRows(), 4);
     })},
    {"CCMenu", kCC, B::kMenu, C::kCCMenu, "Menu1", "Menu1: Menu", 8, 2, 41, 27, "PilotBold", false,
     Check<TCCMenu>([](TCCMenu& c) {
       EXPECT_EQ(c.Topic(), "Topic");
       EXPECT_EQ(c.TopicWidth(), 36);
       EXPECT_EQ(c.UserWidth(), 38);
       EXPECT_EQ(c.UserLeft(), 9);
       EXPECT_EQ(c.Items(), (Items{"Item1"}));
       EXPECT_EQ(c.Test(), 1);
       EXPECT_EQ(c.SelectColor(), 32768u);
       EXPECT_EQ(c.Parent()->Class(), C::kDesignerClient);
     })},
    {"CCDialog", kCC, B::kDialog, C::kPTDialog, "Dialog1", "Dialog1: Dialog", 3, 58, 156, 84,
     "PilotStandard", false, Check<TPTDialog>([](TPTDialog& c) {
       EXPECT_EQ(c.Tag(), 1);
       EXPECT_EQ(c.Title(), "Dialog");
       EXPECT_EQ(c.GridSpace(), 4);
       EXPECT_EQ(c.GridVisible(), 0);
       EXPECT_EQ(c.UserLeft(), 5);
       EXPECT_EQ(c.UserTop(), 60);
     })},

    {"PTButton", kPT, B::kButton, C::kPTButton, "Button1", "Button1: Button", 18, 28, 46, 17,
     "PilotStandard", true, Check<TPTButton>([](TPTButton& c) {
       EXPECT_EQ(c.Text(), "Button1");
       EXPECT_EQ(c.ShowForm(), "(None)");
       EXPECT_EQ(c.UserWidth(), 42);
       EXPECT_EQ(c.UserHeight(), 13);
       EXPECT_EQ(c.Frame(), 0);
     })},
    {"PTSelect", kPT, B::kSelect, C::kCCButton, "Select1", "Select1: Select", 19, 29, 36, 15,
     "PilotStandard", true, Check<TCCButton>([](TCCButton& c) {
       EXPECT_EQ(c.Content(), "Select1");
       EXPECT_EQ(c.Tag(), 3);
       EXPECT_EQ(c.Radius(), 0);
       EXPECT_EQ(c.Line(), 2);
       EXPECT_EQ(c.Alignment(), TextAlign::kLeft);
       EXPECT_EQ(c.ShowForm(), "(None)");
       EXPECT_EQ(c.DOTTitle(), "Select...");
       EXPECT_EQ(c.DOTColors(), "Black,White,Black,White,Black,White,Black");
       EXPECT_EQ(c.DOTFormat(), 8);
       EXPECT_EQ(c.DOTPicker(), 0);
     })},
    {"PTPush", kPT, B::kPush, C::kCCSwitch, "Push1", "Push1: Push", 20, 30, 32, 15, "PilotStandard",
     true, Check<TCCSwitch>([](TCCSwitch& c) {
       EXPECT_EQ(c.Content(), "Push1");
       EXPECT_EQ(c.Tag(), 0);
     })},
    {"PTLabel", kPT, B::kLabel, C::kPTLabel, "Label1", "Label1: Label", 20, 30, 32, 13,
     "PilotStandard", true, Check<TPTLabel>([](TPTLabel& c) { EXPECT_EQ(c.Content(), "Label1"); })},
    {"PTField", kPT, B::kEdit, C::kPTEdit, "Field1", "Field1: Field", 20, 30, 32, 15,
     "PilotStandard", false, Check<TPTEdit>([](TPTEdit& c) {
       EXPECT_EQ(c.Text(), "Field");
       EXPECT_EQ(c.MaxChars(), 20);
       EXPECT_EQ(c.Tag(), 1);
     })},
    {"PTCheckBox", kPT, B::kCheckBox, C::kPTCheckbox, "CheckBox1", "CheckBox1: CheckBox", 20, 30,
     58, 15, "PilotStandard", true, Check<TPTCheckbox>([](TPTCheckbox& c) {
       EXPECT_EQ(c.Content(), "CheckBox1");
       EXPECT_EQ(c.GroupNumber(), 0);
     })},
    {"PTList", kPT, B::kListBox, C::kPTList, "List1", "List1: List", 20, 30, 35, 25,
     "PilotStandard", true, Check<TPTList>([](TPTList& c) {
       EXPECT_EQ(c.Items(), (Items{"One", "Two", "Three"}));
       EXPECT_EQ(c.MaxItems(), 2);
       EXPECT_EQ(c.Trigger(), "(None)");
       EXPECT_EQ(c.Style(), 0);
     })},
    {"PTPopTrigger", kPT, B::kPopTrigger, C::kPTPopTrigger, "Pop1", "Pop1: PopTrigger", 20, 30, 35,
     15, "PilotStandard", true,
     Check<TPTPopTrigger>([](TPTPopTrigger& c) { EXPECT_EQ(c.Text(), "Pop"); })},
    {"PTRadio", kPT, B::kRadio, C::kCCRadio, "Radio1", "Radio1: Radio", 20, 30, 31, 15,
     "PilotStandard", true, Check<TCCRadio>([](TCCRadio& c) {
       EXPECT_EQ(c.Tag(), 1);
       EXPECT_EQ(c.Items(), (Items{"A", "B", "C"}));
     })},
    {"PTBitmap", kPT, B::kBitmap, C::kCCBitmap, "Bitmap1", "Bitmap1: Bitmap", 20, 30, 20, 20,
     "MS Sans Serif", true, Check<TCCBitmap>([](TCCBitmap& c) {
       EXPECT_EQ(c.StringBits(), "");
       EXPECT_EQ(c.Tag(), 0);
     })},
    {"PTGsi", kPT, B::kGsi, C::kPTGsi, "GSI1", "GSI1: GSI", 20, 30, 8, 9, "MS Sans Serif", true,
     nullptr},
    {"PTDialog", kPT, B::kDialog, C::kPTDialog, "Dialog1", "Dialog1: Dialog", 3, 58, 156, 84,
     "PilotStandard", false, Check<TPTDialog>([](TPTDialog& c) { EXPECT_EQ(c.Tag(), 1); })},
};

class PlacementValues : public DesignerTest, public ::testing::WithParamInterface<PlacedCase> {};

bool Listed(const TChildFrm& form, const std::string& text) {
  for (const auto& entry : form.ControlList())
    if (entry.text == text) return true;
  return false;
}

TEST_P(PlacementValues, PlacedControlHasItsInitialValues) {
  const PlacedCase& c = GetParam();
  TChildFrm& form = NewForm(c.lib);
  ASSERT_EQ(form.Name(), "Form1");
  TControl* placed = Place(form, c.button, 20, 30);
  ASSERT_NE(placed, nullptr);
  ASSERT_NE(placed, &form.Client()) << "nothing was placed";
  EXPECT_EQ(placed->Class(), c.cls);
  EXPECT_EQ(placed->Name(), c.name);
  EXPECT_EQ(placed->Left(), c.left);
  EXPECT_EQ(placed->Top(), c.top);
  EXPECT_EQ(placed->Width(), c.width);
  EXPECT_EQ(placed->Height(), c.height);
  EXPECT_EQ(placed->Font().name, c.font);
  EXPECT_EQ(placed->Color(), 16777215u);
  EXPECT_EQ(placed->PalmForm(), c.palm_form ? &form.Screen() : nullptr);
  EXPECT_TRUE(placed->ResizeNotification());
  EXPECT_TRUE(Listed(form, c.list_entry));
  EXPECT_EQ(state.pressed_button, PaletteButton::kNone);
  EXPECT_TRUE(links.Logged(std::string("FillInspector ") + c.name));
  if (c.cls == C::kCCMenu) {
    EXPECT_FALSE(placed->Selected());
  } else {
    EXPECT_EQ(placed->Parent(), &form.Screen());
    EXPECT_TRUE(placed->Selected());
    EXPECT_EQ(placed->SelectColor(), 16711680u);
  }
  if (c.extra) c.extra(*placed);
  EXPECT_TRUE(ui.ShownLog().empty());
}

INSTANTIATE_TEST_SUITE_P(EveryKind, PlacementValues, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<PlacedCase>& info) {
                           return std::string(info.param.label);
                         });

TEST_F(DesignerTest, ShortNamesUseTheShortPrefix) {
  state.short_names = true;
  TChildFrm& form = NewForm(kCC);
  EXPECT_EQ(Place(form, B::kTable, 10, 10)->Name(), "Tb1");
  EXPECT_EQ(Place(form, B::kTable, 10, 60)->Font().name, "PilotStandard");
  EXPECT_EQ(Place(form, B::kMenu, 0, 0)->Name(), "Mn3");
  EXPECT_NE(form.FindControl("MbFm1"), nullptr);
  TChildFrm& other = NewForm(kPT);
  EXPECT_EQ(Place(other, B::kGsi, 10, 10)->Name(), "GSI4");
  EXPECT_EQ(Place(other, B::kPopTrigger, 30, 10)->Name(), "Pt5");
}

TEST_F(DesignerTest, TheCounterIsSharedByAllKindsAndForms) {
  TChildFrm& form = NewForm(kPT);
  EXPECT_EQ(Place(form, B::kButton, 10, 10)->Name(), "Button1");
  EXPECT_EQ(Place(form, B::kLabel, 10, 40)->Name(), "Label2");
  TChildFrm& other = NewForm(kPT);
  EXPECT_EQ(Place(other, B::kButton, 10, 10)->Name(), "Button3");
}

}  // namespace
}  // namespace qb::test
