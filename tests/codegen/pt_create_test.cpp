// The PToolboxLib create functions and identifiers: one group per rule that is easy to get
// subtly wrong (style codes, group numbers, radio geometry, fonts, lists, numbering).

#include <gtest/gtest.h>

#include "controls/CCEdit.h"
#include "controls/CCLabel.h"
#include "model/font.h"
#include "pt_builder.h"
#include "pt_support.h"

namespace qb::test::pt {
namespace {

using Lines = std::vector<std::string>;

TEST(PtEmptyForm, AllFourTextsWithoutColour) {
  auto form = NewForm("Empty", "Form1");
  GeneratedCode code = GenerateForm(*form);
  EXPECT_EQ(code.main,
            (Lines{"", "library \"PToolboxLib\"", "#include \"Fctl.h\"", "#include \"P.h\"",
                   "#include \"PForms.pc\"", "#include \"PEvents.pc\"", "//init", "main(){",
                   "  EmptyCreate();", "", "  //Show first form", "  EmptyDraw();", "}", ""}));
  EXPECT_EQ(code.forms, (Lines{"EmptyCreate(){", "  Form(Empty,\"Form1\");", "}", "EmptyDraw(){",
                               "  Fctl(DRAW,Empty);", "  EmptyEvents();", "}", ""}));
  EXPECT_EQ(code.events, (Lines{"EmptyEvents(){", "  int e;", "  while(1){", "    e=Fevent(1);",
                                "    switch(e){", "", "    } //switch", "  } //while", "}", ""}));
  EXPECT_EQ(code.header, (Lines{"//Empty ID numbers", "#define Empty 3000", "", "//Prototypes",
                                "EmptyCreate();", "EmptyEvents();", "EmptyDraw();", ""}));
}

TEST(PtEmptyForm, WithColourAndMemo) {
  auto form = NewForm("Empty", "Form1");
  GeneratedCode code = GenerateForm(*form, {.color = true, .memo = true});
  EXPECT_EQ(code.forms, (Lines{"/$ PForms.pc", "EmptyCreate(){", "  Form(Empty,\"Form1\");", "}",
                               "EmptyDraw(){", "  FormColors(0,15,0,15,0,15,15,0);",
                               "  Fctl(DRAW,Empty);", "  EmptyEvents();", "}", ""}));
  EXPECT_EQ(code.events,
            (Lines{"/$ PEvents.pc", "EmptyEvents(){", "  int e;", "  while(1){", "    e=Fevent(1);",
                   "    switch(e){", "", "    } //switch", "  } //while", "}", ""}));
  EXPECT_EQ(code.header,
            (Lines{"/$ P.h", "//Empty ID numbers", "#define Empty 3000", "", "//Prototypes",
                   "FormColors(int Type, int clFFrame, int clFFill, int clFrame, int clFill, int "
                   "clText, int clSelFill, int clSelFore);",
                   "EmptyCreate();", "EmptyEvents();", "EmptyDraw();", ""}));
  // The main text has no memo line of its own; the dialog writes one.
  EXPECT_EQ(code.main[1], "library \"PToolboxLib\"");
  EXPECT_EQ(code.main[7],
            "FormColors(int Type, int clFFrame, int clFFill, int clFrame, int "
            "clFill, int clText, int clSelFill, int clSelFore){");
  EXPECT_EQ(code.main[23], "//init");
  EXPECT_EQ(code.main[25], "  SetDepth(5);");
}

TEST(PtNumbering, RadioEntriesTakeOneIdentifierEachAndTheCounterRunsOn) {
  auto form = NewForm("F", "F");
  PlaceRadio(*form, form->Screen(), "Rd", 10, 10);
  PlaceLabel(*form, form->Screen(), "After", 10, 40);
  GeneratedCode code = GenerateForm(*form);
  EXPECT_EQ(code.header[1], "#define F 3000");
  EXPECT_EQ(code.header[2], "#define Rd0 3001");
  EXPECT_EQ(code.header[3], "#define Rd1 3002");
  EXPECT_EQ(code.header[4], "#define Rd2 3003");
  EXPECT_EQ(code.header[5], "#define After 3004");
  EXPECT_EQ(code.header[6], "");
}

TEST(PtNumbering, BitmapsGsisAndDialogsHaveNoIdentifierAndDialogsComeAfterTheirForm) {
  auto one = NewForm("One", "One");
  PlaceBitmap(*one, one->Screen(), "Bm", 1, 1);
  auto& shown = PlaceDialog(*one, "Dl");
  PlaceButton(*one, shown, "InDl", 4, 4);
  auto& hidden = PlaceDialog(*one, "Dl2");  // hides Dl: both are still generated
  PlaceGsi(*one, hidden, "Gs", 2, 2);
  PlaceLabel(*one, one->Screen(), "Lb", 1, 30);
  auto two = NewForm("Two", "Two");
  GeneratedCode code = GenerateForms({one.get(), two.get()});
  EXPECT_EQ(code.header, (Lines{"//One ID numbers",
                                "#define One 3000",
                                "#define Lb 3001",
                                "",
                                "//Dl ID numbers",
                                "#define Dl 3002",
                                "#define InDl 3003",
                                "",
                                "//Dl2 ID numbers",
                                "#define Dl2 3004",
                                "",
                                "//Two ID numbers",
                                "#define Two 3005",
                                "",
                                "//Prototypes",
                                "OneCreate();",
                                "OneEvents();",
                                "OneDraw();",
                                "",
                                "DlCreate();",
                                "DlEvents();",
                                "DlDraw();",
                                "",
                                "Dl2Create();",
                                "Dl2Events();",
                                "Dl2Draw();",
                                "",
                                "TwoCreate();",
                                "TwoEvents();",
                                "TwoDraw();",
                                ""}));
  EXPECT_EQ(code.main[8], "  OneCreate();");
  EXPECT_EQ(code.main[9], "  DlCreate();");
  EXPECT_EQ(code.main[10], "  Dl2Create();");
  EXPECT_EQ(code.main[11], "  TwoCreate();");
  // A control inside a dialog keeps its own coordinates.
  EXPECT_EQ(Function(code.forms, "DlCreate(){"),
            (Lines{"DlCreate(){", "  Dialog(Dl,5,60,152,80,\"Dialog\");",
                   "  Button(InDl,0x00,4,4,42,13,\"InDl\");", "}"}));
  EXPECT_EQ(Function(code.forms, "Dl2Create(){"),
            (Lines{"Dl2Create(){", "  Dialog(Dl2,5,60,152,80,\"Dialog\");", "  GSI(2,2);", "}"}));
}

TEST(PtNumbering, ControlsOfTheOtherLibraryAreLeftOut) {
  auto form = NewForm("F", "F");
  form->Screen().AddChild(std::make_unique<TCCLabel>(&form->Document()))->SetName("Stray");
  form->Screen().AddChild(std::make_unique<TCCEdit>(&form->Document()))->SetName("Stray2");
  GeneratedCode code = GenerateForm(*form, {.color = true});
  for (const Lines* text : {&code.main, &code.forms, &code.events, &code.header})
    for (const std::string& line : *text) EXPECT_EQ(line.find("Stray"), std::string::npos) << line;
}

// One create line per case of the code rules.
struct CreateCase {
  const char* what;
  void (*place)(TChildFrm& form);
  Lines expected;  // the create function's lines between the Form line and "}"
};

Lines ControlLines(const TChildFrm& form) {
  GeneratedCode code = GenerateForm(form);
  Lines create = Function(code.forms, form.Name() + "Create(){");
  auto form_line = std::find_if(create.begin(), create.end(),
                                [](const std::string& l) { return l.rfind("  Form(", 0) == 0; });
  if (form_line == create.end()) return {};
  return {form_line + 1, create.end() - 1};
}

class PtCreateLines : public ::testing::TestWithParam<CreateCase> {};

TEST_P(PtCreateLines, Match) {
  auto form = NewForm("F", "F");
  GetParam().place(*form);
  EXPECT_EQ(ControlLines(*form), GetParam().expected) << GetParam().what;
}

void PrintTo(const CreateCase& c, std::ostream* os) { *os << c.what; }

const CreateCase kCreateCases[] = {
    {"frame 7 writes digit 0",
     [](TChildFrm& f) { PlaceButton(f, f.Screen(), "B", 1, 2).SetFrame(7); },
     {"  Button(B,0x00,1,2,42,13,\"B\");"}},
    {"negative frame writes digit 0",
     [](TChildFrm& f) { PlaceButton(f, f.Screen(), "B", 1, 2).SetFrame(-1); },
     {"  Button(B,0x00,1,2,42,13,\"B\");"}},
    {"square repeat button",
     [](TChildFrm& f) {
       auto& b = PlaceButton(f, f.Screen(), "B", 1, 2);
       b.SetFrame(3);
       b.SetButtonType(1);
     },
     {"  Button(B,0x35,1,2,42,13,\"B\");"}},
    {"button type other than 1 is plain",
     [](TChildFrm& f) { PlaceButton(f, f.Screen(), "B", 1, 2).SetButtonType(2); },
     {"  Button(B,0x00,1,2,42,13,\"B\");"}},
    {"select centred is not right-aligned",
     [](TChildFrm& f) { PlaceSelect(f, f.Screen(), "S", 3, 4).SetAlignment(TextAlign::kCenter); },
     {"  Button(S,0x4,3,4,0,13,\"S\");"}},
    {"push group 255 in upper-case hex, state 1",
     [](TChildFrm& f) {
       auto& p = PlacePush(f, f.Screen(), "P", 10, 10);
       p.SetTag(255);
       p.SetState(1);
     },
     {"  Button(P,0xFF01,11,11,30,13,\"P\");", "  FsetState(P,1);"}},
    {"push state other than 1 sets nothing",
     [](TChildFrm& f) { PlacePush(f, f.Screen(), "P", 10, 10).SetState(2); },
     {"  Button(P,0x001,11,11,30,13,\"P\");"}},
    {"negative group as its 32-bit pattern",
     [](TChildFrm& f) { PlacePush(f, f.Screen(), "P", 10, 10).SetTag(-1); },
     {"  Button(P,0xFFFFFFFF01,11,11,30,13,\"P\");"}},
    {"checkbox group 300 is stored as 44, panel size",
     [](TChildFrm& f) {
       auto& c = PlaceCheckBox(f, f.Screen(), "C", 0, 0);
       c.SetGroupNumber(300);
       c.SetState(1);
     },
     {"  Button(C,0x2C02,1,1,58,15,\"C\");", "  FsetState(C,1);"}},
    {"field flags count only the value 1",
     [](TChildFrm& f) {
       auto& e = PlaceField(f, f.Screen(), "E", 7, 8);
       e.SetJustification(2);
       e.SetEditable(1);
       e.SetUnderline(-1);
       e.SetMaxChars(0);
     },
     {"  Field(E,0x00100,7,8,32,15,0,\"Field\");"}},
    {"pop trigger uses panel pixels",
     [](TChildFrm& f) { PlacePopTrigger(f, f.Screen(), "T", 7, 8); },
     {"  Button(T,0x3,7,8,35,15,\"Pop\");"}},
    {"list without entries: no array, no FaddList",
     [](TChildFrm& f) { PlaceList(f, f.Screen(), "L", 9, 9).SetItems({}); },
     {"  List(L,10,10,35,2,0);"}},
    {"list with an unset trigger writes 0",
     [](TChildFrm& f) {
       auto& l = PlaceList(f, f.Screen(), "L", 9, 9);
       l.SetItems({"x"});
       l.SetTrigger("");
     },
     {"  List(L,10,10,35,2,0);", "  FaddList(L,1,itmL);"}},
    {"label uses its panel position",
     [](TChildFrm& f) { PlaceLabel(f, f.Screen(), "Lb", 3, 0); },
     {"  Label(Lb,3,0,\"Lb\");"}},
    {"texts are not escaped",
     [](TChildFrm& f) { PlaceLabel(f, f.Screen(), "Lb", 3, 0).SetContent("a\\\"b\\n"); },
     {"  Label(Lb,3,0,\"a\\\"b\\n\");"}},
    {"radio without entries writes two blanks",
     [](TChildFrm& f) { PlaceRadio(f, f.Screen(), "R", 3, 3).SetItems({}); },
     {"  "}},
    {"horizontal radio cell rounds half to even (10.5 -> 10)",
     [](TChildFrm& f) {
       auto& r = PlaceRadio(f, f.Screen(), "R", 0, 0);
       r.SetItems({"a", "b"});
       r.SetWidth(24);
     },
     {"  Button(R0,0x101,1,1,10,13,\"a\");", "  FsetState(R0,1);",
      "  Button(R1,0x101,12,1,10,13,\"b\");"}},
    {"horizontal radio cell rounds half to even (11.5 -> 12)",
     [](TChildFrm& f) {
       auto& r = PlaceRadio(f, f.Screen(), "R", 0, 0);
       r.SetItems({"a", "b"});
       r.SetWidth(26);
     },
     {"  Button(R0,0x101,1,1,12,13,\"a\");", "  FsetState(R0,1);",
      "  Button(R1,0x101,14,1,12,13,\"b\");"}},
    {"vertical radio: cell height cut off (26/3 -> 8), width is UserWidth",
     [](TChildFrm& f) {
       auto& r = PlaceRadio(f, f.Screen(), "R", 0, 0);
       r.SetOrientation(1);  // 11 x 43; UserWidth nearest(11 / 3) * 3 - 2 = 10
       r.SetHeight(30);
       r.SetSelectedItem(2);
     },
     {"  Button(R0,0x101,1,1,10,8,\"A\");", "  Button(R1,0x101,1,10,10,8,\"B\");",
      "  Button(R2,0x101,1,19,10,8,\"C\");", "  FsetState(R2,1);"}},
    {"radio selection outside the entries sets no state",
     [](TChildFrm& f) { PlaceRadio(f, f.Screen(), "R", 0, 0).SetSelectedItem(3); },
     {"  Button(R0,0x101,1,1,9,13,\"A\");", "  Button(R1,0x101,11,1,9,13,\"B\");",
      "  Button(R2,0x101,21,1,9,13,\"C\");"}},
    {"font lines wrap every line of a control",
     [](TChildFrm& f) {
       auto& p = PlacePush(f, f.Screen(), "P", 0, 0);
       p.SetState(1);
       p.SetFontName(kPilotBold12);
     },
     {"  textattr(7,1,0);", "  Button(P,0x001,1,1,30,13,\"P\");", "  FsetState(P,1);",
      "  textattr(0,1,0);"}},
    {"font names compare exactly",
     [](TChildFrm& f) { PlaceLabel(f, f.Screen(), "Lb", 0, 0).SetFontName("pilotbold"); },
     {"  Label(Lb,0,0,\"Lb\");"}},
    {"a GSI has no font line, a bitmap writes nothing",
     [](TChildFrm& f) {
       PlaceGsi(f, f.Screen(), "G", 4, 5).SetFontName(kPilotBold);
       PlaceBitmap(f, f.Screen(), "Bm", 4, 5).SetFontName(kPilotLarge);
     },
     {"  GSI(4,5);"}},
};

INSTANTIATE_TEST_SUITE_P(Rules, PtCreateLines, ::testing::ValuesIn(kCreateCases));

TEST(PtListArrays, OnlyListsDirectlyOnThePanelWithEntriesGetAnArrayBeforeThePanelLine) {
  auto form = NewForm("F", "T");
  PlaceList(*form, form->Screen(), "A", 0, 0).SetItems({"1"});
  PlaceList(*form, form->Screen(), "B", 0, 30).SetItems({});
  auto& dialog = PlaceDialog(*form, "D");
  PlaceList(*form, dialog, "C", 0, 0).SetItems({"x", "\"y\""});
  GeneratedCode code = GenerateForm(*form);
  EXPECT_EQ(
      Function(code.forms, "FCreate(){"),
      (Lines{"FCreate(){", "string itmA[1] = {\"1\"};", "  Form(F,\"T\");", "  List(A,1,1,35,2,0);",
             "  FaddList(A,1,itmA);", "  List(B,1,31,35,2,0);", "}"}));
  EXPECT_EQ(Function(code.forms, "DCreate(){"),
            (Lines{"DCreate(){", "string itmC[2] = {\"x\",\"\"y\"\"};",
                   "  Dialog(D,5,60,152,80,\"Dialog\");", "  List(C,1,1,35,2,0);",
                   "  FaddList(C,2,itmC);", "}"}));
}

TEST(PtBitmapString, DrawnInTheDrawFunctionAtItsOwnPositionAlsoInsideADialog) {
  auto form = NewForm("F", "T");
  auto& wide = PlaceBitmap(*form, form->Screen(), "W", 0, 0);
  wide.SetWidth(160);
  wide.SetStringBits(std::string(256, 'a'));
  auto& dialog = PlaceDialog(*form, "D");
  auto& inner = PlaceBitmap(*form, dialog, "I", 3, 4);
  inner.SetWidth(10);
  inner.SetStringBits("ff");
  inner.SetColorFore(123);  // not a named colour
  GeneratedCode mono = GenerateForm(*form);
  EXPECT_EQ(Function(mono.forms, "FDraw(){"),
            (Lines{"FDraw(){", "  Fctl(DRAW,F);",
                   "  bitmap(0,0,\"a0\" + \"" + std::string(255, 'a') + "\" + \"a\");",
                   "  FEvents();", "}"}));
  GeneratedCode color = GenerateForm(*form, {.color = true});
  EXPECT_EQ(Function(color.forms, "DDraw(){"),
            (Lines{"DDraw(){", "  FormColors(1,15,0,15,0,15,15,0);", "  Fctl(DRAW,D);",
                   "  SetFore();", "  bitmap(3,4,\"0a\" + \"ff\");", "  DEvents();", "}"}));
}

}  // namespace
}  // namespace qb::test::pt
