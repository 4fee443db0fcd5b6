// quillboard-cli generate, run as the program it is: the Demo projects of the expected files
// in tests/data/codegen, saved as form and project files, generated from the command line and
// compared byte for byte; the options, the refusal to replace files, and the errors.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli_run.h"
#include "codegen/cc_demo_project.h"
#include "codegen/default_icons.h"
#include "codegen/pt_demo.h"
#include "form/form_file.h"
#include "support/fake_ui.h"
#include "support/full_disk.h"
#include "support/temp_dir.h"

namespace qb {
namespace {

namespace fs = std::filesystem;
using test::CliRun;
using test::FakeUi;
using test::Quote;
using test::ReadFileBytes;
using test::TempDir;

const std::string kCodegen = std::string(QB_TEST_DATA_DIR) + "/codegen/";

// Runs quillboard-cli generate in `cwd` with the arguments (already quoted where needed).
CliRun RunGenerate(const TempDir& logs, const std::string& cwd, const std::string& args) {
  return test::RunCli(logs, "generate " + args, cwd);
}

// The expected file with its line feeds made CRLF, as the generated files are written.
std::string Crlf(const std::string& lf_text) {
  std::string out;
  for (char ch : lf_text) {
    if (ch == '\n') out += '\r';
    out += ch;
  }
  return out;
}

const std::string kPrcLines =
    "@cid \"QLBD\";\n"
    "@name \"Application\";\n"
    "@dbname \"ApplicationDB\";\n"
    "@ver \"1.0\";\n"
    "@licon1 \"large1.bmp\";\n"
    "@sicon1 \"small1.bmp\";\n"
    "@licon2 \"large2.bmp\";\n"
    "@sicon2 \"small2.bmp\";\n"
    "@licon4 \"large4.bmp\";\n"
    "@sicon4 \"small4.bmp\";\n"
    "@licon8 \"large8.bmp\";\n"
    "@sicon8 \"small8.bmp\";\n";
const std::string kMemoLine = "//Main Demo.pc\n";

const char* const kTextFiles[] = {"Demo.pc", "DemoForms.pc", "DemoEvents.pc", "Demo.h"};
const char* const kIconFiles[] = {"large1.bmp", "small1.bmp", "large2.bmp", "small2.bmp",
                                  "large4.bmp", "small4.bmp", "large8.bmp", "small8.bmp"};

// A saved Demo project: its forms written by the library's writer, the project file listing
// them so that opening it makes the first form of the expected files the most recent window.
class SavedProject {
 public:
  SavedProject(LibraryId lib, const std::string& code_section = "") {
    FakeUi ui;
    std::vector<std::string> paths;
    if (lib == LibraryId::kCControls) {
      test::DemoProject demo = test::BuildDemoProject();
      paths.push_back(Write(lib, *demo.form1, ui));
      paths.push_back(Write(lib, *demo.form2, ui));
    } else {
      test::pt::DemoProject demo = test::pt::BuildDemoProject();
      for (auto& form : demo.forms) paths.push_back(Write(lib, *form, ui));
    }
    std::string text = "[Project]\r\nName=" + path_ +
                       "\r\nLib=" + std::to_string(static_cast<int>(lib)) + "\r\n[ActiveForms]\r\n";
    // The last form opened is the most recent window and heads the generate list.
    for (std::size_t i = paths.size(); i-- > 0;)
      text += "Form" + std::to_string(paths.size() - 1 - i) + "=" + paths[i] + "\r\n";
    text += code_section;
    test::WriteFileBytes(path_, text);
  }

  const TempDir& Dir() const { return dir_; }
  const std::string& Path() const { return path_; }
  std::string Out(const std::string& name) const { return dir_.Path("out/" + name); }

 private:
  std::string Write(LibraryId lib, TChildFrm& form, FakeUi& ui) {
    const std::string path = dir_.Path(form.Name() + ".qbf");
    EXPECT_TRUE(WriteForm(lib, form, path, ui)) << path;
    return path;
  }

  TempDir dir_;
  std::string path_ = dir_.Path("Demo.qbp");
};

struct GoldenCase {
  const char* name;
  LibraryId lib;
  std::string options;
  std::string golden_dir;  // under tests/data/codegen
  bool memo;
  // The forms text of a project read back from its files, where it differs from the one
  // generated from the project as it was built.
  std::string reread_forms = "";
};

void PrintTo(const GoldenCase& c, std::ostream* os) { *os << c.name; }

class CliGenerateGolden : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(CliGenerateGolden, WritesTheExpectedFilesWithCrlfAndTheIcons) {
  const GoldenCase& c = GetParam();
  SavedProject project(c.lib);
  const std::string project_before = ReadFileBytes(project.Path());
  const CliRun run = RunGenerate(project.Dir(), project.Dir().Root().string(),
                                 Quote(project.Path()) + " --out out " + c.options);
  ASSERT_EQ(run.status, 0) << run.err;

  for (const char* file : kTextFiles) {
    const bool reread = std::string(file) == "DemoForms.pc" && !c.reread_forms.empty();
    std::string expected =
        Crlf(ReadFileBytes(kCodegen + (reread ? c.reread_forms : c.golden_dir + "/" + file)));
    ASSERT_FALSE(expected.empty()) << file;
    if (std::string(file) == "Demo.pc") expected = Crlf(c.memo ? kMemoLine : kPrcLines) + expected;
    EXPECT_EQ(ReadFileBytes(project.Out(file)), expected) << file;
  }
  for (int i = 0; i < 8; ++i) {
    const std::string path = project.Out(kIconFiles[i]);
    if (c.memo) {
      EXPECT_FALSE(fs::exists(path)) << "a memo has no icons: " << kIconFiles[i];
    } else {
      EXPECT_EQ(ReadFileBytes(path), DefaultIconBmp(i % 2 == 0, 1 << (i / 2))) << kIconFiles[i];
    }
  }
  // The written files are listed, and the project file is left as it was.
  EXPECT_NE(run.out.find("out/DemoEvents.pc\n"), std::string::npos) << run.out;
  EXPECT_EQ(ReadFileBytes(project.Path()), project_before);
}

INSTANTIATE_TEST_SUITE_P(
    Projects, CliGenerateGolden,
    ::testing::Values(
        GoldenCase{"CControlsPde", LibraryId::kCControls, "", "cc/pde", false,
                   "cc/reread/pde/DemoForms.pc"},
        GoldenCase{"CControlsMemo", LibraryId::kCControls, "--memo", "cc/memo", true,
                   "cc/reread/memo/DemoForms.pc"},
        GoldenCase{"PToolboxColor", LibraryId::kPToolboxLib, "", "pt/demo/color", false},
        GoldenCase{"PToolboxMono", LibraryId::kPToolboxLib, "--no-color", "pt/demo/mono", false},
        GoldenCase{"PToolboxMemoColor", LibraryId::kPToolboxLib, "--memo --color",
                   "pt/demo/memo_color", true},
        GoldenCase{"PToolboxMemoMono", LibraryId::kPToolboxLib, "--no-color --memo",
                   "pt/demo/memo_mono", true}),
    [](const auto& info) { return std::string(info.param.name); });

// The project's "Code" keys stand where no option is given.
TEST(CliGenerate, ProjectCodeKeysChooseTargetColourFieldsAndFolder) {
  SavedProject project(LibraryId::kPToolboxLib,
                       "[Code]\r\nOutput=keys\r\nMemo=1\r\nColor=0\r\nCreatorID=ABCD\r\n");
  const CliRun run =
      RunGenerate(project.Dir(), project.Dir().Root().string(), Quote(project.Path()));
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string dir = project.Dir().Path("keys/");
  EXPECT_EQ(ReadFileBytes(dir + "Demo.pc"),
            Crlf(kMemoLine + ReadFileBytes(kCodegen + "pt/demo/memo_mono/Demo.pc")));
  EXPECT_FALSE(fs::exists(dir + "large1.bmp"));

  // Options override the keys: the desktop target shows the project's creator ID.
  const CliRun pde = RunGenerate(project.Dir(), project.Dir().Root().string(),
                                 Quote(project.Path()) + " --pde --out pde");
  ASSERT_EQ(pde.status, 0) << pde.err;
  const std::string main = ReadFileBytes(project.Dir().Path("pde/Demo.pc"));
  EXPECT_EQ(main.rfind("@cid \"ABCD\";\r\n@name \"Application\";\r\n", 0), 0u) << main;
  EXPECT_NE(main.find(Crlf(ReadFileBytes(kCodegen + "pt/demo/mono/Demo.pc"))), std::string::npos);
}

TEST(CliGenerate, FirstFormFromTheOptionOrTheProjectKey) {
  SavedProject project(LibraryId::kCControls, "[Code]\r\nFirstForm=form2\r\n");
  const std::string cwd = project.Dir().Root().string();
  ASSERT_EQ(RunGenerate(project.Dir(), cwd, Quote(project.Path()) + " --out key").status, 0);
  ASSERT_EQ(
      RunGenerate(project.Dir(), cwd, Quote(project.Path()) + " --out opt --first FORM2").status,
      0);
  ASSERT_EQ(
      RunGenerate(project.Dir(), cwd, Quote(project.Path()) + " --out one --first Form1").status,
      0);
  const std::string by_key = ReadFileBytes(project.Dir().Path("key/Demo.pc"));
  EXPECT_EQ(by_key, ReadFileBytes(project.Dir().Path("opt/Demo.pc")));
  EXPECT_NE(by_key, ReadFileBytes(project.Dir().Path("one/Demo.pc")));
  EXPECT_EQ(ReadFileBytes(project.Dir().Path("one/Demo.pc")),
            Crlf(kPrcLines + ReadFileBytes(kCodegen + "cc/pde/Demo.pc")));
}

TEST(CliGenerate, ExistingFilesAreReplacedOnlyWithForce) {
  SavedProject project(LibraryId::kPToolboxLib);
  const std::string cwd = project.Dir().Root().string();
  fs::create_directories(project.Out(""));
  test::WriteFileBytes(project.Out("DemoForms.pc"), "mine");
  test::WriteFileBytes(project.Out("small4.bmp"), "mine too");

  const CliRun refused = RunGenerate(project.Dir(), cwd, Quote(project.Path()) + " --out out");
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.err.find("exists already (use --force to replace it): " +
                             fs::absolute(project.Out("DemoForms.pc")).string()),
            std::string::npos)
      << refused.err;
  EXPECT_NE(refused.err.find("small4.bmp"), std::string::npos) << refused.err;
  EXPECT_EQ(ReadFileBytes(project.Out("DemoForms.pc")), "mine");
  EXPECT_FALSE(fs::exists(project.Out("Demo.pc"))) << "nothing is written when one file exists";

  const CliRun forced =
      RunGenerate(project.Dir(), cwd, Quote(project.Path()) + " --out out --force");
  ASSERT_EQ(forced.status, 0) << forced.err;
  EXPECT_EQ(ReadFileBytes(project.Out("DemoForms.pc")),
            Crlf(ReadFileBytes(kCodegen + "pt/demo/color/DemoForms.pc")));
  EXPECT_EQ(ReadFileBytes(project.Out("small4.bmp")), DefaultIconBmp(false, 4));
}

struct Failure {
  const char* name;
  std::string args;  // after "generate"; $D stands for the test's folder
  int status;
  std::string message;  // the start of the error output
};

void PrintTo(const Failure& f, std::ostream* os) { *os << f.name; }

class CliGenerateFailure : public ::testing::TestWithParam<Failure> {};

std::string Expand(std::string text, const std::string& dir) {
  for (std::size_t at; (at = text.find("$D")) != std::string::npos;) text.replace(at, 2, dir);
  return text;
}

TEST_P(CliGenerateFailure, ReportsAndWritesNothing) {
  TempDir dir;
  const std::string root = dir.Root().string();
  test::WriteFileBytes(dir.Path("gone.qbp"),
                       "[Project]\r\nLib=2\r\n[ActiveForms]\r\nForm0=" + root + "/none.qbf\r\n");
  test::WriteFileBytes(dir.Path("empty.qbp"), "[Project]\r\nLib=2\r\n");
  test::WriteFileBytes(dir.Path("Main.qbf"), "[FORM]\r\nName=Main\r\nLib=1\r\n");
  test::WriteFileBytes(dir.Path("other.qbp"),
                       "[Project]\r\nLib=2\r\n[ActiveForms]\r\nForm0=" + root + "/Main.qbf\r\n");
  test::WriteFileBytes(dir.Path("one.qbp"),
                       "[Project]\r\nLib=1\r\n[ActiveForms]\r\nForm0=" + root + "/Main.qbf\r\n");
  fs::create_directory(dir.Path("dir.qbf"));
  test::WriteFileBytes(dir.Path("folder.qbp"),
                       "[Project]\r\nLib=1\r\n[ActiveForms]\r\nForm0=" + root + "/dir.qbf\r\n");
  test::WriteFileBytes(dir.Path("notbmp.txt"), "not a bitmap");
  test::WriteFileBytes(dir.Path("icon.qbp"),
                       "[Project]\r\nLib=1\r\n[ActiveForms]\r\nForm0=" + root +
                           "/Main.qbf\r\n[Icons]\r\nSmall4=" + root + "/notbmp.txt\r\n");
  std::string big = "[FORM]\r\nName=Big\r\nLib=1\r\n";
  for (int i = 0; i <= kMaxFormControls; ++i)
    big += "[B" + std::to_string(i) + "]\r\nControl=Button\r\n";
  test::WriteFileBytes(dir.Path("Big.qbf"), big);
  test::WriteFileBytes(dir.Path("big.qbp"),
                       "[Project]\r\nLib=1\r\n[ActiveForms]\r\nForm0=" + root + "/Big.qbf\r\n");
  const CliRun run = RunGenerate(dir, root, Expand(GetParam().args, root));
  EXPECT_EQ(run.status, GetParam().status);
  const std::string message = Expand(GetParam().message, root);
  EXPECT_EQ(run.err.substr(0, message.size()), message) << run.err;
  for (const char* file : kTextFiles) EXPECT_FALSE(fs::exists(dir.Path(file))) << file;
  EXPECT_FALSE(fs::exists(dir.Path("out")));
  // Nor anything else: the folder holds what the test put there and the run's logs.
  for (const auto& entry : fs::directory_iterator(dir.Root())) {
    const std::string name = entry.path().filename().string();
    EXPECT_TRUE(name.ends_with(".qbp") || name.ends_with(".qbf") || name.ends_with(".txt")) << name;
  }
}

const std::string kUsageLine =
    "usage: quillboard-cli generate PROJECT.qbp [--out DIR] [--first FORM] [--pde | --memo] "
    "[--color | --no-color] [--force] [--no-keep-code]\n";

INSTANTIATE_TEST_SUITE_P(
    Errors, CliGenerateFailure,
    ::testing::Values(
        Failure{"NoProject", "--force", 2,
                "quillboard-cli generate: no project file given\n" + kUsageLine},
        Failure{"TwoProjects", "a.qbp b.qbp", 2,
                "quillboard-cli generate: more than one project file given\n" + kUsageLine},
        Failure{"BothTargets", "one.qbp --pde --memo", 2,
                "quillboard-cli generate: --pde and --memo exclude each other\n" + kUsageLine},
        Failure{
            "BothColours", "one.qbp --no-color --color", 2,
            "quillboard-cli generate: --color and --no-color exclude each other\n" + kUsageLine},
        Failure{"UnknownOption", "one.qbp --fast", 2,
                "quillboard-cli generate: unknown option --fast\n" + kUsageLine},
        Failure{"OutWithoutFolder", "one.qbp --out", 2,
                "quillboard-cli generate: missing value after --out\n" + kUsageLine},
        Failure{"MissingProject", "$D/none.qbp", 1,
                "quillboard-cli generate: $D/none.qbp: no such file\n"},
        Failure{"MissingForm", "gone.qbp", 1,
                "quillboard-cli generate: form file listed in the project is missing: "
                "$D/none.qbf\n"},
        Failure{"NoForms", "empty.qbp", 1,
                "quillboard-cli generate: the project lists no form to generate\n"},
        Failure{"FormOfTheOtherLibrary", "other.qbp --out out", 1,
                "quillboard-cli generate: $D/Main.qbf: is a form of library 1, not of library 2\n"},
        Failure{"UnknownFirstForm", "one.qbp --out out --first Nope", 1,
                "quillboard-cli generate: the project has no open form named \"Nope\"\n"},
        Failure{"FormIsAFolder", "folder.qbp --out out", 1,
                "quillboard-cli generate: $D/dir.qbf is not a file\n"},
        Failure{"FormOverTheControlCap", "big.qbp --out out", 1,
                "quillboard-cli generate: $D/Big.qbf holds 4097 controls; a form holds at most "
                "4096. It was not opened.\n"},
        Failure{
            "IconNotABitmap", "icon.qbp --out out --force", 1,
            "quillboard-cli: Error: $D/notbmp.txt is not a valid bitmap: the file does not start "
            "with a bitmap header\nquillboard-cli generate: generation failed; see the "
            "messages above\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CliGenerate, AWriteFailingMidwayPutsBackWhatTheRunReplaced) {
  TempDir dir;
  const std::string root = dir.Root().string();
  test::WriteFileBytes(dir.Path("Main.qbf"), "[FORM]\r\nName=Main\r\nLib=1\r\n");
  test::WriteFileBytes(dir.Path("Demo.qbp"),
                       "[Project]\r\nLib=1\r\n[ActiveForms]\r\nForm0=" + root + "/Main.qbf\r\n");
  fs::create_directory(dir.Path("out"));
  test::WriteFileBytes(dir.Path("out/Demo.pc"), "my old main text");
  // The last text cannot be written: a folder stands where it goes.
  fs::create_directory(dir.Path("out/Demo.h"));
  const CliRun run = RunGenerate(dir, root, "Demo.qbp --out out --force");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("Unable to write to " + dir.Path("out/Demo.h")), std::string::npos)
      << run.err;
  EXPECT_EQ(ReadFileBytes(dir.Path("out/Demo.pc")), "my old main text");
  EXPECT_EQ(test::FolderListing(dir.Path("out")), "Demo.h\nDemo.pc\n");
  EXPECT_EQ(run.out, "");
}

TEST(CliGenerate, ColourOptionOfACControlsProjectIsOnlyAWarning) {
  TempDir dir;
  const std::string root = dir.Root().string();
  test::WriteFileBytes(dir.Path("Main.qbf"), "[FORM]\r\nName=Main\r\nLib=1\r\n");
  test::WriteFileBytes(dir.Path("One.qbp"),
                       "[Project]\r\nLib=1\r\n[ActiveForms]\r\nForm0=" + root + "/Main.qbf\r\n");
  const CliRun run = RunGenerate(dir, root, "One.qbp --no-color");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.err.find("warning: --color and --no-color apply to PToolboxLib projects only"),
            std::string::npos)
      << run.err;
  // Written into the project's folder, given as the current folder.
  EXPECT_TRUE(fs::exists(dir.Path("One.pc")));
  EXPECT_TRUE(fs::exists(dir.Path("OneForms.pc")));
}

}  // namespace
}  // namespace qb
