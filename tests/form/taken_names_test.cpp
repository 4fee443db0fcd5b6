// TakenNames answers what FindControl and IsReservedControlName answer, from one snapshot.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "controls/CCButton.h"
#include "controls/CCMenu.h"
#include "controls/CCTable.h"
#include "controls/PTDialog.h"
#include "form/ChildFor.h"
#include "form/naming.h"

namespace qb {
namespace {

template <typename T>
T* Add(TChildFrm& form, TControl& parent, const std::string& name) {
  auto* c = static_cast<T*>(parent.AddChild(std::make_unique<T>(&form.Document())));
  c->SetName(name);
  return c;
}

// A form with a control in every place a control can be: the screen, a dialog, the window.
struct Populated {
  TChildFrm form;
  TCCTable* table;
  TCCButton* inner;
  Populated() {
    Add<TCCButton>(form, form.Screen(), "Button1");
    auto* dialog = Add<TPTDialog>(form, form.Screen(), "Dialog2");
    inner = Add<TCCButton>(form, *dialog, "Inner3");
    Add<TCCMenu>(form, form.Client(), "Menu4");
    table = Add<TCCTable>(form, form.Screen(), "Grid5");
  }
};

TEST(TakenNames, AgreesWithTheFormScans) {
  Populated p;
  const TakenNames names(p.form);
  for (const char* name :
       {"Button1",     "BUTTON1",    "dialog2",        "Inner3",        "Menu4",
        "Grid5",       "Grid5Items", "grid5colwidths", "GRID5COLALIGN", "FORM",
        "form",        "panScreen",  "PopMenu",        "snapDialog",    "imgPalm",
        "sthControls", "snap",       "Button2",        "Grid5Item",     "Grid6Items",
        "Form1",       "",           "Inner"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(names.BorneByControl(name), p.form.FindControl(name) != nullptr);
    EXPECT_EQ(names.Reserved(name), IsReservedControlName(name, p.form));
    EXPECT_EQ(names.Taken(name),
              p.form.FindControl(name) != nullptr || IsReservedControlName(name, p.form));
  }
}

TEST(TakenNames, ScreenPanelAndClientAreaAreNotControls) {
  TChildFrm form;
  form.Screen().SetName("Screen");
  const TakenNames names(form);
  EXPECT_FALSE(names.BorneByControl("Screen"));
  EXPECT_FALSE(names.BorneByControl("ChildFrm"));
}

TEST(TakenNames, RenamingATableMovesItsReservedSections) {
  Populated p;
  TakenNames names(p.form);
  names.Remove(*p.table);
  p.table->SetName("Sheet9");
  names.Add(*p.table);
  EXPECT_FALSE(names.BorneByControl("Grid5"));
  EXPECT_FALSE(names.Reserved("Grid5Items"));
  EXPECT_TRUE(names.BorneByControl("sheet9"));
  EXPECT_TRUE(names.Reserved("Sheet9ColAlign"));
}

TEST(TakenNames, ANameBorneTwiceStaysTakenUntilBothLetItGo) {
  Populated p;
  auto* twin = Add<TCCButton>(p.form, p.form.Screen(), "inner3");
  TakenNames names(p.form);
  names.Remove(*p.inner);
  EXPECT_TRUE(names.BorneByControl("Inner3"));
  names.Remove(*twin);
  EXPECT_FALSE(names.BorneByControl("Inner3"));
}

TEST(TakenNames, NextNameMatchesTheScanningOne) {
  Populated p;
  Add<TCCButton>(p.form, p.form.Screen(), "Button6");
  Add<TCCButton>(p.form, p.form.Screen(), "Grid7");
  for (const char* prefix : {"Button", "Grid", "Inner", "Menu"}) {
    for (int start : {0, 2, 5}) {
      SCOPED_TRACE(std::string(prefix) + " from " + std::to_string(start));
      int scanning = start, snapshot = start;
      const TakenNames names(p.form);
      EXPECT_EQ(NextControlName(prefix, names, snapshot),
                NextControlName(prefix, p.form, scanning));
      EXPECT_EQ(snapshot, scanning);
    }
  }
  int counter = 5;
  EXPECT_EQ(NextControlName("Button", TakenNames(p.form), counter), "Button7");
}

}  // namespace
}  // namespace qb
