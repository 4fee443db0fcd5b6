// Edge cases of the CControls generator, grouped by the rule they exercise. Expected lines are
// written out in full so that a typo in a generated piece is caught.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "codegen/bitmap_string.h"
#include "codegen/cc_place.h"
#include "codegen/cccode.h"
#include "codegen/generator.h"
#include "controls/PTLabel.h"

namespace qb {
namespace {

using Lines = std::vector<std::string>;

Lines FormsOf(const TChildFrm& form, bool memo = false) {
  Lines lines;
  CcFormsText(lines, memo, {&form}, "P");
  return lines;
}

Lines EventsOf(const TChildFrm& form, bool memo = false) {
  Lines lines;
  CcEventsText(lines, memo, {&form}, "P");
  return lines;
}

bool Has(const Lines& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

int IndexOf(const Lines& lines, const std::string& line) {
  auto it = std::find(lines.begin(), lines.end(), line);
  return it == lines.end() ? -1 : static_cast<int>(it - lines.begin());
}

// The lines from the one that equals first up to and including the next that equals last.
Lines Slice(const Lines& lines, const std::string& first, const std::string& last = "}") {
  int from = IndexOf(lines, first);
  if (from < 0) return {};
  auto end = std::find(lines.begin() + from, lines.end(), last);
  return Lines(lines.begin() + from, end == lines.end() ? end : end + 1);
}

int CountPrefix(const Lines& lines, const std::string& prefix) {
  return static_cast<int>(std::count_if(
      lines.begin(), lines.end(), [&](const std::string& l) { return l.rfind(prefix, 0) == 0; }));
}

// ---- Panels with nothing to declare or dispatch -------------------------------------------

TEST(CcEmptyPanels, EmptyFormHasNoHandleDeclaration) {
  TChildFrm form;
  test::NameForm(form, "Form1", "Form1");
  EXPECT_EQ(FormsOf(form),
            (Lines{"#include \"Ccontrols.c\"", "Form1Controls(){", "}", "Form1Contents(){", "}",
                   "Form1Draw(){", "  title(\"Form1\");", "  clearg();", "}", ""}));
}

TEST(CcEmptyPanels, EmptyFormStillLoopsOverEvents) {
  TChildFrm form;
  test::NameForm(form, "Form1", "Form1");
  EXPECT_EQ(EventsOf(form), (Lines{"#include \"P.h\"", "Form1Events(){", "  int e;", "  while(1){",
                                   "    e=event(1);", "  }", "}", ""}));
}

TEST(CcEmptyPanels, FormWithOnlyADialogAndAPlainImageDeclaresOnlyTheDialog) {
  TChildFrm form;
  test::NameForm(form, "F", "T");
  test::PlaceImage(form.Screen(), "Im1", 0, 0).SetTag(0);
  test::PlaceDialog(form, "Dl2");
  const Lines lines = FormsOf(form);
  EXPECT_EQ(CountPrefix(lines, "Chandle"), 1);
  EXPECT_TRUE(Has(lines, "Chandle hDl2;"));
  EXPECT_EQ(lines[1], "FControls(){");
}

TEST(CcEmptyPanels, EmptyDialogDeclaresItsFrameHandle) {
  TChildFrm form;
  test::NameForm(form, "F", "T");
  test::PlaceDialog(form, "Dl1");
  const Lines lines = FormsOf(form);
  EXPECT_EQ(Slice(lines, "Chandle hDl1;", "Dl1Draw(){").size(), 9u);
  EXPECT_EQ(Slice(lines, "Chandle hDl1;"),
            (Lines{"Chandle hDl1;", "", "Dl1Controls(){", "  hDl1=Cframe(3,58,156,84);", "}"}));
  EXPECT_EQ(Slice(lines, "Dl1Contents(){"),
            (Lines{"Dl1Contents(){", "  Csetcontent(hDl1,\"Dialog\");", "}"}));
  EXPECT_EQ(Slice(lines, "Dl1Draw(){"), (Lines{"Dl1Draw(){", "  Cdraw(hDl1);", "}"}));
}

TEST(CcEmptyPanels, PopUpIsDeclaredButHasNoEvent) {
  TChildFrm form;
  test::NameForm(form, "F", "T");
  test::PlacePopUp(form.Screen(), "Pu1", 0, 0);
  EXPECT_TRUE(Has(FormsOf(form), "Chandle Pu1;"));
  EXPECT_EQ(EventsOf(form), (Lines{"#include \"P.h\"", "FEvents(){", "  int e;", "  while(1){",
                                   "    e=event(1);", "  }", "}", ""}));
}

TEST(CcEmptyPanels, HiddenPopUpIsStillGenerated) {
  TChildFrm form;
  test::NameForm(form, "F", "T");
  test::PlacePopUp(form.Screen(), "Pu1", 0, 0).SetTest(0);
  const Lines lines = FormsOf(form);
  EXPECT_TRUE(Has(lines, "  Pu1=Cpopup(1,1,32,2);"));
  EXPECT_TRUE(Has(lines, "  Cdraw(Pu1);"));
}

// ---- Handlers ---------------------------------------------------------------------------

TEST(CcHandlers, ButtonWithoutFormGetsAnEmptyHandler) {
  TChildFrm form;
  test::NameForm(form, "F", "T");
  test::PlaceButton(form.Screen(), "Bt1", 1, 1);
  EXPECT_EQ(Slice(EventsOf(form), "OnBt1(){"), (Lines{"OnBt1(){", "}"}));
}

TEST(CcHandlers, ButtonWithEmptyShowFormCallsNothing) {
  TChildFrm form;
  test::NameForm(form, "F", "T");
  test::PlaceButton(form.Screen(), "Bt1", 1, 1).SetShowForm("");
  EXPECT_EQ(Slice(EventsOf(form), "OnBt1(){"), (Lines{"OnBt1(){", "}"}));
}

TEST(CcHandlers, ShowFormCallsTheNamedFormAsWritten) {
  TChildFrm form;
  test::NameForm(form, "F", "T");
  test::PlaceButton(form.Screen(), "Bt1", 1, 1).SetShowForm("Other Form");
  EXPECT_EQ(Slice(EventsOf(form), "OnBt1(){"), (Lines{"OnBt1(){", "  Other Form();", "}"}));
}

TEST(CcHandlers, MenuBarAloneIsDispatchedWithIf) {
  TChildFrm form;
  test::NameForm(form, "F", "T");
  test::PlaceMenu(form, "Mn1").SetItems({});
  const Lines events = EventsOf(form);
  EXPECT_EQ(
      Slice(events, "OnMenuBarF(string Option){", "FEvents(){"),
      (Lines{"OnMenuBarF(string Option){", "  switch (Option){", "}", "}", "", "FEvents(){"}));
  EXPECT_TRUE(Has(events, "    if (Cevent(MenuBarF,e)) OnMenuBarF(Cgetcontent(MenuBarF));"));
  EXPECT_EQ(CountPrefix(events, "    else if"), 0);
}

TEST(CcHandlers, MenuEntriesOfEveryMenuAreCasesInWindowOrder) {
  TChildFrm form;
  test::NameForm(form, "F", "T");
  test::PlaceMenu(form, "Mn1").SetItems({"New item", "Quit"});
  test::PlaceMenu(form, "Mn2").SetItems({"Say \"x\""});
  form.Client().SendToBack(form.FindControl("Mn2"));
  EXPECT_EQ(Slice(EventsOf(form), "  switch (Option){"),
            (Lines{"  switch (Option){",
                   "    case \"Say \"x\"\":", "      //action for menuSay \"x\"", "      break;",
                   "    case \"New item\":", "      //action for menuNew item", "      break;",
                   "    case \"Quit\":", "      //action for menuQuit", "      break;", "}"}));
}

TEST(CcHandlers, MenusOfTheFormStayOutOfItsDialogs) {
  TChildFrm form;
  test::NameForm(form, "F", "T");
  test::PlaceMenu(form, "Mn1");
  test::PlaceButton(test::PlaceDialog(form, "Dl2"), "Bt3", 1, 1);
  const Lines forms = FormsOf(form);
  EXPECT_TRUE(Has(forms, "Chandle MenuBarF, Mn1;"));
  EXPECT_TRUE(Has(forms, "Chandle hDl2, Bt3;"));
  EXPECT_EQ(Slice(forms, "Dl2Controls(){"), (Lines{"Dl2Controls(){", "  hDl2=Cframe(3,58,156,84);",
                                                   "  Bt3=Cbutton(4,59,38,12,1,4);", "}"}));
  const Lines events = EventsOf(form);
  EXPECT_EQ(Slice(events, "Dl2Events(){"),
            (Lines{"Dl2Events(){", "  int e;", "  while(1){", "    e=event(1);",
                   "    if (Cevent(Bt3,e)) OnBt3();", "  }", "}"}));
  EXPECT_EQ(CountPrefix(events, "OnMenuBarF("), 1);
}

TEST(CcHandlers, MenuBarFollowsControlsWithElseIf) {
  TChildFrm form;
  test::NameForm(form, "F", "T");
  test::PlaceMenu(form, "Mn1");
  test::PlaceLabel(form.Screen(), "Lb2", 0, 0);
  const Lines events = EventsOf(form);
  EXPECT_TRUE(Has(events, "    if (Cevent(Lb2,e)) OnLb2();"));
  EXPECT_TRUE(Has(events, "    else if (Cevent(MenuBarF,e)) OnMenuBarF(Cgetcontent(MenuBarF));"));
}

// ---- Tables -----------------------------------------------------------------------------

TEST(CcTables, TableWithoutRowsStillSetsTheCursor) {
  TChildFrm form;
  test::NameForm(form, "F", "T");
  test::PlaceTable(form.Screen(), "Tb1", 0, 0).SetItems({});
  EXPECT_EQ(Slice(FormsOf(form), "FContents(){"),
            (Lines{"FContents(){", "  Csetcursel(Tb1,0);", "}"}));
}

struct TableRowCase {
  const char* row;
  int cols;
  Lines expected;
};

class CcTableRows : public ::testing::TestWithParam<TableRowCase> {};

TEST_P(CcTableRows, FieldsFollowTheTildes) {
  TChildFrm form;
  test::NameForm(form, "F", "T");
  auto& table = test::PlaceTable(form.Screen(), "Tb", 0, 0);
  table.SetItems({GetParam().row});
  table.SetCols(GetParam().cols);
  Lines expected = {"FContents(){"};
  expected.insert(expected.end(), GetParam().expected.begin(), GetParam().expected.end());
  expected.push_back("  Csetcursel(Tb,0);");
  expected.push_back("}");
  EXPECT_EQ(Slice(FormsOf(form), "FContents(){"), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CcTableRows,
    ::testing::Values(TableRowCase{"~~",
                                   3,
                                   {"  Cadditem(Tb,\"\");", "  Csetfield(Tb,1,\"\");",
                                    "  Csetfield(Tb,2,\"\");"}},
                      TableRowCase{"a",
                                   3,
                                   {"  Cadditem(Tb,\"a\");", "  Csetfield(Tb,1,\"\");",
                                    "  Csetfield(Tb,2,\"\");"}},
                      TableRowCase{
                          "a~b~c~d", 2, {"  Cadditem(Tb,\"a\");", "  Csetfield(Tb,1,\"b\");"}},
                      TableRowCase{"a~b", 1, {"  Cadditem(Tb,\"a\");"}},
                      TableRowCase{"a~b", 0, {"  Cadditem(Tb,\"a\");"}},
                      TableRowCase{"~x\"y~",
                                   3,
                                   {"  Cadditem(Tb,\"\");", "  Csetfield(Tb,1,\"x\"y\");",
                                    "  Csetfield(Tb,2,\"\");"}}));

TEST(CcTables, ColumnsFollowColsAndMissingEntriesAreZero) {
  TChildFrm form;
  test::NameForm(form, "F", "T");
  auto& table = test::PlaceTable(form.Screen(), "Tb", 10, 20);
  table.SetCols(4);
  table.SetColWidths({"20", "30", "40"});
  table.SetColAlign({"2"});
  table.SetVisibleRows(6);
  EXPECT_EQ(Slice(FormsOf(form), "FControls(){"),
            (Lines{"FControls(){", "  Tb=Ctable(11,21,75,6,4);", "  Csetrow(Tb,0,20,2);",
                   "  Csetrow(Tb,1,30,0);", "  Csetrow(Tb,2,40,0);", "  Csetrow(Tb,3,0,0);", "}"}));
}

TEST(CcTables, NoColumnsGiveNoColumnLines) {
  TChildFrm form;
  test::NameForm(form, "F", "T");
  test::PlaceTable(form.Screen(), "Tb", 0, 0).SetCols(0);
  EXPECT_EQ(Slice(FormsOf(form), "FControls(){"),
            (Lines{"FControls(){", "  Tb=Ctable(1,1,75,4,0);", "}"}));
}

// ---- The bitmap string ------------------------------------------------------------------

struct HexCase {
  int width;
  const char* hex;
};

class CcBitmapWidth : public ::testing::TestWithParam<HexCase> {};

TEST_P(CcBitmapWidth, IsLowerCaseHexOfAtLeastTwoDigits) {
  EXPECT_EQ(BitmapWidthHex(GetParam().width), GetParam().hex);
}

INSTANTIATE_TEST_SUITE_P(Widths, CcBitmapWidth,
                         ::testing::Values(HexCase{10, "0a"}, HexCase{160, "a0"}, HexCase{0, "00"},
                                           HexCase{1, "01"}, HexCase{15, "0f"}, HexCase{16, "10"},
                                           HexCase{40, "28"}, HexCase{255, "ff"},
                                           HexCase{256, "100"}, HexCase{-3, "00"}));

TEST(CcBitmapString, SplitsOnlyAt256Characters) {
  const std::string bits255(255, 'f');
  EXPECT_EQ(BitmapString(20, bits255), "14\" + \"" + bits255);
  const std::string bits256 = bits255 + "7";
  EXPECT_EQ(BitmapString(20, bits256), "14\" + \"" + bits255 + "\" + \"7");
  EXPECT_EQ(BitmapString(20, ""), "14\" + \"");
}

TEST(CcBitmapString, NeverWritesAThirdPiece) {
  const std::string first(255, 'a');
  const std::string rest(400, 'b');
  EXPECT_EQ(BitmapString(40, first + rest), "28\" + \"" + first + "\" + \"" + rest);
}

TEST(CcBitmapString, ClickableImageContentsAndPlainImageDrawing) {
  TChildFrm form;
  test::NameForm(form, "F", "T");
  const std::string first(255, 'c');
  auto& clickable = test::PlaceImage(form.Screen(), "Im1", 4, 5);
  clickable.SetStringBits(first + "d");
  auto& plain = test::PlaceImage(form.Screen(), "Im2", 6, 7);
  plain.SetTag(0);
  plain.SetWidth(10);
  plain.SetStringBits(first);
  const Lines lines = FormsOf(form);
  EXPECT_TRUE(Has(lines, "  Csetcontent(Im1,\"14\" + \"" + first + "\" + \"d\");"));
  EXPECT_TRUE(Has(lines, "    bitmap(6,7,\"0a\" + \"" + first + "\");"));
  EXPECT_TRUE(Has(lines, "Chandle Im1;"));
  EXPECT_EQ(CountPrefix(lines, "  Im2="), 0);
  EXPECT_FALSE(Has(lines, "  Cdraw(Im2);"));
}

TEST(CcBitmapString, ImageWithAnyTagButOneIsPlain) {
  TChildFrm form;
  test::NameForm(form, "F", "T");
  test::PlaceImage(form.Screen(), "Im1", 0, 0).SetTag(2);
  const Lines lines = FormsOf(form);
  EXPECT_EQ(CountPrefix(lines, "Chandle"), 0);
  EXPECT_TRUE(Has(lines, "    bitmap(0,0,\"14\" + \"\");"));
  EXPECT_EQ(CountPrefix(EventsOf(form), "On"), 0);
}

// ---- Design texts are inserted unchanged ------------------------------------------------

TEST(CcTexts, QuotesAndBackslashesAreWrittenUnchanged) {
  TChildFrm form;
  test::NameForm(form, "F", "Say \"yes\"\\");
  test::PlaceButton(form.Screen(), "Bt1", 1, 1).SetContent("a\"b\\c");
  auto& edit = test::PlaceEdit(form.Screen(), "Ed2", 0, 0);
  edit.SetTopic("t\"");
  edit.SetContent("\\n");
  test::PlaceListBox(form.Screen(), "Lb3", 0, 0).SetItems({"\"", ""});
  test::PlaceDialog(form, "Dl4").SetTitle("\"D\"");
  const Lines lines = FormsOf(form);
  EXPECT_TRUE(Has(lines, "  title(\"Say \"yes\"\\\");"));
  EXPECT_TRUE(Has(lines, "  Csetcontent(Bt1,\"a\"b\\c\");"));
  EXPECT_TRUE(Has(lines, "  Csettopic(Ed2,\"t\"\");"));
  EXPECT_TRUE(Has(lines, "  Csetcontent(Ed2,\"\\n\");"));
  EXPECT_TRUE(Has(lines, "  Cadditem(Lb3,\"\"\");"));
  EXPECT_TRUE(Has(lines, "  Cadditem(Lb3,\"\");"));
  EXPECT_TRUE(Has(lines, "  Csetcontent(hDl4,\"\"D\"\");"));
}

// ---- Dialogs ----------------------------------------------------------------------------

TEST(CcDialogs, EveryDialogIsGeneratedShownOrNot) {
  TChildFrm form;
  test::NameForm(form, "F", "T");
  test::PlaceDialog(form, "Dl1");
  test::PlaceDialog(form, "Dl2");  // hides Dl1
  form.Screen().SendToBack(form.FindControl("Dl2"));
  ASSERT_EQ(form.ShownDialog()->Name(), "Dl2");
  Lines header;
  CcHeaderText(header, false, {&form}, "P");
  EXPECT_EQ(header, (Lines{"//Form and dialog prototypes", "F();", "Dl2();", "Dl1();"}));
  Lines main;
  CcMainText(main, &form, {&form}, "P");
  EXPECT_EQ(Slice(main, "Dl1(){"), (Lines{"Dl1(){", "  Dl1Controls();", "  Dl1Contents();",
                                          "  Dl1Draw();", "  Dl1Events();", "}"}));
  const Lines forms = FormsOf(form);
  EXPECT_LT(IndexOf(forms, "Dl2Controls(){"), IndexOf(forms, "Dl1Controls(){"));
  EXPECT_GE(IndexOf(EventsOf(form), "Dl1Events(){"), 0);
}

TEST(CcDialogs, ControlsInsideAreOffsetByTheDialogPanel) {
  TChildFrm form;
  test::NameForm(form, "F", "T");
  auto& dialog = test::PlaceDialog(form, "Dl");
  dialog.SetLeft(7);
  dialog.SetTop(30);
  test::PlaceCheckBox(dialog, "Cb", 2, 3);
  auto& plain = test::PlaceImage(dialog, "Im", 5, 6);
  plain.SetTag(0);
  plain.SetStringBits("ff");
  test::PlaceImage(dialog, "Ic", 9, 10);
  auto& radio = test::PlaceRadio(dialog, "Rd", 1, 1);
  radio.SetUserWidth(30);  // 32 wide, which reads back as 31 for three cells
  const Lines lines = FormsOf(form);
  EXPECT_EQ(Slice(lines, "DlControls(){"),
            (Lines{"DlControls(){", "  hDl=Cframe(7,30,156,84);", "  Cb=Ccheckbox(10,34,58);",
                   "  Ic=Cimage(16,40,20,20);", "  Rd=Cradio(9,32,31,12);", "}"}));
  EXPECT_TRUE(Has(lines, "    bitmap(12,36,\"14\" + \"ff\");"));
}

TEST(CcDialogs, DialogChildrenStayOutOfTheFormsSections) {
  TChildFrm form;
  test::NameForm(form, "F", "T");
  test::PlaceButton(form.Screen(), "Bt1", 1, 1);
  test::PlaceLabel(test::PlaceDialog(form, "Dl2"), "Lb3", 0, 0);
  test::PlaceLabel(form.Screen(), "Lb4", 0, 0);
  const Lines forms = FormsOf(form);
  EXPECT_TRUE(Has(forms, "Chandle Bt1, Lb4;"));
  EXPECT_EQ(Slice(forms, "FDraw(){"), (Lines{"FDraw(){", "  title(\"T\");", "  clearg();",
                                             "  Cdraw(Bt1);", "  Cdraw(Lb4);", "}"}));
  EXPECT_EQ(Slice(EventsOf(form), "FEvents(){"),
            (Lines{"FEvents(){", "  int e;", "  while(1){", "    e=event(1);",
                   "    if (Cevent(Bt1,e)) OnBt1();", "    else if (Cevent(Lb4,e)) OnLb4();", "  }",
                   "}"}));
}

// ---- Font codes -------------------------------------------------------------------------

struct FontCase {
  const char* font;
  const char* code;
};

class CcFontCodes : public ::testing::TestWithParam<FontCase> {};

TEST_P(CcFontCodes, PrefixTheContentOfButtonSwitchLabelAndCheckBox) {
  TChildFrm form;
  test::NameForm(form, "F", "T");
  TCCForm& s = form.Screen();
  test::PlaceButton(s, "Bt", 1, 1).SetFontName(GetParam().font);
  test::PlaceSwitch(s, "Sw", 0, 0).SetFontName(GetParam().font);
  test::PlaceLabel(s, "Lb", 0, 0).SetFontName(GetParam().font);
  test::PlaceCheckBox(s, "Cb", 0, 0).SetFontName(GetParam().font);
  test::PlaceEdit(s, "Ed", 0, 0).SetFontName(GetParam().font);
  test::PlaceEditLine(s, "El", 0, 0).SetFontName(GetParam().font);
  const std::string code = GetParam().code;
  const Lines lines = FormsOf(form);
  EXPECT_TRUE(Has(lines, "  Csetcontent(Bt,\"" + code + "Bt\");"));
  EXPECT_TRUE(Has(lines, "  Csetcontent(Sw,\"" + code + "Sw\");"));
  EXPECT_TRUE(Has(lines, "  Csetcontent(Lb,\"" + code + "Lb\");"));
  EXPECT_TRUE(Has(lines, "  Csetcontent(Cb,\"" + code + "Cb\");"));
  EXPECT_TRUE(Has(lines, "  Csetcontent(Ed,\"Ed\");"));
  EXPECT_TRUE(Has(lines, "  Csetcontent(El,\"El\");"));
}

INSTANTIATE_TEST_SUITE_P(
    Fonts, CcFontCodes,
    ::testing::Values(FontCase{"PilotBold", "/f1"}, FontCase{"PilotLarge", "/f2"},
                      FontCase{"PilotBold12", "/f7"}, FontCase{"PilotStandard", ""},
                      FontCase{"MS Sans Serif", ""}, FontCase{"pilotbold", ""}, FontCase{"", ""}));

// ---- Constructors by kind ---------------------------------------------------------------

TEST(CcConstructors, AlignmentCodesOfLabelAndEdit) {
  struct Case {
    TextAlign align;
    const char* code;
  };
  for (const Case& c :
       {Case{TextAlign::kLeft, "0"}, Case{TextAlign::kCenter, "1"}, Case{TextAlign::kRight, "2"}}) {
    TChildFrm form;
    test::NameForm(form, "F", "T");
    test::PlaceLabel(form.Screen(), "Lb", 0, 0).SetAlignment(c.align);
    test::PlaceEdit(form.Screen(), "Ed", 0, 0).SetAlignment(c.align);
    const Lines lines = FormsOf(form);
    EXPECT_TRUE(Has(lines, std::string("  Lb=Clabel(1,1,30,0,0,") + c.code + ");")) << c.code;
    EXPECT_TRUE(Has(lines, std::string("  Ed=Cedit(1,1,30,2,1,") + c.code + ");")) << c.code;
  }
}

TEST(CcConstructors, EditWithAnyTagButZeroIsAnEditLine) {
  TChildFrm form;
  test::NameForm(form, "F", "T");
  auto& edit = test::PlaceEdit(form.Screen(), "Ed", 0, 0);
  edit.SetTag(2);
  const Lines lines = FormsOf(form);
  EXPECT_TRUE(Has(lines, "  Ed=Ceditline(1,1,30,2,1);"));
  EXPECT_FALSE(Has(lines, "  Csettopic(Ed,\"Topic\");"));
}

TEST(CcConstructors, ChildOrderFollowsBringToFront) {
  TChildFrm form;
  test::NameForm(form, "F", "T");
  auto& first = test::PlaceButton(form.Screen(), "Bt1", 1, 1);
  test::PlaceSwitch(form.Screen(), "Sw2", 10, 10).SetState(1);
  form.Screen().BringToFront(&first);
  const Lines lines = FormsOf(form);
  EXPECT_TRUE(Has(lines, "Chandle Sw2, Bt1;"));
  EXPECT_EQ(Slice(lines, "FControls(){"), (Lines{"FControls(){", "  Sw2=Cswitch(11,11,36,12,1,0);",
                                                 "  Bt1=Cbutton(1,1,38,12,1,4);", "}"}));
  EXPECT_EQ(Slice(lines, "FContents(){"),
            (Lines{"FContents(){", "  Csetcontent(Sw2,\"Sw2\");", "  Csetstate(Sw2,1);",
                   "  Csetcontent(Bt1,\"Bt1\");", "}"}));
}

TEST(CcConstructors, ForeignClassesGenerateNothing) {
  TChildFrm form;
  test::NameForm(form, "F", "T");
  auto* label = form.Screen().AddChild(std::make_unique<TPTLabel>(&form.Document()));
  label->SetName("Pt1");
  EXPECT_EQ(FormsOf(form).size(), 10u);
  EXPECT_EQ(CountPrefix(EventsOf(form), "On"), 0);
}

TEST(CcConstructors, MenuGeometryIsWrittenWithoutOffset) {
  TChildFrm form;
  test::NameForm(form, "F", "T");
  auto& menu = test::PlaceMenu(form, "Mn1");
  menu.SetTopic("File \"1\"");
  EXPECT_EQ(Slice(FormsOf(form), "FControls(){"),
            (Lines{"FControls(){", "  MenuBarF=Cmenubar();", "  Mn1=Cmenu(9,38,36);", "}"}));
  EXPECT_EQ(Slice(FormsOf(form), "FContents(){"),
            (Lines{"FContents(){", "  Caddmenu(MenuBarF,Mn1);", "  Csettopic(Mn1,\"File \"1\"\");",
                   "  Cadditem(Mn1,\"Item1\");", "}"}));
  EXPECT_FALSE(Has(FormsOf(form), "  Cdraw(Mn1);"));
}

// ---- Form order and the first form ------------------------------------------------------

TEST(CcFormOrder, FirstFormStartsTheProgramAndTheListOrdersTheBlocks) {
  TChildFrm a, b;
  test::NameForm(a, "Alpha", "A");
  test::NameForm(b, "Beta", "B");
  Lines main;
  CcMainText(main, &b, {&a, &b}, "Proj");
  EXPECT_EQ(Slice(main, "", "}"), (Lines{"", "#include \"Proj.h\"", "#include \"ProjForms.pc\"",
                                         "#include \"ProjEvents.pc\"", "", "//init", "main(){",
                                         "  graph_on();", "  title(\"\");", "  Beta();", "}"}));
  EXPECT_LT(IndexOf(main, "Alpha(){"), IndexOf(main, "Beta(){"));
  Lines forms, events;
  CcFormsText(forms, false, {&a, &b}, "Proj");
  CcEventsText(events, false, {&a, &b}, "Proj");
  EXPECT_LT(IndexOf(forms, "AlphaControls(){"), IndexOf(forms, "BetaControls(){"));
  EXPECT_LT(IndexOf(events, "AlphaEvents(){"), IndexOf(events, "BetaEvents(){"));
}

TEST(CcFormOrder, WithoutAFirstFormTheFirstOfTheListStarts) {
  TChildFrm a, b;
  test::NameForm(a, "Alpha", "A");
  test::NameForm(b, "Beta", "B");
  GeneratorInput input;
  input.forms = {&b, &a};
  input.project_name = "P";
  GeneratedCode code;
  GenerateCControls(input, code);
  EXPECT_TRUE(Has(code.main, "  Beta();"));
  EXPECT_FALSE(Has(code.main, "  Alpha();"));
}

TEST(CcFormOrder, NoFormsGiveTheFixedLinesOnly) {
  GeneratorInput input;
  input.project_name = "P";
  input.memo = true;
  GeneratedCode code;
  GenerateCControls(input, code);
  EXPECT_EQ(code.main,
            (Lines{"", "#include \"P.h\"", "#include \"PForms.pc\"", "#include \"PEvents.pc\"", "",
                   "//init", "main(){", "  graph_on();", "  title(\"\");", "}", ""}));
  EXPECT_EQ(code.forms, (Lines{"/$ PForms.pc", "#include \"Ccontrols.c\""}));
  EXPECT_EQ(code.events, (Lines{"/$ PEvents.pc", "#include \"P.h\""}));
  EXPECT_EQ(code.header, (Lines{"/$ P.h", "//Form and dialog prototypes"}));
}

TEST(CcFormOrder, MemoFlagAddsOnlyTheFirstLines) {
  TChildFrm form;
  test::NameForm(form, "F", "T");
  test::PlaceButton(form.Screen(), "Bt", 1, 1);
  Lines with = FormsOf(form, true);
  Lines without = FormsOf(form, false);
  ASSERT_EQ(with.size(), without.size() + 1);
  EXPECT_EQ(with.front(), "/$ PForms.pc");
  EXPECT_TRUE(std::equal(without.begin(), without.end(), with.begin() + 1));
  Lines events = EventsOf(form, true);
  EXPECT_EQ(events.front(), "/$ PEvents.pc");
  EXPECT_EQ(events.size(), EventsOf(form, false).size() + 1);
}

}  // namespace
}  // namespace qb
