// The compiler gate: the generated files of sound projects of every kind of each library pass
// gcc's syntax check (declarations of the device calls beside them, the lines that are no C
// dropped, only the dialect's own three constructs forgiven), and each design a user can make
// that the layout check calls an error both breaks that build and is found by the check.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "codegen/cc_demo_project.h"
#include "codegen/cc_place.h"
#include "codegen/code_check.h"
#include "codegen/generator.h"
#include "codegen/layout_check.h"
#include "codegen/pt_demo.h"
#include "controls/CCButton.h"
#include "controls/CCForm.h"
#include "controls/CCLabel.h"
#include "controls/CCMenu.h"
#include "controls/PTButton.h"
#include "controls/PTEdit.h"
#include "controls/PTLabel.h"
#include "controls/font_registry.h"
#include "designer/designer_fixture.h"
#include "support/temp_dir.h"
#include "support/test_faces.h"

namespace qb::test {
namespace {

constexpr LibraryId kCC = LibraryId::kCControls;
constexpr LibraryId kPT = LibraryId::kPToolboxLib;
using B = PaletteButton;

// What the dialect has that C has not: a switch over strings, string case labels and the
// joining of string literals with "+".
constexpr const char* kDialectMessages[] = {"switch quantity not an integer",
                                            "case label does not reduce to an integer constant",
                                            "invalid operands to binary +"};

bool IsDialectLine(const std::string& line) {
  return line.rfind('@', 0) == 0 || line.rfind("/$ ", 0) == 0 || line.rfind("library \"", 0) == 0;
}

struct BuildOutcome {
  int errors = 0;
  std::string log;  // the messages that count
};

// A macro defined again with another value breaks the C rules, though gcc only warns.
bool CountsAsError(const std::string& line) {
  if (line.find(" redefined") != std::string::npos && line.find("warning: \"") != std::string::npos)
    return true;
  const std::size_t at = line.find(": error: ");
  if (at == std::string::npos) return false;
  const std::string message = line.substr(at + 9);
  for (const char* dialect : kDialectMessages)
    if (message.rfind(dialect, 0) == 0) return false;
  return true;
}

BuildOutcome Compile(LibraryId lib, const GeneratedCode& code, const std::string& project) {
  TempDir dir;
  auto write = [&](const std::string& name, const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
      if (!IsDialectLine(line)) text += line + "\n";
    EXPECT_TRUE(WriteFileBytes(dir.Path(name), text)) << name;
  };
  write(project + ".pc", code.main);
  write(project + "Forms.pc", code.forms);
  write(project + "Events.pc", code.events);
  write(project + ".h", code.header);
  const bool cc = lib == kCC;
  const std::string declarations = ReadFileBytes(
      std::string(QB_TEST_DATA_DIR) + "/codegen/builds/" + (cc ? "Ccontrols.h" : "Fctl.h"));
  EXPECT_FALSE(declarations.empty());
  EXPECT_TRUE(WriteFileBytes(dir.Path(cc ? "Ccontrols.c" : "Fctl.h"), declarations));
  const std::string command = "cd '" + dir.Root().string() +
                              "' && '" QB_GCC "' -x c -std=gnu89 -fsyntax-only '" + project +
                              ".pc' > gcc.log 2>&1";
  const int status = std::system(command.c_str());
  BuildOutcome out;
  std::istringstream log(ReadFileBytes(dir.Path("gcc.log")));
  for (std::string line; std::getline(log, line);) {
    if (!CountsAsError(line)) continue;
    ++out.errors;
    out.log += line + "\n";
  }
  // gcc itself must have run (127: the shell did not find it).
  EXPECT_NE(status, -1);
  EXPECT_NE(WEXITSTATUS(status), 127) << ReadFileBytes(dir.Path("gcc.log"));
  return out;
}

FontRegistry BlockFonts() {
  FontRegistry fonts;
  for (const auto& file : FontRegistry::Files())
    fonts.SetFace(file.font_name, BlockFace(5, 11, file.font_name));
  return fonts;
}

std::string Errors(const std::vector<LayoutFinding>& findings) {
  std::vector<LayoutFinding> errors;
  for (const LayoutFinding& f : findings)
    if (f.severity == FindingSeverity::kError) errors.push_back(f);
  return FindingsText(errors);
}

// --- Sound projects ---

TEST(CodeBuilds, CControlsDemoProjectBuildsForBothTargets) {
  DemoProject project = BuildDemoProject();
  // The demo shows a quoted text as it is written; a sound design escapes it.
  static_cast<TCCLabel*>(project.form1->FindControl("Label2"))->SetContent("Say \\\"hi\\\"");
  const FontRegistry fonts = BlockFonts();
  for (bool memo : {false, true}) {
    SCOPED_TRACE(memo ? "memo" : "pde");
    const GeneratorInput input = project.Input(memo);
    GeneratedCode code;
    GenerateCControls(input, code);
    const BuildOutcome built = Compile(kCC, code, "Demo");
    EXPECT_EQ(built.errors, 0) << built.log;
    EXPECT_EQ(Errors(CheckLayout(input.forms, kCC, fonts)), "");
  }
}

TEST(CodeBuilds, PToolboxDemoProjectBuildsInEveryMode) {
  pt::DemoProject project = pt::BuildDemoProject();
  // The demo shows a quoted text and a colour outside the palette as they are written.
  TChildFrm& main = *project.forms.front();
  static_cast<TPTLabel*>(main.FindControl("Label17"))->SetContent("Say \\\"hi\\\"");
  static_cast<TPTEdit*>(main.FindControl("Field8"))->SetColorLines(kBlack);
  const FontRegistry fonts = BlockFonts();
  for (bool memo : {false, true}) {
    for (bool color : {false, true}) {
      SCOPED_TRACE(std::string(memo ? "memo" : "pde") + (color ? " color" : " mono"));
      const GeneratorInput input = project.Input(memo, color);
      GeneratedCode code;
      GeneratePToolbox(input, code);
      const BuildOutcome built = Compile(kPT, code, "Demo");
      EXPECT_EQ(built.errors, 0) << built.log;
      CodeCheckSettings settings;
      settings.color = color;
      EXPECT_EQ(Errors(CheckLayout(input.forms, kPT, fonts, settings)), "");
    }
  }
}

// --- Hazards: each one design a user makes in a minute ---

class HazardTest : public DesignerTest {
 public:
  TControl& Put(TChildFrm& form, B button, int x, int y) {
    TControl* placed = Place(form, button, x, y);
    EXPECT_NE(placed, nullptr);
    return *placed;
  }
  template <typename T>
  T& Put(TChildFrm& form, B button, int x, int y) {
    return *As<T>(&Put(form, button, x, y));
  }
};

struct Hazard {
  const char* label;
  LibraryId lib;
  std::function<void(HazardTest&, TChildFrm& form1, TChildFrm& form2)> make;
  // The error finding the check gives.
  const char* form;
  const char* control;
  const char* rule;
  // Whether gcc sees it: a menu handler's cases are strings it cannot compare.
  bool breaks_build = true;
};

void PrintTo(const Hazard& h, std::ostream* os) { *os << h.label; }

const std::vector<Hazard>& HazardTable() {
  static const std::vector<Hazard> kHazards = {
      {"QuoteInLabel", kCC,
       [](HazardTest& t, TChildFrm& f, TChildFrm&) {
         t.Put<TCCLabel>(f, B::kLabel, 10, 20).SetContent("Say \"hi\"");
       },
       "Form1", "Label1", kRuleStringLiteral},
      {"BackslashEndsButtonText", kCC,
       [](HazardTest& t, TChildFrm& f, TChildFrm&) {
         t.Put<TCCButton>(f, B::kButton, 10, 20).SetContent("C:\\");
       },
       "Form1", "Button1", kRuleStringLiteral},
      {"QuoteInMenuEntry", kCC,
       [](HazardTest&, TChildFrm& f, TChildFrm&) {
         PlaceMenu(f, "Menu1").SetItems({"Open \"last\""});
       },
       "Form1", "Menu1", kRuleStringLiteral},
      {"QuoteInFormTitle", kCC,
       [](HazardTest&, TChildFrm& f, TChildFrm&) { f.Screen().SetTitle("The \"best\""); }, "Form1",
       "", kRuleStringLiteral},
      {"SameButtonNameOnTwoForms", kCC,
       [](HazardTest& t, TChildFrm& f1, TChildFrm& f2) {
         t.Put(f1, B::kButton, 10, 20);
         t.Put(f2, B::kButton, 10, 20).SetName("Button1");
       },
       "Form2", "Button1", kRuleDefinedOnce},
      {"ControlNamedLikeAFormFunction", kCC,
       [](HazardTest& t, TChildFrm& f1, TChildFrm&) {
         t.Put(f1, B::kLabel, 10, 20).SetName("Form2Draw");
       },
       "Form2", "", kRuleDefinedOnce},
      {"HandlerNamedLikeAControl", kCC,
       [](HazardTest& t, TChildFrm& f1, TChildFrm&) {
         t.Put(f1, B::kButton, 10, 20).SetName("Ok");
         t.Put(f1, B::kLabel, 60, 20).SetName("OnOk");
       },
       "Form1", "OnOk", kRuleDefinedOnce},
      {"KeywordAsName", kCC,
       [](HazardTest& t, TChildFrm& f1, TChildFrm&) {
         t.Put(f1, B::kButton, 10, 20).SetName("int");
       },
       "Form1", "int", kRuleReservedWord},
      {"LibraryCallAsName", kCC,
       [](HazardTest& t, TChildFrm& f1, TChildFrm&) {
         t.Put(f1, B::kButton, 10, 20).SetName("Cevent");
       },
       "Form1", "Cevent", kRuleReservedWord},
      {"DialectWordAsName", kCC,
       [](HazardTest& t, TChildFrm& f1, TChildFrm&) {
         t.Put(f1, B::kLabel, 10, 20).SetName("string");
       },
       "Form1", "string", kRuleReservedWord},
      {"FormNameWithBlankAndUmlaut", kCC,
       [](HazardTest&, TChildFrm&, TChildFrm& f2) { f2.SetName("Mein Form\xC3\xB6"); },
       "Mein Form\xC3\xB6", "", kRuleIdentifier},
      {"SameMenuEntryInTwoMenus", kCC,
       [](HazardTest&, TChildFrm& f, TChildFrm&) {
         PlaceMenu(f, "Menu1").SetItems({"Open"});
         PlaceMenu(f, "Menu2").SetItems({"Open"});
       },
       "Form1", "Menu2", kRuleMenuEntryOnce, false},
      {"PtQuoteInButtonText", kPT,
       [](HazardTest& t, TChildFrm& f, TChildFrm&) {
         t.Put<TPTButton>(f, B::kButton, 10, 20).SetText("Say \"hi\"");
       },
       "Form1", "Button1", kRuleStringLiteral},
      {"PtSameNameOnTwoForms", kPT,
       [](HazardTest& t, TChildFrm& f1, TChildFrm& f2) {
         t.Put(f1, B::kButton, 10, 20);
         t.Put(f2, B::kButton, 10, 20).SetName("Button1");
       },
       "Form2", "Button1", kRuleDefinedOnce},
      {"PtControlNamedLikeALibraryCall", kPT,
       [](HazardTest& t, TChildFrm& f1, TChildFrm&) {
         t.Put(f1, B::kLabel, 10, 20).SetName("Label");
       },
       "Form1", "Label", kRuleReservedWord},
      {"PtControlNamedLikeALocal", kPT,
       [](HazardTest& t, TChildFrm& f1, TChildFrm&) { t.Put(f1, B::kButton, 10, 20).SetName("e"); },
       "Form1", "e", kRuleReservedWord},
      {"PtColourOutsideThePalette", kPT,
       [](HazardTest& t, TChildFrm& f1, TChildFrm&) {
         t.Put<TPTEdit>(f1, B::kEdit, 10, 20).SetColorLines(0x123456);
       },
       "Form1", "Field1", kRulePaletteColor},
  };
  return kHazards;
}

class Hazards : public HazardTest, public ::testing::WithParamInterface<Hazard> {};

TEST_P(Hazards, BreaksTheBuildAndTheCheckFindsIt) {
  const Hazard& h = GetParam();
  TChildFrm& form1 = NewForm(h.lib);
  TChildFrm& form2 = NewForm(h.lib);
  h.make(*this, form1, form2);
  // Each form holds something, so that the sound project builds as a whole.
  Put(form1, B::kButton, 100, 120).SetName("Base1");
  Put(form2, B::kButton, 100, 120).SetName("Base2");

  GeneratorInput input;
  input.forms = {&form1, &form2};
  input.first_form = &form1;
  input.project_name = "Hazard";
  input.color = true;
  GeneratedCode code;
  Generate(h.lib, input, code);
  const BuildOutcome built = Compile(h.lib, code, "Hazard");
  if (h.breaks_build)
    EXPECT_GT(built.errors, 0) << "gcc accepts it";
  else
    EXPECT_EQ(built.errors, 0) << built.log;

  const FontRegistry fonts = BlockFonts();
  const std::vector<LayoutFinding> findings = CheckLayout(input.forms, h.lib, fonts);
  bool found = false;
  for (const LayoutFinding& f : findings)
    found = found || (f.severity == FindingSeverity::kError && f.form == h.form &&
                      f.control == h.control && f.rule == h.rule);
  EXPECT_TRUE(found) << FindingsText(findings);
}

INSTANTIATE_TEST_SUITE_P(Designs, Hazards, ::testing::ValuesIn(HazardTable()),
                         [](const auto& info) { return std::string(info.param.label); });

// The same two forms without the hazard build: what breaks above is the hazard alone.
TEST_F(HazardTest, TheHazardsBaseProjectBuilds) {
  for (LibraryId lib : {kCC, kPT}) {
    state.windows.clear();
    state.form_counter = 0;
    TChildFrm& form1 = NewForm(lib);
    TChildFrm& form2 = NewForm(lib);
    Put(form1, B::kButton, 100, 120).SetName("Base1");
    Put(form2, B::kButton, 100, 120).SetName("Base2");
    GeneratorInput input;
    input.forms = {&form1, &form2};
    input.first_form = &form1;
    input.project_name = "Hazard";
    input.color = true;
    GeneratedCode code;
    Generate(lib, input, code);
    EXPECT_EQ(Compile(lib, code, "Hazard").errors, 0);
  }
}

}  // namespace
}  // namespace qb::test
