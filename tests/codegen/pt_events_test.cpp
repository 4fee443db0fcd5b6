// The PToolboxLib colour mode, project flags, event loops and repeat handlers.

#include <gtest/gtest.h>

#include "pt_builder.h"
#include "pt_support.h"

namespace qb::test::pt {
namespace {

using Lines = std::vector<std::string>;

constexpr Color kUnnamed = 1234567;
const std::string kFormColorsPrototype =
    "FormColors(int Type, int clFFrame, int clFFill, int clFrame, int clFill, int clText, int "
    "clSelFill, int clSelFore);";
const std::string kButColorsPrototype = "ButColors(int id, int clFill, int clText);";
const std::string kFieldColorsPrototype =
    "FieldColors(int id, int clBack, int clText, int clLines, int clCaret, int clHlBg, int "
    "clHlFg);";

// --- Project flags and the colour functions they select ------------------------------------

TEST(PtColorFunctions, FormColorsOnlyWithoutButtonsLabelsOrFields) {
  auto form = NewForm("F", "T");
  PlacePush(*form, form->Screen(), "P", 0, 0);
  PlaceCheckBox(*form, form->Screen(), "C", 0, 20);
  PlaceList(*form, form->Screen(), "L", 0, 40);
  PlaceButton(*form, form->Screen(), "R", 0, 60).SetButtonType(1);  // repeat: not a button
  GeneratedCode code = GenerateForm(*form, {.color = true});
  EXPECT_EQ(Count(code.main,
                  "FormColors(int Type, int clFFrame, int clFFill, int clFrame, int "
                  "clFill, int clText, int clSelFill, int clSelFore){"),
            1);
  for (const std::string& line : code.main) {
    EXPECT_EQ(line.find("ButColors"), std::string::npos) << line;
    EXPECT_EQ(line.find("FieldColors"), std::string::npos) << line;
  }
  EXPECT_TRUE(Contains(code.header, kFormColorsPrototype));
  EXPECT_FALSE(Contains(code.header, kButColorsPrototype));
  EXPECT_FALSE(Contains(code.header, kFieldColorsPrototype));
  EXPECT_EQ(Function(code.events, "FEvents(){")[1], "  int e;");
  EXPECT_FALSE(Contains(code.events, "    case 250:"));
  // No object with colours of its own: the panel's colours are set once, before drawing.
  EXPECT_EQ(Function(code.forms, "FDraw(){"),
            (Lines{"FDraw(){", "  //Bind repeat events handler", "  Fctl(REPEAT,FRepeat);",
                   "  FormColors(0,15,0,15,0,15,15,0);", "  Fctl(DRAW,F);", "  FEvents();", "}"}));
  // A repeat button has no colour line and no case in the event loop.
  EXPECT_EQ(Count(code.events, "    case R:"), 1);  // only in the repeat handler
}

TEST(PtColorFunctions, LabelsAloneBringButColorsButNoButtonEvents) {
  auto form = NewForm("F", "T");
  PlaceLabel(*form, form->Screen(), "Lb", 0, 0).SetColorText(kNavy);
  GeneratedCode code = GenerateForm(*form, {.color = true});
  EXPECT_TRUE(Contains(code.main, "ButColors(int id, int clFill, int clText){"));
  EXPECT_TRUE(Contains(code.header, kButColorsPrototype));
  EXPECT_EQ(
      Function(code.forms, "FDraw(){"),
      (Lines{"FDraw(){", "  FormColors(0,15,0,15,0,15,15,0);", "  Fctl(DRAW,F);",
             "  ButColors(Lb,0,6);", "  FormColors(0,15,0,15,0,15,15,0);", "  FEvents();", "}"}));
  EXPECT_EQ(Function(code.events, "FEvents(){"),
            (Lines{"FEvents(){", "  int e;", "  while(1){", "    e=Fevent(1);", "    switch(e){",
                   "", "    } //switch", "  } //while", "}"}));
}

TEST(PtColorFunctions, FlagsLookIntoDialogsOfEveryForm) {
  auto plain = NewForm("A", "A");
  auto other = NewForm("B", "B");
  auto& dialog = PlaceDialog(*other, "D");
  PlaceSelect(*other, dialog, "S", 0, 0).SetDOTPicker(1);
  PlaceField(*other, dialog, "E", 0, 20);
  GeneratedCode mono = GenerateForms({plain.get(), other.get()});
  EXPECT_EQ(Function(mono.events, "AEvents(){")[1], "  int e, p;");
  GeneratedCode color = GenerateForms({plain.get(), other.get()}, {.color = true});
  EXPECT_EQ(Function(color.events, "AEvents(){")[1], "  int e, p, bt;");
  EXPECT_TRUE(Contains(color.header, kButColorsPrototype));
  EXPECT_TRUE(Contains(color.header, kFieldColorsPrototype));
  // The panel without buttons gets no button-event block, the dialog does.
  EXPECT_FALSE(Contains(Function(color.events, "AEvents(){"), "    case 250:"));
  EXPECT_TRUE(Contains(Function(color.events, "DEvents(){"), "    case 250:"));
}

// --- The declaration line ---------------------------------------------------------------------

struct DeclarationCase {
  const char* what;
  void (*place)(TChildFrm& form);
  const char* mono;
  const char* color;
};

void PrintTo(const DeclarationCase& c, std::ostream* os) { *os << c.what; }

class PtDeclaration : public ::testing::TestWithParam<DeclarationCase> {};

TEST_P(PtDeclaration, DependsOnColourButtonsAndPickers) {
  auto form = NewForm("F", "T");
  GetParam().place(*form);
  EXPECT_EQ(Function(GenerateForm(*form).events, "FEvents(){")[1], GetParam().mono);
  EXPECT_EQ(Function(GenerateForm(*form, {.color = true}).events, "FEvents(){")[1],
            GetParam().color);
}

const DeclarationCase kDeclarationCases[] = {
    {"nothing", [](TChildFrm&) {}, "  int e;", "  int e;"},
    {"a label only", [](TChildFrm& f) { PlaceLabel(f, f.Screen(), "L", 0, 0); }, "  int e;",
     "  int e;"},
    {"a repeat button only",
     [](TChildFrm& f) { PlaceButton(f, f.Screen(), "B", 0, 0).SetButtonType(1); }, "  int e;",
     "  int e;"},
    {"a plain button", [](TChildFrm& f) { PlaceButton(f, f.Screen(), "B", 0, 0); }, "  int e;",
     "  int e, bt;"},
    {"a select without picker", [](TChildFrm& f) { PlaceSelect(f, f.Screen(), "S", 0, 0); },
     "  int e;", "  int e, bt;"},
    {"two pickers declare p once",
     [](TChildFrm& f) {
       PlaceSelect(f, f.Screen(), "S1", 0, 0).SetDOTPicker(1);
       PlaceSelect(f, f.Screen(), "S2", 0, 20).SetDOTPicker(2);
     },
     "  int e, p;", "  int e, p, bt;"},
};

INSTANTIATE_TEST_SUITE_P(Flags, PtDeclaration, ::testing::ValuesIn(kDeclarationCases));

TEST(PtDeclaration, PickerVariableIsDeclaredOnlyOnTheDeclarationLine) {
  auto form = NewForm("F", "T");
  PlaceSelect(*form, form->Screen(), "S1", 0, 0).SetDOTPicker(1);
  PlaceSelect(*form, form->Screen(), "S2", 0, 20).SetDOTPicker(2);
  GeneratedCode code = GenerateForm(*form, {.color = true});
  int declarations = 0;
  for (const std::string& line : code.events)
    if (line.find("int ") != std::string::npos && line.find(" p") != std::string::npos)
      ++declarations;
  EXPECT_EQ(declarations, 1);
}

// --- Event cases --------------------------------------------------------------------------------

TEST(PtEventCases, PlainButtonRestoresColoursUnlessItOpensAForm) {
  auto form = NewForm("F", "T");
  auto& keep = PlaceButton(*form, form->Screen(), "Keep", 0, 0);
  keep.SetColorFill(kUnnamed);  // two commas in a row
  PlaceButton(*form, form->Screen(), "Go", 0, 20).SetShowForm("G");
  PlaceButton(*form, form->Screen(), "Unset", 0, 40).SetShowForm("");
  GeneratedCode color = GenerateForm(*form, {.color = true});
  EXPECT_EQ(Function(color.events, "FEvents(){"),
            (Lines{"FEvents(){",
                   "  int e, bt;",
                   "  while(1){",
                   "    e=Fevent(1);",
                   "    switch(e){",
                   "",
                   "    case Keep:",
                   "      ButColors(Keep,,15);",
                   "      FormColors(0,15,0,15,0,15,15,0);",
                   "    break;",
                   "",
                   "    case Go:",
                   "      GDraw();",
                   "    break;",
                   "",
                   "    case Unset:",
                   "      ButColors(Unset,0,15);",
                   "      FormColors(0,15,0,15,0,15,15,0);",
                   "    break;",
                   "",
                   "    //this code only works with PToolbox 7.5 or better",
                   "    case 250:",
                   "      bt=Fctl(402,0);",
                   "      switch(bt){",
                   "        case Keep:",
                   "          ButColors(Keep,,15);",
                   "        break;",
                   "",
                   "        case Go:",
                   "          ButColors(Go,0,15);",
                   "        break;",
                   "",
                   "        case Unset:",
                   "          ButColors(Unset,0,15);",
                   "        break;",
                   "",
                   "      }",
                   "      FormColors(0,15,0,15,0,15,15,0);",
                   "    break;",
                   "    } //switch",
                   "  } //while",
                   "}"}));
  GeneratedCode mono = GenerateForm(*form);
  EXPECT_EQ(
      Function(mono.events, "FEvents(){"),
      (Lines{"FEvents(){", "  int e;", "  while(1){", "    e=Fevent(1);", "    switch(e){", "",
             "    case Keep:", "    break;", "", "    case Go:", "      GDraw();", "    break;", "",
             "    case Unset:", "    break;", "", "    } //switch", "  } //while", "}"}));
}

TEST(PtEventCases, OnlyStandaloneListsPushesAndCheckBoxesGetAnEmptyCase) {
  auto form = NewForm("F", "T");
  PlaceList(*form, form->Screen(), "L0", 0, 0);
  PlaceList(*form, form->Screen(), "L1", 0, 30).SetTrigger("T");
  PlaceList(*form, form->Screen(), "L2", 0, 60).SetStyle(2);
  PlacePopTrigger(*form, form->Screen(), "T", 0, 90);
  PlaceField(*form, form->Screen(), "E", 40, 0);
  PlaceLabel(*form, form->Screen(), "Lb", 40, 20);
  PlaceGsi(*form, form->Screen(), "G", 40, 40);
  PlaceBitmap(*form, form->Screen(), "Bm", 40, 60);
  PlaceRadio(*form, form->Screen(), "R", 40, 80);
  PlacePush(*form, form->Screen(), "P", 40, 100);
  PlaceCheckBox(*form, form->Screen(), "C", 40, 120);
  PlaceDialog(*form, "D");
  GeneratedCode code = GenerateForm(*form);
  EXPECT_EQ(Function(code.events, "FEvents(){"),
            (Lines{"FEvents(){", "  int e;", "  while(1){", "    e=Fevent(1);", "    switch(e){",
                   "", "    case L0:", "    break;", "", "    case P:", "    break;", "",
                   "    case C:", "    break;", "", "    } //switch", "  } //while", "}"}));
}

TEST(PtEventCases, PickerLinesAndTheirColours) {
  auto form = NewForm("F", "T");
  auto& odd = PlaceSelect(*form, form->Screen(), "Odd", 0, 0);
  odd.SetDOTPicker(3);  // neither date nor time: colours only
  odd.SetDOTColors("Black,,Fuchsia,white,Teal");
  auto& none = PlaceSelect(*form, form->Screen(), "None", 0, 20);
  none.SetDOTColors("Red,Red,Red,Red,Red,Red,Red");  // not a picker: not used
  auto& date = PlaceSelect(*form, form->Screen(), "Dt", 0, 40);
  date.SetDOTPicker(1);
  date.SetDOTFormat(8);
  date.SetDOTTitle("When \"now\"");
  GeneratedCode color = GenerateForm(*form, {.color = true});
  Lines events = Function(color.events, "FEvents(){");
  Lines cases(events.begin() + 6, events.begin() + 25);
  EXPECT_EQ(cases,
            (Lines{"    case Odd:", "      FormColors(1,15,15,8,15,5,15,15);",
                   "      ButColors(Odd,0,15);", "      FormColors(0,15,0,15,0,15,15,0);",
                   "    break;", "", "    case None:", "      ButColors(None,0,15);",
                   "      FormColors(0,15,0,15,0,15,15,0);", "    break;", "",
                   "    case Dt:", "      FormColors(1,15,0,15,0,15,0,15);",
                   "      p=PickDate(0,date(0),\"When \"now\"\");",
                   "      if (p!=-1) FsetText(Dt,DateConv(p,8));", "      ButColors(Dt,0,15);",
                   "      FormColors(0,15,0,15,0,15,15,0);", "    break;", ""}));
  GeneratedCode mono = GenerateForm(*form);
  Lines mono_events = Function(mono.events, "FEvents(){");
  EXPECT_EQ(Lines(mono_events.begin() + 6, mono_events.begin() + 16),
            (Lines{"    case Odd:", "    break;", "", "    case None:", "    break;", "",
                   "    case Dt:", "      p=PickDate(0,date(0),\"When \"now\"\");",
                   "      if (p!=-1) FsetText(Dt,DateConv(p,8));", "    break;"}));
}

// --- Repeat handlers ------------------------------------------------------------------------

TEST(PtRepeat, FieldWithoutColourGetsAnEmptyHandlerButNoBinding) {
  auto form = NewForm("F", "T");
  PlaceField(*form, form->Screen(), "E", 0, 0);
  GeneratedCode mono = GenerateForm(*form);
  EXPECT_EQ(Function(mono.events, "int FRepeat(int butID){"),
            (Lines{"int FRepeat(int butID){", "  switch(butID){", "    default:", "    break;",
                   "  }//switch", "return(0);", "}"}));
  EXPECT_EQ(mono.events.back(), "");
  EXPECT_TRUE(Contains(mono.header, "int FRepeat(int butID);"));
  EXPECT_EQ(Function(mono.forms, "FDraw(){"),
            (Lines{"FDraw(){", "  Fctl(DRAW,F);", "  FEvents();", "}"}));

  GeneratedCode color = GenerateForm(*form, {.color = true});
  EXPECT_EQ(Function(color.events, "int FRepeat(int butID){"),
            (Lines{"int FRepeat(int butID){", "  switch(butID){",
                   "    case E:", "      FieldColors(E,0,15,15,15,15,0);", "    break;", "",
                   "    default:", "    break;", "  }//switch", "return(0);", "}"}));
  EXPECT_EQ(Function(color.forms, "FDraw(){"),
            (Lines{"FDraw(){", "  //Bind repeat events handler", "  Fctl(REPEAT,FRepeat);",
                   "  FormColors(0,15,0,15,0,15,15,0);", "  Fctl(DRAW,F);",
                   "  FieldColors(E,0,15,15,15,15,0);", "  FormColors(0,15,0,15,0,15,15,0);",
                   "  FEvents();", "}"}));
}

TEST(PtRepeat, PanelsWithoutRepeatButtonsOrFieldsHaveNoHandler) {
  auto form = NewForm("F", "T");
  PlaceButton(*form, form->Screen(), "B", 0, 0);
  auto& dialog = PlaceDialog(*form, "D");
  PlaceButton(*form, dialog, "R", 0, 0).SetButtonType(1);
  GeneratedCode code = GenerateForm(*form, {.color = true});
  EXPECT_TRUE(Function(code.events, "int FRepeat(int butID){").empty());
  EXPECT_FALSE(Contains(code.header, "int FRepeat(int butID);"));
  EXPECT_FALSE(Contains(code.forms, "  Fctl(REPEAT,FRepeat);"));
  EXPECT_EQ(Function(code.events, "int DRepeat(int butID){"),
            (Lines{"int DRepeat(int butID){", "  switch(butID){",
                   "    case R:", "      //handle the repeat here",
                   "      return(3); //wait 3 seconds and repeat", "    break;", "",
                   "    default:", "    break;", "  }//switch", "return(0);", "}"}));
  EXPECT_EQ(code.header, (Lines{"//F ID numbers",
                                "#define F 3000",
                                "#define B 3001",
                                "",
                                "//D ID numbers",
                                "#define D 3002",
                                "#define R 3003",
                                "",
                                "//Prototypes",
                                kFormColorsPrototype,
                                kButColorsPrototype,
                                "FCreate();",
                                "FEvents();",
                                "FDraw();",
                                "",
                                "DCreate();",
                                "DEvents();",
                                "DDraw();",
                                "int DRepeat(int butID);",
                                ""}));
}

// --- The main text --------------------------------------------------------------------------

TEST(PtMainText, DrawsTheChosenFirstFormOrElseTheFirstOfTheList) {
  auto a = NewForm("A", "A");
  auto b = NewForm("B", "B");
  GeneratedCode chosen = GenerateForms({a.get(), b.get()}, {.first = b.get()});
  EXPECT_EQ(chosen.main[chosen.main.size() - 3], "  BDraw();");
  GeneratorInput input;
  input.forms = {a.get(), b.get()};
  input.project_name = "P";
  GeneratedCode fallback;
  GeneratePToolbox(input, fallback);
  EXPECT_EQ(fallback.main[fallback.main.size() - 3], "  ADraw();");
}

TEST(PtMainText, WithoutFormsNothingIsCreatedOrDrawn) {
  GeneratedCode code = GenerateForms({}, {.color = true});
  Lines tail(code.main.end() - 6, code.main.end());
  EXPECT_EQ(tail, (Lines{"main(){", "  SetDepth(5);", "", "  //Show first form", "}", ""}));
  EXPECT_TRUE(code.forms.empty());
  EXPECT_TRUE(code.events.empty());
  EXPECT_EQ(code.header, (Lines{"//Prototypes", kFormColorsPrototype}));
}

}  // namespace
}  // namespace qb::test::pt
