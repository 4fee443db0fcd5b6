// The layout check over forms built by placing controls the way the designer does (palette
// button, click on the screen), then changing what the case needs. Text is measured with a
// block face of 5 pixels per character, so every width below is 5 × the characters.

#include "codegen/layout_check.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "controls/CCBitmap.h"
#include "controls/CCButton.h"
#include "controls/CCDropDown.h"
#include "controls/CCEdit.h"
#include "controls/CCLabel.h"
#include "controls/CCListBox.h"
#include "controls/CCPopUp.h"
#include "controls/CCRadio.h"
#include "controls/CCTable.h"
#include "controls/PTButton.h"
#include "controls/PTCheckBox.h"
#include "controls/PTDialog.h"
#include "controls/PTEdit.h"
#include "controls/PTLabel.h"
#include "controls/PTList.h"
#include "controls/font_registry.h"
#include "designer/designer_fixture.h"
#include "support/test_faces.h"

namespace qb::test {
namespace {

constexpr LibraryId kCC = LibraryId::kCControls;
constexpr LibraryId kPT = LibraryId::kPToolboxLib;
using B = PaletteButton;
using S = FindingSeverity;

struct Expected {
  S severity;
  std::string form;
  std::string control;
  std::string message;
  const char* rule;
};

class LayoutCheckTest : public DesignerTest {
 public:
  LayoutCheckTest() {
    for (const auto& file : FontRegistry::Files())
      fonts.SetFace(file.font_name, BlockFace(5, 11, file.font_name));
  }

  template <typename T>
  T& Put(TChildFrm& form, B button, int x, int y) {
    TControl* placed = Place(form, button, x, y);
    EXPECT_NE(placed, nullptr);
    T* typed = As<T>(placed);
    EXPECT_NE(typed, nullptr) << placed->Name();
    return *typed;
  }
  TControl& Put(TChildFrm& form, B button, int x, int y) {
    TControl* placed = Place(form, button, x, y);
    EXPECT_NE(placed, nullptr);
    return *placed;
  }

  // Placing over a control would pick that control instead: overlaps are made by moving.
  static void MoveTo(TControl& c, int left, int top) {
    c.SetLeft(left);
    c.SetTop(top);
  }

  std::vector<LayoutFinding> Check() {
    std::vector<const TChildFrm*> forms;
    for (const auto& w : state.windows) forms.push_back(w.get());
    return CheckLayout(forms, state.library, fonts);
  }

  FontRegistry fonts;
};

void ExpectFindings(const std::vector<LayoutFinding>& got, const std::vector<Expected>& want) {
  ASSERT_EQ(got.size(), want.size()) << FindingsText(got);
  for (std::size_t i = 0; i < want.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(got[i].severity, want[i].severity) << got[i].message;
    EXPECT_EQ(got[i].form, want[i].form);
    EXPECT_EQ(got[i].control, want[i].control);
    EXPECT_EQ(got[i].message, want[i].message);
    EXPECT_STREQ(got[i].rule.c_str(), want[i].rule);
  }
}

struct RuleCase {
  const char* label;
  LibraryId lib;
  std::function<void(LayoutCheckTest&, TChildFrm&)> build;
  std::vector<Expected> expected;
};

void PrintTo(const RuleCase& c, std::ostream* os) { *os << c.label; }

// One small form per rule; the form is Form1.
const std::vector<RuleCase>& RuleCases() {
  static const std::vector<RuleCase> kCases = {
      {"CcOverlap",
       kCC,
       [](LayoutCheckTest& t, TChildFrm& f) {
         t.Put(f, B::kButton, 10, 20);                    // device 10..48 × 20..32
         t.MoveTo(t.Put(f, B::kButton, 60, 60), 19, 24);  // device 20..58 × 25..37
       },
       {{S::kWarning, "Form1", "Button2", "Button2 overlaps Button1 by 28 x 7 pixels",
         kRuleOverlap}}},
      {"PtOverlapOfFieldAndPush",
       kPT,
       [](LayoutCheckTest& t, TChildFrm& f) {
         t.Put(f, B::kEdit, 10, 20);  // Field 32 × 15 from (10, 20)
         t.MoveTo(t.Put(f, B::kPush, 60, 60), 30, 30);
       },
       // The Push's device rectangle lies a pixel inside its panel on every side.
       {{S::kWarning, "Form1", "Push2", "Push2 overlaps Field1 by 11 x 4 pixels", kRuleOverlap}}},
      {"OverlapNamesTheControlJustBeneath",
       kCC,
       [](LayoutCheckTest& t, TChildFrm& f) {
         t.Put(f, B::kButton, 10, 20);
         t.Put(f, B::kButton, 10, 60);
         t.MoveTo(t.Put(f, B::kButton, 60, 100), 19, 19);
         t.MoveTo(t.Put(f, B::kButton, 60, 130), 9, 59);  // on Button2, clear of Button3
       },
       {{S::kWarning, "Form1", "Button3", "Button3 overlaps Button1 by 28 x 12 pixels",
         kRuleOverlap},
        {S::kWarning, "Form1", "Button4", "Button4 overlaps Button2 by 38 x 12 pixels",
         kRuleOverlap}}},
      {"PileOfControls",
       kCC,
       [](LayoutCheckTest& t, TChildFrm& f) {
         t.Put(f, B::kButton, 10, 20);
         t.MoveTo(t.Put(f, B::kButton, 60, 60), 12, 19);
         t.MoveTo(t.Put(f, B::kButton, 60, 100), 14, 19);
       },
       {{S::kWarning, "Form1", "Button2", "Button2 overlaps Button1 by 35 x 12 pixels",
         kRuleOverlap},
        {S::kWarning, "Form1", "Button3",
         "Button3 overlaps Button2 by 36 x 12 pixels and 1 more control", kRuleOverlap}}},
      {"PopUpListsLieOverOthersOnPurpose",
       kCC,
       [](LayoutCheckTest& t, TChildFrm& f) {
         t.Put(f, B::kButton, 10, 20);
         t.MoveTo(t.Put(f, B::kPopUp, 60, 60), 12, 22);
       },
       {}},
      {"PopTriggeredListLiesOverOthersOnPurpose",
       kPT,
       [](LayoutCheckTest& t, TChildFrm& f) {
         t.Put(f, B::kPopTrigger, 10, 20);
         auto& list = t.Put<TPTList>(f, B::kListBox, 60, 60);
         t.MoveTo(list, 12, 22);
         list.SetTrigger("Pop1");
       },
       {}},
      {"StandAloneListOverlaps",
       kPT,
       [](LayoutCheckTest& t, TChildFrm& f) {
         t.Put(f, B::kPopTrigger, 10, 20);                 // 10..45 × 20..35
         t.MoveTo(t.Put(f, B::kListBox, 60, 60), 12, 22);  // 12..47 × 22..47
       },
       // The list's Palm rectangle starts a pixel inside its panel; it keeps the panel's width.
       {{S::kWarning, "Form1", "List2", "List2 overlaps Pop1 by 32 x 12 pixels", kRuleOverlap}}},
      {"OutsideTheScreenAtTheRight",
       kCC,
       // Palm 127 + 38 on the device; its panel reaches a pixel further.
       [](LayoutCheckTest& t, TChildFrm& f) { t.Put(f, B::kButton, 127, 20); },
       {{S::kWarning, "Form1", "Button1", "Button1 lies 5 pixels outside the screen at the right",
         kRuleOnScreen}}},
      {"OutsideTheScreenAtTheLeftAndBottom",
       kCC,
       [](LayoutCheckTest& t, TChildFrm& f) {
         TControl& b = t.Put(f, B::kButton, 10, 20);
         b.SetLeft(-2);  // Palm -1
         b.SetTop(150);  // Palm 151 + 12
       },
       {{S::kWarning, "Form1", "Button1", "Button1 lies 1 pixel outside the screen at the left",
         kRuleOnScreen},
        {S::kWarning, "Form1", "Button1", "Button1 lies 3 pixels outside the screen at the bottom",
         kRuleOnScreen}}},
      {"CcOverTheTitle",
       kCC,
       [](LayoutCheckTest& t, TChildFrm& f) { t.Put(f, B::kButton, 10, 10); },  // rows 10..21
       {{S::kWarning, "Form1", "Button1", "Button1 lies 5 pixels over the form's title",
         kRuleBelowTitle}}},
      {"PtLabelOverTheTitle",
       kPT,
       [](LayoutCheckTest& t, TChildFrm& f) { t.Put(f, B::kLabel, 100, 0); },  // rows 0..10
       {{S::kWarning, "Form1", "Label1", "Label1 lies 11 pixels over the form's title",
         kRuleBelowTitle}}},
      {"JustBelowTheTitle",
       kPT,
       [](LayoutCheckTest& t, TChildFrm& f) { t.Put(f, B::kEdit, 10, 15); },
       {}},
      {"DialogAndItsControlsMayCoverTheTitle",
       kPT,
       [](LayoutCheckTest& t, TChildFrm& f) {
         TControl& dialog = t.Put(f, B::kDialog, 0, 0);
         t.Put(f, B::kButton, 3 + 10, 58 + 20);
         dialog.SetTop(0);
       },
       {}},
      {"PtLabelIsAsWideAsItsText",
       kPT,
       [](LayoutCheckTest& t, TChildFrm& f) {
         // 14 characters: 70 + 1 wide from 100, whatever width it was stored with.
         t.Put<TPTLabel>(f, B::kLabel, 100, 20).SetContent("A long caption");
       },
       {{S::kWarning, "Form1", "Label1", "Label1 lies 11 pixels outside the screen at the right",
         kRuleOnScreen}}},
      {"GsiKeepsItsSize",
       kPT,
       [](LayoutCheckTest& t, TChildFrm& f) {
         TControl& g = t.Put(f, B::kGsi, 150, 150);
         g.SetWidth(12);  // drawn 8 × 9: 158, 159
         g.SetHeight(12);
       },
       {}},
      {"OutsideItsDialog",
       kPT,
       [](LayoutCheckTest& t, TChildFrm& f) {
         t.Put(f, B::kDialog, 0, 0);              // Palm 152 × 80
         t.Put(f, B::kButton, 3 + 120, 58 + 10);  // Palm (120, 10) of the dialog, 42 wide
       },
       {{S::kWarning, "Form1", "Button2",
         "Button2 lies 10 pixels outside its dialog Dialog1 at the right", kRuleInDialog}}},
      {"CcLabelOutsideItsDialog",
       kCC,
       [](LayoutCheckTest& t, TChildFrm& f) {
         t.Put(f, B::kDialog, 0, 0);             // frame 156 × 84 at the panel (3, 58)
         t.Put(f, B::kLabel, 3 + 140, 58 + 10);  // Palm 141 + 30 in the dialog
       },
       {{S::kWarning, "Form1", "Label2",
         "Label2 lies 15 pixels outside its dialog Dialog1 at the right", kRuleInDialog}}},
      {"PtButtonsOneDevicePixelApart",
       kPT,
       [](LayoutCheckTest& t, TChildFrm& f) {
         t.Put(f, B::kButton, 10, 20);                    // Palm 10..51, panel 8..55
         t.MoveTo(t.Put(f, B::kButton, 60, 60), 51, 18);  // Palm 53..94, panel 51..96
       },
       {}},
      {"PtButtonPastTheScreen",
       kPT,
       [](LayoutCheckTest& t, TChildFrm& f) { t.Put(f, B::kButton, 136, 20); },  // 136 + 42
       {{S::kWarning, "Form1", "Button1", "Button1 lies 18 pixels outside the screen at the right",
         kRuleOnScreen}}},
      {"CcEditLineTextCutOff",
       kCC,
       [](LayoutCheckTest& t, TChildFrm& f) {
         // Drawn as a Label: 70 pixels from x = 2 in 32.
         t.Put<TCCEdit>(f, B::kEditLine, 10, 20).SetContent("A long caption");
       },
       {{S::kWarning, "Form1", "EditLine1",
         "EditLine1's text \"A long caption\" is 40 pixels wider than the control shows and is "
         "cut off",
         kRuleTextFits}}},
      {"PtSingleLineFieldTextCutOff",
       kPT,
       [](LayoutCheckTest& t, TChildFrm& f) {
         auto& field = t.Put<TPTEdit>(f, B::kEdit, 10, 20);
         field.SetText("A long caption");  // 70 from x = 0 in 32
         field.SetSingleLine(1);
       },
       {{S::kWarning, "Form1", "Field1",
         "Field1's text \"A long caption\" is 38 pixels wider than the control shows and is cut "
         "off",
         kRuleTextFits}}},
      {"PtMultiLineFieldWraps",
       kPT,
       [](LayoutCheckTest& t, TChildFrm& f) {
         auto& field = t.Put<TPTEdit>(f, B::kEdit, 10, 20);
         field.SetText("A long caption");
         field.SetSingleLine(0);
       },
       {}},
      {"CcListBoxItemCutOff",
       kCC,
       [](LayoutCheckTest& t, TChildFrm& f) {
         // Rows end at the width less 2; text starts at 2.
         t.Put<TCCListBox>(f, B::kListBox, 10, 20).SetItems({"One", "A long caption"});
       },
       {{S::kWarning, "Form1", "ListBox1",
         "ListBox1's text \"A long caption\" is 38 pixels wider than the control shows and is "
         "cut off",
         kRuleTextFits}}},
      {"CcDropDownShowsItsSelectedItemCutOff",
       kCC,
       [](LayoutCheckTest& t, TChildFrm& f) {
         auto& drop = t.Put<TCCDropDown>(f, B::kDropDown, 10, 20);
         drop.SetItems({"One", "Sixteen"});  // 35 pixels: from 12 in the 39 - 3 it shows
         drop.SetSelectedItem(1);
       },
       {{S::kWarning, "Form1", "DropDown1",
         "DropDown1's text \"Sixteen\" is 11 pixels wider than the control shows and is cut off",
         kRuleTextFits}}},
      {"CcRadioItemCutOffInItsCell",
       kCC,
       [](LayoutCheckTest& t, TChildFrm& f) {
         // Cells 10 wide in 31: the middle one's frame lines at 10 and 20, its 30 pixels from 0.
         t.Put<TCCRadio>(f, B::kRadio, 10, 20).SetItems({"A", "Medium", "C"});
       },
       {{S::kWarning, "Form1", "Radio1",
         "Radio1's text \"Medium\" is 21 pixels wider than its cell shows and is cut off",
         kRuleTextFits}}},
      {"PtStackedRadioItemCutOff",
       kPT,
       [](LayoutCheckTest& t, TChildFrm& f) {
         auto& radio = t.Put<TCCRadio>(f, B::kRadio, 10, 20);
         radio.SetItems({"S", "Longer"});
         radio.SetOrientation(1);
         radio.SetWidth(20);  // 30 pixels centred from -5 between the frame lines at 0 and 19
       },
       {{S::kWarning, "Form1", "Radio1",
         "Radio1's text \"Longer\" is 12 pixels wider than its cell shows and is cut off",
         kRuleTextFits}}},
      {"CcTableCellsCutOff",
       kCC,
       [](LayoutCheckTest& t, TChildFrm& f) {
         // Columns 0..25, 25..50 and 50..76: left from 2, centred, right to 1 before w.
         auto& table = t.Put<TCCTable>(f, B::kTable, 10, 20);
         table.SetColAlign({"0", "1", "2"});
         table.SetItems({"a~Too long~c", "Fits~~Rightmost", "", "Far below~~"});
       },
       {{S::kWarning, "Form1", "Table1",
         "Table1's text \"Too long\" in row 1, column 2 is 16 pixels wider than its cell shows "
         "and is cut off",
         kRuleTextFits},
        {S::kWarning, "Form1", "Table1",
         "Table1's text \"Rightmost\" in row 2, column 3 is 22 pixels wider than its cell "
         "shows and is cut off",
         kRuleTextFits},
        // Rows past those shown scroll into the same columns.
        {S::kWarning, "Form1", "Table1",
         "Table1's text \"Far below\" in row 4, column 1 is 22 pixels wider than its cell "
         "shows and is cut off",
         kRuleTextFits}}},
      {"CcTableColumnWithoutWidthShowsNothing",
       kCC,
       [](LayoutCheckTest& t, TChildFrm& f) {
         auto& table = t.Put<TCCTable>(f, B::kTable, 10, 20);
         table.SetColWidths({"25", "0", "25"});
         table.SetItems({"~A long caption~"});
       },
       {}},
      {"PtDialogTitleCutOff",
       kPT,
       [](LayoutCheckTest& t, TChildFrm& f) {
         auto& dialog = t.Put<TPTDialog>(f, B::kDialog, 0, 0);
         dialog.SetTitle("Settings and more");  // 85 bold pixels centred in a bar of 56
         dialog.SetWidth(60);
       },
       {{S::kWarning, "Form1", "Dialog1",
         "Dialog1's title \"Settings and more\" is 29 pixels wider than its title bar shows and "
         "is cut off",
         kRuleTextFits}}},
      {"FormTitleCutOffAtTheScreensEdge",
       kCC,
       // 160 bold pixels from 3 on a screen 160 wide.
       [](LayoutCheckTest&, TChildFrm& f) {
         f.Screen().SetTitle("A very long title for this form!");
       },
       {{S::kWarning, "Form1", "",
         "Form1's title \"A very long title for this form!\" is 3 pixels wider than the screen "
         "shows and is cut off",
         kRuleTextFits}}},
      {"ZeroWidth",
       kCC,
       [](LayoutCheckTest& t, TChildFrm& f) { t.Put(f, B::kButton, 10, 20).SetUserWidth(0); },
       {{S::kError, "Form1", "Button1", "Button1 is 0 pixels wide", kRuleSize}}},
      {"NegativeHeight",
       kPT,
       [](LayoutCheckTest& t, TChildFrm& f) { t.Put(f, B::kButton, 10, 20).SetUserHeight(-3); },
       {{S::kError, "Form1", "Button1", "Button1 is -3 pixels high", kRuleSize}}},
      {"CcLabelTextCutOffLeftAligned",
       kCC,
       [](LayoutCheckTest& t, TChildFrm& f) {
         // 70 pixels from x = 2 in a label 32 wide.
         t.Put<TCCLabel>(f, B::kLabel, 10, 20).SetContent("A long caption");
       },
       {{S::kWarning, "Form1", "Label1",
         "Label1's text \"A long caption\" is 40 pixels wider than the control shows and is cut "
         "off",
         kRuleTextFits}}},
      {"CcLabelTextCutOffCentred",
       kCC,
       [](LayoutCheckTest& t, TChildFrm& f) {
         auto& l = t.Put<TCCLabel>(f, B::kLabel, 10, 20);
         l.SetContent("A long caption");
         l.SetAlignment(TextAlign::kCenter);  // from nearest(-38 / 2) = -19 to 51
       },
       {{S::kWarning, "Form1", "Label1",
         "Label1's text \"A long caption\" is 38 pixels wider than the control shows and is cut "
         "off",
         kRuleTextFits}}},
      {"CcLabelTextFitsExactly",
       kCC,
       [](LayoutCheckTest& t, TChildFrm& f) {
         t.Put<TCCLabel>(f, B::kLabel, 10, 20).SetContent("Six ch");  // 2 + 30 of 32
       },
       {}},
      {"CcButtonTextCutOff",
       kCC,
       [](LayoutCheckTest& t, TChildFrm& f) {
         // 65 pixels centred in 40: from nearest(-12.5) = -12 to 53.
         t.Put<TCCButton>(f, B::kButton, 10, 20).SetContent("Cancel please");
       },
       {{S::kWarning, "Form1", "Button1",
         "Button1's text \"Cancel please\" is 25 pixels wider than the control shows and is cut "
         "off",
         kRuleTextFits}}},
      {"PtCheckBoxTextStartsAt18",
       kPT,
       [](LayoutCheckTest& t, TChildFrm& f) {
         // 58 wide: 18 + 45 runs 5 past the edge.
         t.Put<TPTCheckbox>(f, B::kCheckBox, 10, 20).SetContent("Nine char");
       },
       {{S::kWarning, "Form1", "CheckBox1",
         "CheckBox1's text \"Nine char\" is 5 pixels wider than the control shows and is cut off",
         kRuleTextFits}}},
      {"PtLabelNeverCutsItsText",
       kPT,
       [](LayoutCheckTest& t, TChildFrm& f) {
         t.Put<TPTLabel>(f, B::kLabel, 10, 20).SetContent("A long caption");
       },
       {}},
      {"PtSelectGrowsWithItsText",
       kPT,
       [](LayoutCheckTest& t, TChildFrm& f) {
         t.Put<TCCButton>(f, B::kSelect, 10, 20).SetContent("A long caption");
       },
       {}},
      {"ShowFormNamesNothing",
       kCC,
       [](LayoutCheckTest& t, TChildFrm& f) {
         t.Put<TCCButton>(f, B::kButton, 10, 20).SetShowForm("Form9");
       },
       {{S::kError, "Form1", "Button1",
         "Button1's ShowForm names \"Form9\", which is no open form or dialog", kRuleShowForm}}},
      {"ShowFormSpelledInOtherCase",
       kPT,
       [](LayoutCheckTest& t, TChildFrm& f) {
         t.Put(f, B::kDialog, 0, 0);
         t.Put<TPTButton>(f, B::kButton, 10, 20).SetShowForm("DIALOG1");
       },
       {{S::kError, "Form1", "Button2",
         "Button2's ShowForm names \"DIALOG1\", but it is spelled \"Dialog1\"", kRuleShowForm}}},
      {"ShowFormOfADialogAndOfTheForm",
       kPT,
       [](LayoutCheckTest& t, TChildFrm& f) {
         t.Put(f, B::kDialog, 0, 0);
         t.Put<TPTButton>(f, B::kButton, 10, 20).SetShowForm("Dialog1");
         t.Put<TPTButton>(f, B::kButton, 60, 20).SetShowForm("Form1");
       },
       {}},
      {"TriggerNamesNothing",
       kPT,
       [](LayoutCheckTest& t, TChildFrm& f) {
         t.Put<TPTList>(f, B::kListBox, 10, 20).SetTrigger("Pop9");
       },
       {{S::kError, "Form1", "List1",
         "List1's Trigger names \"Pop9\", which is no PopTrigger on the list's panel",
         kRuleTrigger}}},
      {"TriggerOnAnotherPanel",
       kPT,
       [](LayoutCheckTest& t, TChildFrm& f) {
         t.Put(f, B::kPopTrigger, 10, 20);
         t.Put(f, B::kDialog, 0, 0);
         t.Put<TPTList>(f, B::kListBox, 20, 80).SetTrigger("Pop1");
       },
       {{S::kError, "Form1", "List3",
         "List3's Trigger names \"Pop1\", which is no PopTrigger on the list's panel",
         kRuleTrigger}}},
      {"TriggerSpelledInOtherCase",
       kPT,
       [](LayoutCheckTest& t, TChildFrm& f) {
         t.Put(f, B::kPopTrigger, 10, 20);
         t.Put<TPTList>(f, B::kListBox, 10, 60).SetTrigger("POP1");
       },
       {{S::kError, "Form1", "List2", "List2's Trigger names \"POP1\", but it is spelled \"Pop1\"",
         kRuleTrigger}}},
      {"NamesDifferingInCaseOnOneForm",
       kCC,
       [](LayoutCheckTest& t, TChildFrm& f) {
         t.Put(f, B::kButton, 10, 20);
         t.Put(f, B::kButton, 60, 20).SetName("BUTTON1");
       },
       {{S::kError, "Form1", "BUTTON1", "BUTTON1 differs from Button1 only in letter case",
         kRuleNameCase}}},
      {"CcImageOverItsLimit",
       kCC,
       [](LayoutCheckTest& t, TChildFrm& f) { t.Put(f, B::kBitmap, 10, 20).SetWidth(44); },
       {{S::kError, "Form1", "Image1", "Image1 is 44 x 20 pixels, more than 40 x 40",
         kRuleImageSize}}},
      {"PtBitmapOverItsLimit",
       kPT,
       [](LayoutCheckTest& t, TChildFrm& f) { t.Put(f, B::kBitmap, 10, 20).SetHeight(41); },
       {{S::kError, "Form1", "Bitmap1", "Bitmap1 is 20 x 41 pixels, more than 40 x 40",
         kRuleImageSize}}},
      {"CcSelectionPastTheItems",
       kCC,
       [](LayoutCheckTest& t, TChildFrm& f) {
         t.Put<TCCListBox>(f, B::kListBox, 10, 20).SetSelectedItem(3);
         t.Put<TCCRadio>(f, B::kRadio, 60, 20).SetSelectedItem(-1);  // nothing selected
         t.Put<TCCDropDown>(f, B::kDropDown, 10, 60).SetSelectedItem(-2);
         t.Put<TCCPopUp>(f, B::kPopUp, 60, 60).SetSelectedItem(2);
       },
       {{S::kError, "Form1", "ListBox1", "ListBox1's SelectedItem is 3, but it has 3 items",
         kRuleSelection},
        {S::kError, "Form1", "DropDown3", "DropDown3's SelectedItem is -2, but it has 3 items",
         kRuleSelection}}},
      {"PtSelectionIsNotPassedOn",
       kPT,
       [](LayoutCheckTest& t, TChildFrm& f) {
         t.Put<TCCRadio>(f, B::kRadio, 60, 20).SetSelectedItem(7);
         t.Put<TPTList>(f, B::kListBox, 10, 60).SetSelectedItem(7);
       },
       {}},
      {"ImageAtItsLimit",
       kCC,
       [](LayoutCheckTest& t, TChildFrm& f) {
         TControl& i = t.Put(f, B::kBitmap, 10, 20);
         i.SetWidth(40);
         i.SetHeight(40);
       },
       {}},
  };
  return kCases;
}

class LayoutRuleCases : public LayoutCheckTest, public ::testing::WithParamInterface<RuleCase> {};

TEST_P(LayoutRuleCases, FindsWhatTheFormBreaks) {
  const RuleCase& c = GetParam();
  TChildFrm& form = NewForm(c.lib);
  ASSERT_EQ(form.Name(), "Form1");
  c.build(*this, form);
  ExpectFindings(Check(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Rules, LayoutRuleCases, ::testing::ValuesIn(RuleCases()),
                         [](const auto& info) { return std::string(info.param.label); });

// A form of every kind of each library, placed apart, with links that resolve: nothing found.
TEST_F(LayoutCheckTest, CleanCControlsFormHasNoFindings) {
  TChildFrm& form1 = NewForm(kCC);
  TChildFrm& form2 = NewForm(kCC);
  Put<TCCButton>(form1, B::kButton, 10, 20).SetShowForm("Form2");
  Put(form1, B::kLabel, 60, 20);
  Put(form1, B::kCheckBox, 10, 40);
  Put(form1, B::kSwitch, 80, 40);
  Put(form1, B::kEdit, 10, 60);
  // The block face is wider than the Palm face: "EditLine6" would not fit.
  Put<TCCEdit>(form1, B::kEditLine, 60, 60).SetContent("Line");
  Put(form1, B::kListBox, 100, 60);
  Put(form1, B::kDropDown, 10, 80);
  Put(form1, B::kRadio, 60, 80);
  Put(form1, B::kBitmap, 120, 100);
  Put(form1, B::kTable, 10, 105);
  Put(form1, B::kMenu, 0, 0);
  Put(form2, B::kDialog, 0, 0);
  Put<TCCButton>(form2, B::kButton, 20, 80).SetShowForm("Form1");
  EXPECT_EQ(FindingsText(Check()), "");
}

TEST_F(LayoutCheckTest, CleanPToolboxFormHasNoFindings) {
  TChildFrm& form1 = NewForm(kPT);
  TChildFrm& form2 = NewForm(kPT);
  auto& button = Put<TPTButton>(form1, B::kButton, 10, 20);
  Put(form1, B::kSelect, 70, 20);
  Put(form1, B::kPush, 10, 40);
  Put(form1, B::kLabel, 60, 40);
  Put(form1, B::kEdit, 110, 40);
  // The block face is wider than the Palm face: "CheckBox6" would not fit.
  Put<TPTCheckbox>(form1, B::kCheckBox, 10, 60).SetContent("Check");
  Put(form1, B::kPopTrigger, 80, 60);
  Put<TPTList>(form1, B::kListBox, 80, 78).SetTrigger("Pop7");
  Put(form1, B::kRadio, 10, 80);
  Put(form1, B::kBitmap, 10, 100);
  Put(form1, B::kGsi, 140, 140);
  Put<TPTButton>(form2, B::kButton, 10, 20).SetShowForm("Form1");
  button.SetShowForm(Put(form1, B::kDialog, 0, 0).Name());
  EXPECT_EQ(FindingsText(Check()), "");
}

// Two forms: findings in form order, within a form back to front, a dialog's controls right
// after the dialog; names are compared across the forms.
TEST_F(LayoutCheckTest, FindingsComeInFormThenZOrder) {
  TChildFrm& form1 = NewForm(kPT);
  TChildFrm& form2 = NewForm(kPT);
  Put(form1, B::kButton, 127, 20);
  Put(form1, B::kDialog, 0, 0);
  Put<TPTButton>(form1, B::kButton, 3 + 10, 58 + 10).SetShowForm("Form3");
  Put(form1, B::kButton, 10, 20).SetUserWidth(0);
  Put(form2, B::kButton, 10, 20).SetName("BUTTON4");
  form2.SetVisible(true);
  const auto findings = Check();
  EXPECT_EQ(FindingsText(findings),
            "warning: Form1: Button1: Button1 lies 9 pixels outside the screen at the right "
            "(controls lie wholly on the screen)\n"
            "error: Form1: Button3: Button3's ShowForm names \"Form3\", which is no open form or "
            "dialog (ShowForm names an open form or dialog)\n"
            "error: Form1: Button4: Button4 is 0 pixels wide (controls are at least one pixel "
            "wide and high)\n"
            "error: Form2: BUTTON4: BUTTON4 differs from Button4 on Form1 only in letter case "
            "(names differ by more than letter case)\n");
  EXPECT_TRUE(HasErrors(findings));
}

// Coordinates at the ends of the integer range are reported, not wrapped around.
TEST_F(LayoutCheckTest, ExtremeGeometryDoesNotOverflow) {
  TChildFrm& form = NewForm(kCC);
  constexpr int kMax = std::numeric_limits<int>::max();
  constexpr int kMin = std::numeric_limits<int>::min();
  Put(form, B::kButton, 10, 20).SetBounds(kMin, kMin, 40, 14);
  Put(form, B::kButton, 10, 60).SetBounds(kMax - 10, 40, kMax, 14);
  // Palm left kMax - 9, width kMax - 2.
  const std::string max_out = std::to_string(2LL * kMax - 11 - 160);
  ExpectFindings(
      Check(),
      {{S::kWarning, "Form1", "Button1",
        "Button1 lies 2147483647 pixels outside the screen at the left", kRuleOnScreen},
       {S::kWarning, "Form1", "Button1",
        "Button1 lies 2147483647 pixels outside the screen at the top", kRuleOnScreen},
       {S::kWarning, "Form1", "Button2",
        "Button2 lies " + max_out + " pixels outside the screen at the right", kRuleOnScreen}});
}

// The window finds what a finding names by its exact name, not the first match in other case.
TEST_F(LayoutCheckTest, FindingLeadsToItsFormAndControl) {
  TChildFrm& form1 = NewForm(kCC);
  TChildFrm& form2 = NewForm(kCC);
  TControl& lower = Put(form2, B::kButton, 10, 20);
  lower.SetName("button9");
  TControl& upper = Put(form2, B::kButton, 60, 20);
  upper.SetName("BUTTON9");
  const auto findings = Check();
  ASSERT_EQ(findings.size(), 1u) << FindingsText(findings);
  const std::vector<const TChildFrm*> forms = {&form1, &form2};
  const TChildFrm* form = FormOfFinding(forms, findings[0]);
  ASSERT_EQ(form, &form2);
  EXPECT_EQ(ControlOfFinding(*form, findings[0]), &upper);
  LayoutFinding about_form = findings[0];
  about_form.control.clear();
  EXPECT_EQ(ControlOfFinding(*form, about_form), nullptr);
  about_form.form = "FORM2";
  EXPECT_EQ(FormOfFinding(forms, about_form), nullptr);
  upper.SetName("Gone");
  EXPECT_EQ(ControlOfFinding(*form, findings[0]), nullptr);
}

TEST_F(LayoutCheckTest, FormNamesClashToo) {
  NewForm(kCC);
  TChildFrm& form2 = NewForm(kCC);
  form2.SetName("FORM1");
  ExpectFindings(Check(), {{S::kError, "FORM1", "", "FORM1 differs from Form1 only in letter case",
                            kRuleNameCase}});
}

// Closed forms are not generated and so not checked.
TEST_F(LayoutCheckTest, OnlyVisibleFormsAreChecked) {
  TChildFrm& form1 = NewForm(kCC);
  TChildFrm& form2 = NewForm(kCC);
  Put(form2, B::kButton, 140, 20);
  form2.SetVisible(false);
  const auto forms = FormsToCheck(state);
  ASSERT_EQ(forms.size(), 1u);
  EXPECT_EQ(forms[0], &form1);
  EXPECT_TRUE(CheckLayout(forms, kCC, fonts).empty());
}

// A pile of many controls gives one finding per control, not one per pair.
TEST_F(LayoutCheckTest, PileOfManyControlsStaysLinear) {
  TChildFrm& form = NewForm(kPT);
  constexpr int kCount = 1500;
  for (int i = 0; i < kCount; ++i) MoveTo(Put(form, B::kGsi, 150, 150), 10, 20);
  const auto findings = Check();
  ASSERT_EQ(findings.size(), static_cast<std::size_t>(kCount - 1));
  EXPECT_EQ(findings.back().message,
            "GSI1500 overlaps GSI1499 by 8 x 9 pixels and 1498 more "
            "controls");
}

TEST(LayoutFindingsJson, EscapesAndShape) {
  EXPECT_EQ(FindingsJson({}), "[]\n");
  const std::vector<LayoutFinding> findings = {
      {S::kWarning, "Form1", "Label1", "Label1's text \"a\\b\tc\" is cut", "rule one"},
      {S::kError, "Form2", "", "x", "rule two"},
  };
  EXPECT_EQ(
      FindingsJson(findings),
      "[\n"
      "  {\"severity\": \"warning\", \"form\": \"Form1\", \"control\": \"Label1\", "
      "\"message\": \"Label1's text \\\"a\\\\b\\u0009c\\\" is cut\", \"rule\": \"rule one\"},\n"
      "  {\"severity\": \"error\", \"form\": \"Form2\", \"control\": \"\", \"message\": "
      "\"x\", \"rule\": \"rule two\"}\n"
      "]\n");
  EXPECT_EQ(FindingsText(findings),
            "warning: Form1: Label1: Label1's text \"a\\b\tc\" is cut (rule one)\n"
            "error: Form2: x (rule two)\n");
  EXPECT_TRUE(HasErrors(findings));
  EXPECT_FALSE(HasErrors({findings[0]}));
}

}  // namespace
}  // namespace qb::test
