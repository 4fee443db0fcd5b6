// Palm coordinates and setter rules of every control class.

#include <gtest/gtest.h>

#include "controls/CCBitmap.h"
#include "controls/CCButton.h"
#include "controls/CCCheckbox.h"
#include "controls/CCDropDown.h"
#include "controls/CCEdit.h"
#include "controls/CCForm.h"
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
#include "controls/factory.h"

namespace qb {
namespace {

struct MarginCase {
  ControlClass cls;
  int dl, dt, dw, dh;  // User* minus panel value; 99 where the class publishes nothing
};

TEST(PalmCoordinates, MarginOfEveryClass) {
  using C = ControlClass;
  const MarginCase cases[] = {
      {C::kCCButton, 1, 1, -2, -2},   {C::kCCSwitch, 1, 1, -2, -2},
      {C::kCCLabel, 1, 1, -2, 99},    {C::kCCEdit, 1, 1, -2, 99},
      {C::kCCListBox, 1, 1, -2, 99},  {C::kCCTable, 1, 1, -2, 99},
      {C::kCCDropDown, 1, 1, -3, 99}, {C::kCCPopUp, 1, 1, -3, 99},
      {C::kPTList, 1, 1, -3, 99},     {C::kCCCheckbox, 1, 1, 99, 99},
      {C::kPTCheckbox, 1, 1, 99, 99}, {C::kPTButton, 2, 2, -4, -4},
      {C::kPTDialog, 2, 2, -4, -4},   {C::kCCBitmap, 99, 99, 99, 99},
      {C::kPTLabel, 99, 99, 99, 99},  {C::kPTPopTrigger, 99, 99, 99, 99},
      {C::kPTEdit, 99, 99, 99, 99},   {C::kPTGsi, 99, 99, 99, 99},
  };
  for (const auto& c : cases) {
    auto control = CreateControl(c.cls, nullptr);
    ASSERT_NE(control, nullptr);
    SCOPED_TRACE(ClassName(c.cls));
    control->SetBounds(20, 30, 50, 40);
    EXPECT_EQ(control->HasUserLeft(), c.dl != 99);
    EXPECT_EQ(control->HasUserTop(), c.dt != 99);
    EXPECT_EQ(control->HasUserWidth(), c.dw != 99);
    EXPECT_EQ(control->HasUserHeight(), c.dh != 99);
    if (c.dl != 99) {
      EXPECT_EQ(control->UserLeft(), 20 + c.dl);
      control->SetUserLeft(10);
      EXPECT_EQ(control->Left(), 10 - c.dl);
    }
    if (c.dt != 99) {
      EXPECT_EQ(control->UserTop(), 30 + c.dt);
      control->SetUserTop(10);
      EXPECT_EQ(control->Top(), 10 - c.dt);
    }
    if (c.dh != 99) {
      EXPECT_EQ(control->UserHeight(), 40 + c.dh);
      control->SetUserHeight(20);
      EXPECT_EQ(control->Height(), 20 - c.dh);
    }
    if (c.dw != 99 && c.cls != C::kCCRadio) {
      EXPECT_EQ(control->UserWidth(), 50 + c.dw);
      control->SetUserWidth(34);
      EXPECT_EQ(control->Width(), 34 - c.dw);
    }
  }
}

TEST(PalmCoordinates, SpecExamples) {
  TCCButton button(nullptr);
  button.SetUserLeft(10);
  button.SetUserTop(20);
  EXPECT_EQ(button.Left(), 9);
  EXPECT_EQ(button.Top(), 19);
  EXPECT_EQ(button.Width(), 40);
  EXPECT_EQ(button.Height(), 14);
  EXPECT_EQ(button.UserWidth(), 38);
  EXPECT_EQ(button.UserHeight(), 12);

  TPTButton pt(nullptr);
  pt.SetUserLeft(20);
  pt.SetUserTop(30);
  pt.SetUserWidth(42);
  pt.SetUserHeight(13);
  EXPECT_EQ(pt.Left(), 18);
  EXPECT_EQ(pt.Top(), 28);
  EXPECT_EQ(pt.Width(), 46);
  EXPECT_EQ(pt.Height(), 17);

  TCCDropDown drop(nullptr);
  drop.SetUserWidth(34);
  EXPECT_EQ(drop.Width(), 37);
  drop.SetUserWidth(36);
  EXPECT_EQ(drop.Width(), 39);
  TCCListBox list(nullptr);
  list.SetUserWidth(34);
  EXPECT_EQ(list.Width(), 36);
}

TEST(ConstructorDefaults, SizesColorsAndValues) {
  struct Case {
    ControlClass cls;
    int w, h;
    Color select;
  };
  using C = ControlClass;
  const Case cases[] = {
      {C::kCCButton, 40, 14, kBlue},     {C::kCCSwitch, 32, 14, kBlue},
      {C::kCCLabel, 32, 13, kBlue},      {C::kCCEdit, 32, 13, kBlue},
      {C::kCCCheckbox, 58, 13, kBlue},   {C::kCCListBox, 35, 14, 0},
      {C::kCCRadio, 31, 14, kBlue},      {C::kCCDropDown, 35, 14, kBlue},
      {C::kCCPopUp, 35, 14, kBlue},      {C::kCCBitmap, 20, 20, 0},
      {C::kCCTable, 77, 46, kBlue},      {C::kCCMenu, 35, 36, kGreen},
      {C::kPTDialog, 160, 160, kBlue},   {C::kPTButton, 40, 14, kBlue},
      {C::kPTPopTrigger, 35, 15, kBlue}, {C::kPTEdit, 32, 15, kBlue},
      {C::kPTCheckbox, 58, 13, kBlue},   {C::kPTLabel, 32, 13, kBlue},
      {C::kPTList, 35, 25, kBlue},       {C::kPTGsi, 8, 9, kBlue},
      {C::kCCForm, 160, 160, 0},
  };
  for (const auto& c : cases) {
    auto control = CreateControl(c.cls, nullptr);
    SCOPED_TRACE(ClassName(c.cls));
    EXPECT_EQ(control->Width(), c.w);
    EXPECT_EQ(control->Height(), c.h);
    EXPECT_EQ(control->SelectColor(), c.select);
  }
  EXPECT_EQ(TCCButton(nullptr).Color(), kConstructorColor);
  EXPECT_EQ(TCCButton(nullptr).Radius(), 4);
  EXPECT_EQ(TCCButton(nullptr).DOTColors(), "Black,White,Black,White,Black,White,Black");
  EXPECT_EQ(TCCSwitch(nullptr).Radius(), 0);
  EXPECT_EQ(TCCLabel(nullptr).Line(), 1);
  EXPECT_EQ(TCCLabel(nullptr).Style(), 2);
  EXPECT_EQ(TCCEdit(nullptr).Line(), 2);
  EXPECT_EQ(TCCEdit(nullptr).Style(), 1);
  EXPECT_EQ(TCCMenu(nullptr).Font().name, "PilotBold");
  EXPECT_EQ(TCCMenu(nullptr).Left(), 4);
  EXPECT_EQ(TCCMenu(nullptr).Top(), 1);
  EXPECT_EQ(TPTEdit(nullptr).Tag(), 1);
  EXPECT_EQ(TPTEdit(nullptr).Text(), "Edit");
  EXPECT_EQ(TPTPopTrigger(nullptr).Text(), "Pop");
  EXPECT_EQ(TCCForm(nullptr).Title(), "Form1");
  EXPECT_EQ(TCCForm(nullptr).GridSpace(), 4);
  EXPECT_EQ(TPTDialog(nullptr).Title(), "Dialog");
  EXPECT_EQ(TPTList(nullptr).MaxItems(), 2);
}

TEST(SetterRules, VisibleItemsAndRowsFollowTheHeight) {
  TCCListBox list(nullptr);
  list.SetVisibleItems(4);
  EXPECT_EQ(list.Height(), 46);
  list.SetHeight(40);
  EXPECT_EQ(list.VisibleItems(), 4);
  list.SetHeight(38);
  EXPECT_EQ(list.VisibleItems(), 3);  // 3.45 rounds to 3
  list.SetVisibleItems(list.VisibleItems());
  EXPECT_EQ(list.Height(), 35);

  TCCTable table(nullptr);
  table.SetVisibleRows(2);
  EXPECT_EQ(table.Height(), 24);
  table.SetHeight(60);  // 5.45
  EXPECT_EQ(table.VisibleRows(), 5);

  TCCDropDown drop(nullptr);
  drop.SetVisibleItems(2);
  EXPECT_EQ(drop.Height(), 25);
  drop.SetHeight(100);
  EXPECT_EQ(drop.VisibleItems(), 2);  // stored, not derived

  TCCPopUp pop(nullptr);
  pop.SetVisibleItems(2);
  EXPECT_EQ(pop.Height(), 25);
  pop.SetHeight(42);  // (42 - 3) / 11 = 3.5 -> 4
  EXPECT_EQ(pop.VisibleItems(), 4);
  pop.SetHeight(31);  // 28 / 11 = 2.55 -> 3
  EXPECT_EQ(pop.VisibleItems(), 3);
}

TEST(SetterRules, RadioWidthAndOrientation) {
  TCCRadio radio(nullptr);
  radio.SetItems({"A", "B", "C"});
  radio.SetUserWidth(31);
  EXPECT_EQ(radio.Width(), 32);  // 31 / 3 rounds to 10
  radio.SetBounds(0, 0, 91, 14);
  EXPECT_EQ(radio.UserWidth(), 88);  // nearest(91 / 3) = 30, × 3 - 2
  radio.SetOrientation(1);
  EXPECT_EQ(radio.Width(), 31);
  EXPECT_EQ(radio.Height(), 40);
  radio.SetOrientation(1);  // unchanged value: no change
  EXPECT_EQ(radio.Height(), 40);
  radio.SetOrientation(0);
  EXPECT_EQ(radio.Width(), 91);
  EXPECT_EQ(radio.Height(), 14);

  TCCRadio empty(nullptr);
  empty.SetUserWidth(40);
  EXPECT_EQ(empty.Width(), 42);
  EXPECT_EQ(empty.UserWidth(), 40);
}

TEST(SetterRules, PopUpAndMenuBarVisibilityFollowsTest) {
  TCCPopUp pop(nullptr);
  pop.SetTest(0);
  EXPECT_FALSE(pop.Visible());
  pop.SetTest(1);
  EXPECT_TRUE(pop.Visible());
  TCCMenuBar bar(nullptr);
  EXPECT_EQ(bar.Test(), 1);
  bar.SetTest(0);
  EXPECT_FALSE(bar.Visible());
}

TEST(SetterRules, MenuWidthsItemsAndTest) {
  TCCMenu menu(nullptr);
  menu.SetTopicWidth(36);  // UserWidth 32 < 36
  EXPECT_EQ(menu.Width(), 40);
  menu.SetUserWidth(38);  // TopicWidth 36 < 38
  EXPECT_EQ(menu.Width(), 41);
  menu.SetTopicWidth(30);  // UserWidth 38 is not below 30: width kept
  EXPECT_EQ(menu.Width(), 41);
  menu.SetUserWidth(20);  // TopicWidth 30 is not below 20: width kept
  EXPECT_EQ(menu.Width(), 41);
  EXPECT_EQ(menu.UserWidth(), 20);
  menu.SetUserLeft(14);
  EXPECT_EQ(menu.Left(), 13);
  EXPECT_EQ(menu.UserLeft(), 14);
  menu.SetItems({"Item1", "Item2"});
  EXPECT_EQ(menu.Height(), 38);
  EXPECT_EQ(menu.DrawnHeight(), 37);
  menu.SetVisible(false);
  menu.SetTest(0);
  EXPECT_FALSE(menu.Visible());
  EXPECT_EQ(menu.DrawnHeight(), 15);
  menu.SetTest(1);
  EXPECT_TRUE(menu.Visible());
}

TEST(SetterRules, ListStyleAndTriggerStayConsistent) {
  TPTList list(nullptr);
  list.SetTrigger("Pop3");
  EXPECT_EQ(list.Style(), 1);
  list.SetStyle(0);
  EXPECT_EQ(list.Trigger(), "(None)");
  list.SetStyle(1);
  EXPECT_EQ(list.Trigger(), "(None)");
  list.SetTrigger("(None)");
  EXPECT_EQ(list.Style(), 1);
  list.SetStyle(2);
  EXPECT_EQ(list.Trigger(), "(None)");
  list.SetMaxItems(3);
  EXPECT_EQ(list.Height(), 36);
  list.SetRowHeight(14);
  list.SetMaxItems(3);
  EXPECT_EQ(list.Height(), 45);
}

TEST(SetterRules, CheckBoxGroupNumberIsAByte) {
  TPTCheckbox box(nullptr);
  box.SetGroupNumber(300);
  EXPECT_EQ(box.GroupNumber(), 44);
  box.SetGroupNumber(-1);
  EXPECT_EQ(box.GroupNumber(), 255);
}

TEST(SetterRules, FormFillCarriesThePanelColour) {
  TCCForm form(nullptr);
  form.SetColorFormFill(kSilver);
  EXPECT_EQ(form.Color(), kSilver);
}

}  // namespace
}  // namespace qb
