// The parts of the layout check that read the design as generated code: texts in string
// literals, identifiers, the PRC fields and the converter's document names.

#include "codegen/code_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "codegen/cc_place.h"
#include "codegen/layout_check.h"
#include "controls/CCButton.h"
#include "controls/CCRadio.h"
#include "controls/PTButton.h"
#include "designer/designer_fixture.h"

namespace qb::test {
namespace {

constexpr LibraryId kCC = LibraryId::kCControls;
constexpr LibraryId kPT = LibraryId::kPToolboxLib;

TEST(StringLiteralHazard, WhatEndsOrEscapesTheString) {
  const struct {
    const char* text;
    const char* hazard;
  } kCases[] = {
      {"", ""},
      {"Say hi", ""},
      {"Say \\\"hi\\\"", ""},  // already escaped
      {"C:\\\\", ""},          // an escaped backslash
      {"a\\tb", ""},
      {"Say \"hi\"", "holds a double quote, which ends the generated string early"},
      {"C:\\", "ends in a backslash, which escapes the generated string's closing quote"},
      {"C:\\\\\\", "ends in a backslash, which escapes the generated string's closing quote"},
      {"one\ntwo", "holds a line break, which ends the generated line"},
      {"one\\\rtwo", "holds a line break, which ends the generated line"},
  };
  for (const auto& c : kCases) EXPECT_EQ(StringLiteralHazard(c.text), c.hazard) << c.text;
}

TEST(CIdentifier, LettersDigitsAndUnderscores) {
  const struct {
    const char* name;
    bool ok;
  } kCases[] = {{"Button1", true},  {"_x", true},         {"a_1_B", true}, {"", false},
                {"1Button", false}, {"Main Menu", false}, {"Bt-1", false}, {"Knopf\xC3\xB6", false},
                {"$x", false}};
  for (const auto& c : kCases) EXPECT_EQ(IsCIdentifier(c.name), c.ok) << c.name;
}

TEST(ReservedCodeName, ByLibrary) {
  const struct {
    const char* name;
    bool cc;
    bool pt;
  } kCases[] = {
      {"int", true, true},       {"while", true, true},       {"_Bool", true, true},
      {"string", true, true},    {"library", true, true},     {"Chandle", true, true},
      {"main", true, true},      {"Cevent", true, false},     {"Csetcontent", true, false},
      {"graph_on", true, false}, {"Fctl", false, true},       {"Label", false, true},
      {"DRAW", false, true},     {"FormColors", false, true}, {"bitmap", true, true},
      {"Button1", false, false}, {"Int", false, false},       {"e", true, true},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(IsReservedCodeName(c.name, kCC), c.cc) << c.name;
    EXPECT_EQ(IsReservedCodeName(c.name, kPT), c.pt) << c.name;
  }
}

TEST(DocumentNames, ShortenedAlikeToStayApart) {
  const struct {
    std::string project;
    bool shortened;
    std::vector<std::string> names;
  } kCases[] = {
      {"Demo", false, {"Demo.pc", "DemoForms.pc", "DemoEvents.pc", "Demo.h"}},
      // 22 + "Events.pc" is 31 bytes: it fits.
      {std::string(22, 'a'),
       false,
       {std::string(22, 'a') + ".pc", std::string(22, 'a') + "Forms.pc",
        std::string(22, 'a') + "Events.pc", std::string(22, 'a') + ".h"}},
      {std::string(23, 'b'),
       true,
       {std::string(22, 'b') + ".pc", std::string(22, 'b') + "Forms.pc",
        std::string(22, 'b') + "Events.pc", std::string(22, 'b') + ".h"}},
      // Cut alone, "…Events" + ".pc" would equal the events document's name.
      {std::string(22, 'c') + "Events",
       true,
       {std::string(22, 'c') + ".pc", std::string(22, 'c') + "Forms.pc",
        std::string(22, 'c') + "Events.pc", std::string(22, 'c') + ".h"}},
      // Never inside a character: "ö" is two bytes at 21 and 22.
      {std::string(21, 'd') + "\xC3\xB6xyz",
       true,
       {std::string(21, 'd') + ".pc", std::string(21, 'd') + "Forms.pc",
        std::string(21, 'd') + "Events.pc", std::string(21, 'd') + ".h"}},
  };
  for (const auto& c : kCases) {
    bool shortened = !c.shortened;
    const std::vector<std::string> names = DocumentNames(c.project, &shortened);
    EXPECT_EQ(names, c.names) << c.project;
    EXPECT_EQ(shortened, c.shortened) << c.project;
    for (const std::string& name : names) EXPECT_LE(name.size(), kDocumentNameLimit);
  }
}

class CodeCheckTest : public DesignerTest {
 public:
  std::string Check(const CodeCheckSettings& settings = {}) {
    std::vector<const TChildFrm*> forms;
    for (const auto& w : state.windows) forms.push_back(w.get());
    std::vector<LayoutFinding> findings;
    CheckGeneratedCode(forms, state.library, settings, findings);
    return FindingsText(findings);
  }
};

TEST_F(CodeCheckTest, PrcFieldsAndDocumentNamesAreTheProjects) {
  NewForm(kCC);
  CodeCheckSettings settings;
  settings.prc_fields = {{"CreatorID", "QLBD"}, {"AppName", "My \"App\""}, {"Version", "1.0\\"}};
  EXPECT_EQ(Check(settings),
            "error: The PRC field AppName \"My \"App\"\" holds a double quote, which ends the "
            "generated string early (a text keeps within the quotes of its string)\n"
            "error: The PRC field Version \"1.0\\\" ends in a backslash, which escapes the "
            "generated string's closing quote (a text keeps within the quotes of its string)\n");
  // The memo target has no PRC lines, but names its documents.
  settings.memo = true;
  settings.project_name = "Appointments and reminders";
  EXPECT_EQ(Check(settings),
            "warning: The project's name is too long for the converter's 31-byte document "
            "names; the documents are named \"Appointments and remin.pc\", \"Appointments and "
            "reminForms.pc\", \"Appointments and reminEvents.pc\" and \"Appointments and "
            "remin.h\" (a document name fits the converter's 31 bytes)\n");
}

// Two menus with one entry, one of them twice: a case each time it comes again.
TEST_F(CodeCheckTest, MenuEntriesOnceInTheFormsHandler) {
  TChildFrm& form = NewForm(kCC);
  PlaceMenu(form, "File").SetItems({"Open", "Save"});
  PlaceMenu(form, "Edit").SetItems({"Copy", "Open", "Copy"});
  EXPECT_EQ(Check(),
            "error: Form1: Edit: The menu entry \"Open\" of Edit is also an entry of File; the "
            "form's menu handler has two cases for it (a form's menus name each entry once)\n"
            "error: Form1: Edit: The menu entry \"Copy\" of Edit is also an entry of Edit; the "
            "form's menu handler has two cases for it (a form's menus name each entry once)\n");
}

// One finding per pair of clashing design names, however many derived names they share;
// a name the code does not hold (a non-clickable Image) clashes with nothing.
TEST_F(CodeCheckTest, DuplicatesAcrossFormsOncePerPair) {
  TChildFrm& form1 = NewForm(kCC);
  TChildFrm& form2 = NewForm(kCC);
  PlaceButton(form1.Screen(), "Ok", 10, 20);
  PlaceButton(form2.Screen(), "Ok", 10, 20);
  PlaceImage(form1.Screen(), "Logo", 10, 60).SetTag(0);  // drawn only
  PlaceImage(form2.Screen(), "Logo", 10, 60).SetTag(0);
  EXPECT_EQ(Check(),
            "error: Form2: Ok: \"Ok\" is defined twice in the generated code: by Ok on Form1 and "
            "by Ok on Form2 (every name of the generated code is defined once)\n");
}

// A PToolboxLib Radio defines one name per entry; they clash with a control so named.
TEST_F(CodeCheckTest, PtRadioEntriesAreNamesToo) {
  TChildFrm& form = NewForm(kPT);
  TControl* radio = Place(form, PaletteButton::kRadio, 10, 20);
  ASSERT_NE(radio, nullptr);
  radio->SetName("Size");
  static_cast<TCCRadio*>(radio)->SetItems({"S", "M"});
  Place(form, PaletteButton::kButton, 10, 60)->SetName("Size1");
  EXPECT_EQ(Check(),
            "error: Form1: Size1: \"Size1\" is defined twice in the generated code: by Size on "
            "Form1 and by Size1 on Form1 (every name of the generated code is defined once)\n");
}

// Without the colour code no index is written, so no colour is wrong.
TEST_F(CodeCheckTest, PaletteColoursOnlyWithTheColourCode) {
  TChildFrm& form = NewForm(kPT);
  auto* button = As<TPTButton>(Place(form, PaletteButton::kButton, 10, 20));
  ASSERT_NE(button, nullptr);
  button->SetColorFill(0x010203);
  form.Screen().SetColorFormFill(7);
  CodeCheckSettings settings;
  EXPECT_EQ(Check(settings),
            "error: Form1: Form1's ColorFormFill 7 is none of the sixteen palette colours the "
            "colour code passes (a colour the generated code passes is one of the sixteen "
            "palette colours)\n"
            "error: Form1: Button1: Button1's ColorFill 66051 is none of the sixteen palette "
            "colours the colour code passes (a colour the generated code passes is one of the "
            "sixteen palette colours)\n");
  settings.color = false;
  EXPECT_EQ(Check(settings), "");
}

}  // namespace
}  // namespace qb::test
