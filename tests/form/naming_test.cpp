#include "form/naming.h"

#include <gtest/gtest.h>

#include "controls/CCButton.h"
#include "controls/CCMenu.h"
#include "controls/CCTable.h"
#include "controls/PTDialog.h"
#include "form/ChildFor.h"

namespace qb {
namespace {

TCCButton* AddButton(TChildFrm& form, TControl& parent, const std::string& name) {
  auto* b = static_cast<TCCButton*>(parent.AddChild(std::make_unique<TCCButton>(&form.Document())));
  b->SetName(name);
  return b;
}

TEST(Naming, CounterIsSharedAndSkipsNamesInUse) {
  TChildFrm form;
  int counter = 0;
  EXPECT_EQ(NextControlName("Button", form, counter), "Button1");
  AddButton(form, form.Screen(), "Button1");
  EXPECT_EQ(NextControlName("Label", form, counter), "Label2");
  AddButton(form, form.Screen(), "button3");  // differs only in case
  auto* dialog = form.Screen().AddChild(std::make_unique<TPTDialog>(&form.Document()));
  dialog->SetName("Dialog9");
  AddButton(form, *dialog, "BUTTON4");  // inside a dialog
  EXPECT_EQ(NextControlName("Button", form, counter), "Button5");
  EXPECT_EQ(counter, 5);
  EXPECT_EQ(NextControlName("Label", form, counter), "Label6");
}

TEST(Naming, TheSameNameMayStandInTwoForms) {
  TChildFrm a, b;
  AddButton(a, a.Screen(), "Button1");
  int counter = 0;
  EXPECT_EQ(NextControlName("Button", b, counter), "Button1");
}

TEST(Naming, MenuBarAndFormNames) {
  TChildFrm form;
  form.SetName("Form1");
  EXPECT_EQ(MenuBarName(form, false), "MenuBarForm1");
  EXPECT_EQ(MenuBarName(form, true), "MbForm1");
  EXPECT_EQ(FormName(0, false), "Form1");
  EXPECT_EQ(FormName(0, true), "Fm1");
  EXPECT_EQ(FormName(4, false), "Form5");
}

TEST(Naming, ReservedNames) {
  TChildFrm form;
  auto* table = form.Screen().AddChild(std::make_unique<TCCTable>(&form.Document()));
  table->SetName("T1");
  for (const char* name : {"FORM", "form", "T1Items", "t1colwidths", "T1ColAlign", "panScreen",
                           "PopMenu", "snapDialog"})
    EXPECT_TRUE(IsReservedControlName(name, form)) << name;
  for (const char* name : {"Form1", "T1Item", "T2Items", "Button1"})
    EXPECT_FALSE(IsReservedControlName(name, form)) << name;
}

TEST(ControlList, BuildOrder) {
  TChildFrm form;
  form.SetName("Form1");
  AddButton(form, form.Screen(), "Button1");
  auto* dialog = form.Screen().AddChild(std::make_unique<TPTDialog>(&form.Document()));
  dialog->SetName("Dialog2");
  AddButton(form, *dialog, "Button3");
  auto* menu = form.Client().AddChild(std::make_unique<TCCMenu>(&form.Document()));
  menu->SetName("Menu4");
  form.RebuildControlList(LibraryId::kCControls);
  std::vector<std::string> texts;
  for (const auto& e : form.ControlList()) texts.push_back(e.text);
  EXPECT_EQ(texts, (std::vector<std::string>{"Button1: Button", "Button3: Button",
                                             "Dialog2: Dialog", "Form1: Form", "Menu4: Menu"}));
  EXPECT_EQ(form.ControlList()[3].control.Get(), &form.Client());
}

}  // namespace
}  // namespace qb
