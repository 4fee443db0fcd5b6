// quillboard-cli check, run as the program it is: projects built by placing controls as the
// designer does, saved with the library's writer, checked from the command line; the output is
// compared byte for byte with the check run here over the same forms, and the exit statuses.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "cli_run.h"
#include "codegen/layout_check.h"
#include "controls/CCButton.h"
#include "controls/CCLabel.h"
#include "controls/PTList.h"
#include "controls/font_registry.h"
#include "designer/designer_fixture.h"
#include "form/form_file.h"
#include "support/temp_dir.h"

namespace qb::test {
namespace {

namespace fs = std::filesystem;

CliRun RunCheck(const TempDir& dir, const std::string& args) {
  return RunCli(dir, "check " + args, dir.Path(""));
}

using B = PaletteButton;

class CliCheckTest : public DesignerTest {
 protected:
  CliCheckTest() { fonts.LoadPalmFonts(QB_BIN_DIR, ui); }

  TControl& Put(TChildFrm& form, B button, int x, int y) {
    TControl* placed = Place(form, button, x, y);
    EXPECT_NE(placed, nullptr);
    return *placed;
  }

  // Saves every form and a project file listing them in creation order.
  std::string Save(const std::string& project = "Check.qbp") {
    const int lib = static_cast<int>(state.library);
    std::string text = "[Project]\r\nName=" + dir.Path(project) + "\r\nLib=" + std::to_string(lib) +
                       "\r\n[ActiveForms]\r\n";
    int n = 0;
    for (const auto& form : state.windows) {
      const std::string path = dir.Path(form->Name() + ".qbf");
      EXPECT_TRUE(WriteForm(state.library, *form, path, ui)) << path;
      text += "Form" + std::to_string(n++) + "=" + path + "\r\n";
    }
    WriteFileBytes(dir.Path(project), text);
    return project;
  }

  std::vector<LayoutFinding> CheckHere() {
    return CheckLayout(FormsToCheck(state), state.library, fonts);
  }

  // Two CControls forms: a dangling ShowForm (error), a label cut off and two overlapping
  // buttons (warnings), a name clash across the forms (error).
  void BuildFaultyCControls() {
    TChildFrm& form1 = NewForm(LibraryId::kCControls);
    TChildFrm& form2 = NewForm(LibraryId::kCControls);
    As<TCCButton>(&Put(form1, B::kButton, 10, 20))->SetShowForm("Form3");
    As<TCCLabel>(&Put(form1, B::kLabel, 10, 40))->SetContent("A caption far too long");
    TControl& over = Put(form1, B::kButton, 80, 80);
    over.SetUserLeft(30);
    over.SetUserTop(25);
    Put(form2, B::kButton, 127, 20).SetName("BUTTON1");
  }

  TempDir dir;
  FontRegistry fonts;
};

TEST_F(CliCheckTest, TextAndJsonAreTheFindingsOfTheForms) {
  BuildFaultyCControls();
  const std::string project = Save();
  const auto findings = CheckHere();
  ASSERT_EQ(findings.size(), 5u) << FindingsText(findings);

  const CliRun text = RunCheck(dir, project);
  EXPECT_EQ(text.status, 1) << text.err;
  EXPECT_EQ(text.out, FindingsText(findings));
  EXPECT_EQ(text.err, "");
  // What does not depend on the faces' widths, spelled out.
  for (const char* line : {
           "error: Form1: Button1: Button1's ShowForm names \"Form3\", which is no open form or "
           "dialog (ShowForm names an open form or dialog)\n",
           "warning: Form1: Button3: Button3 overlaps Button1 by 18 x 7 pixels (controls on one "
           "panel do not overlap)\n",
           "warning: Form2: BUTTON1: BUTTON1 lies 5 pixels outside the screen at the right "
           "(controls lie wholly on the screen)\n",
           "error: Form2: BUTTON1: BUTTON1 differs from Button1 on Form1 only in letter case "
           "(names differ by more than letter case)\n",
       })
    EXPECT_NE(text.out.find(line), std::string::npos) << line << "\nin\n" << text.out;
  EXPECT_NE(text.out.find("warning: Form1: Label2: Label2's text \"A caption far too long\" is "),
            std::string::npos)
      << text.out;

  const CliRun json = RunCheck(dir, project + " --format json");
  EXPECT_EQ(json.status, 1) << json.err;
  EXPECT_EQ(json.out, FindingsJson(findings));
  EXPECT_NE(json.out.find("  {\"severity\": \"error\", \"form\": \"Form1\", \"control\": "
                          "\"Button1\", \"message\": \"Button1's ShowForm names \\\"Form3\\\", "
                          "which is no open form or dialog\", \"rule\": \"ShowForm names an open "
                          "form or dialog\"},\n"),
            std::string::npos)
      << json.out;

  const CliRun text_again = RunCheck(dir, "--format text " + project);
  EXPECT_EQ(text_again.out, text.out);
}

TEST_F(CliCheckTest, CleanProjectExitsZero) {
  TChildFrm& form1 = NewForm(LibraryId::kPToolboxLib);
  Put(form1, B::kButton, 10, 20);
  Put(form1, B::kPopTrigger, 10, 60);
  As<TPTList>(&Put(form1, B::kListBox, 60, 60))->SetTrigger("Pop2");
  const std::string project = Save();
  ASSERT_TRUE(CheckHere().empty()) << FindingsText(CheckHere());

  const CliRun text = RunCheck(dir, project);
  EXPECT_EQ(text.status, 0) << text.err;
  EXPECT_EQ(text.out, "");
  const CliRun json = RunCheck(dir, project + " --format json");
  EXPECT_EQ(json.status, 0) << json.err;
  EXPECT_EQ(json.out, "[]\n");
}

TEST_F(CliCheckTest, WarningsAloneExitZero) {
  TChildFrm& form1 = NewForm(LibraryId::kPToolboxLib);
  Put(form1, B::kButton, 127, 20);
  const std::string project = Save();
  const CliRun run = RunCheck(dir, project);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "warning: Form1: Button1: Button1 lies 9 pixels outside the screen at the right "
            "(controls lie wholly on the screen)\n");
}

TEST_F(CliCheckTest, AFormTheProjectListsIsMissing) {
  NewForm(LibraryId::kCControls);
  const std::string project = Save();
  fs::remove(dir.Path("Form1.qbf"));
  const CliRun run = RunCheck(dir, project);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "quillboard-cli check: form file listed in the project is missing: " +
                         dir.Path("Form1.qbf") + "\n");
}

// Text that is no project is refused with the designer's own words.
TEST_F(CliCheckTest, TextThatIsNoProject) {
  WriteFileBytes(dir.Path("Notes.qbp"), "just some notes\n");
  const CliRun run = RunCheck(dir, "Notes.qbp");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err,
            "quillboard-cli check: Notes.qbp is not a Quillboard project: it has no "
            "[Project] section.\n");
}

// A project without forms: nothing to check is a failure.
TEST_F(CliCheckTest, NoFormsToCheck) {
  WriteFileBytes(dir.Path("Empty.qbp"), "[Project]\r\nLib=1\r\n");
  const CliRun run = RunCheck(dir, "Empty.qbp");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "quillboard-cli check: the project lists no form to check\n");
}

struct UsageCase {
  const char* label;
  std::string args;
  std::string first_err_line;
};

void PrintTo(const UsageCase& c, std::ostream* os) { *os << c.label; }

class CliCheckUsage : public ::testing::TestWithParam<UsageCase> {};

TEST_P(CliCheckUsage, WrongCommandLineExitsTwo) {
  TempDir dir;
  WriteFileBytes(dir.Path("P.qbp"), "[Project]\r\nLib=1\r\n[ActiveForms]\r\n");
  fs::create_directory(dir.Path("Folder.qbp"));
  const CliRun run = RunCheck(dir, GetParam().args);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err.substr(0, run.err.find('\n') + 1),
            "quillboard-cli check: " + GetParam().first_err_line + "\n");
  EXPECT_NE(run.err.find("usage: quillboard-cli check PROJECT.qbp [--format text|json]"),
            std::string::npos)
      << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliCheckUsage,
    ::testing::Values(
        UsageCase{"NoProject", "", "no project file given"},
        UsageCase{"UnknownOption", "P.qbp --strict", "unknown option --strict"},
        UsageCase{"BadFormat", "P.qbp --format xml", "--format must be text or json, not xml"},
        UsageCase{"FormatWithoutValue", "P.qbp --format", "missing value after --format"},
        UsageCase{"TwoFormats", "P.qbp --format json --format text", "--format given twice"},
        UsageCase{"TwoProjects", "P.qbp Q.qbp", "more than one project file given"},
        UsageCase{"MissingProject", "Gone.qbp", "Gone.qbp does not exist"},
        UsageCase{"FolderAsProject", "Folder.qbp", "Folder.qbp is not a file"}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace qb::test
