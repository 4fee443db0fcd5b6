// The program's command line, its data folder and the files it opens at start-up.

#include "app/command_line.h"

#include <gtest/gtest.h>

#include "app/data_folder.h"
#include "controls/PTLabel.h"
#include "main_fixture.h"

namespace qb::test {
namespace {

namespace fs = std::filesystem;

struct LineCase {
  std::vector<std::string> args;
  StartAction action;
  std::string path;
  std::string error;
};

TEST(CommandLine, Words) {
  const LineCase cases[] = {
      {{}, StartAction::kRun, "", ""},
      {{"Demo.qbp"}, StartAction::kRun, "Demo.qbp", ""},
      {{"/p/Main Form.qbf"}, StartAction::kRun, "/p/Main Form.qbf", ""},
      {{"--help"}, StartAction::kHelp, "", ""},
      {{"-h", "Demo.qbp"}, StartAction::kHelp, "", ""},
      {{"--version"}, StartAction::kVersion, "", ""},
      {{"-v"}, StartAction::kVersion, "", ""},
      {{"--version", "--help"}, StartAction::kHelp, "", ""},
      {{"Demo.qbp", "--version"}, StartAction::kVersion, "", ""},
      {{"--", "-odd.qbf"}, StartAction::kRun, "-odd.qbf", ""},
      {{"--", "--help"}, StartAction::kRun, "--help", ""},
      {{"-"}, StartAction::kRun, "-", ""},
      {{"--open"}, StartAction::kError, "", "unknown option --open"},
      {{"-platform", "xcb"}, StartAction::kError, "", "unknown option -platform"},
      {{"a.qbp", "b.qbp"}, StartAction::kError, "", "only one file can be opened"},
      {{""}, StartAction::kError, "", "empty file name"},
  };
  for (const LineCase& c : cases) {
    const StartRequest r = ParseCommandLine(c.args);
    std::string shown;
    for (const std::string& a : c.args) shown += "[" + a + "]";
    EXPECT_EQ(r.action, c.action) << shown;
    EXPECT_EQ(r.path, c.path) << shown;
    EXPECT_EQ(r.error, c.error) << shown;
  }
}

TEST(CommandLine, ToolkitOptionsAreKnown) {
  const std::pair<const char*, bool> cases[] = {
      {"-platform", true}, {"--platform", true}, {"-style=fusion", true}, {"--reverse", true},
      {"-display", true},  {"--open", false},    {"-x", false},           {"platform", false},
      {"", false},         {"-", false},         {"--", false},
  };
  for (const auto& [arg, known] : cases) EXPECT_EQ(IsToolkitOption(arg), known) << arg;
  EXPECT_EQ(ParseCommandLine({"--open"}).error_arg, "--open");
}

TEST(CommandLine, Texts) {
  EXPECT_EQ(VersionText(), "Quillboard 1.21\n");
  EXPECT_EQ(UsageText().rfind("Usage: quillboard [PROJECT.qbp | FORM.qbf]\n", 0), 0u);
  EXPECT_NE(UsageText().find("--version"), std::string::npos);
  EXPECT_EQ(CommandLineErrorText("unknown option -x"),
            "quillboard: unknown option -x\nTry 'quillboard --help' for more information.\n");
}

TEST(CommandLine, ProjectFilesByExtension) {
  const std::pair<const char*, bool> cases[] = {
      {"a.qbp", true}, {"/x/A.QBP", true},   {"a.qbf", false},
      {"qbp", false},  {"a.qbp.bak", false}, {"/x.qbp/a.qbf", false},
  };
  for (const auto& [path, project] : cases) EXPECT_EQ(NamesProjectFile(path), project) << path;
}

TEST(DataFolder, InstalledProgramsUseTheirShareFolder) {
  TempDir dir;
  fs::create_directories(dir.Path("usr/bin"));
  fs::create_directories(dir.Path("usr/share/quillboard"));
  fs::create_directories(dir.Path("build/bin"));
  fs::create_directories(dir.Path("opt/tool"));
  fs::create_directories(dir.Path("opt/share/quillboard"));
  EXPECT_EQ(DataFolderFor(dir.Path("usr/bin")), dir.Path("usr/share/quillboard"));
  EXPECT_EQ(DataFolderFor(dir.Path("usr/bin") + "/"), dir.Path("usr/share/quillboard"));
  // A build folder keeps everything beside the program.
  EXPECT_EQ(DataFolderFor(dir.Path("build/bin")), dir.Path("build/bin"));
  // Only a bin folder is an installed program's.
  EXPECT_EQ(DataFolderFor(dir.Path("opt/tool")), dir.Path("opt/tool"));
  EXPECT_EQ(ManualPath("/usr/share/quillboard"), "/usr/share/quillboard/manual/index.html");
}

using StartFile = MainTest;

TEST_F(StartFile, AProjectOpensAsOpenProjectDoes) {
  StartProject(LibraryId::kPToolboxLib);
  Edit(Window(0), [&] {
    auto* label = Window(0).Screen().AddChild(std::make_unique<TPTLabel>(&Window(0).Document()));
    label->SetName("Hello");
  });
  ui_.AnswerFile(Path("p.qbp"));
  ui_.AnswerFile(Path("f.qbf"));
  ASSERT_TRUE(main_.Project().SaveProject());
  main_.Project().CloseAll();  // just saved: nothing to ask about
  main_.State().library = LibraryId::kCControls;

  main_.Project().OpenPath(Path("p.qbp"));
  ASSERT_EQ(main_.State().windows.size(), 1u);
  EXPECT_NE(Window(0).FindControl("Hello"), nullptr);
  EXPECT_EQ(main_.State().library, LibraryId::kPToolboxLib);
  EXPECT_EQ(main_.Caption(), "Quillboard 1.21 - p");
  EXPECT_EQ(main_.Recent().Entries(), std::vector<std::string>{Path("p.qbp")});
  EXPECT_TRUE(ui_.AllAnswersUsed());
}

TEST_F(StartFile, AFormOpensAsOpenFormDoesWithItsMessage) {
  StartProject(LibraryId::kPToolboxLib);
  ui_.AnswerFile(Path("f.qbf"));
  main_.Forms().SaveForm();
  ASSERT_TRUE(fs::exists(Path("f.qbf")));
  ui_.AnswerMessage(kMbNo);
  main_.Project().CloseAll();

  const std::size_t before = ui_.ShownLog().size();
  main_.Project().OpenPath(Path("f.qbf"));
  ASSERT_EQ(main_.State().windows.size(), 1u);
  EXPECT_EQ(Window(0).Name(), "Form1");
  EXPECT_EQ(ui_.ShownLog().size(), before);

  ui_.AnswerMessage(kMbNo);
  main_.Project().CloseAll();
  main_.State().library = LibraryId::kCControls;
  const std::size_t shown = ui_.ShownLog().size();
  main_.Project().OpenPath(Path("f.qbf"));
  EXPECT_TRUE(main_.State().windows.empty());
  ASSERT_EQ(ui_.ShownLog().size(), shown + 1);
  EXPECT_EQ(ui_.ShownLog().back().caption, "Error");
  EXPECT_EQ(ui_.ShownLog().back().text, Path("f.qbf") + " format is not of the current library");
}

TEST_F(StartFile, ARelativePathIsTakenFromTheCurrentFolder) {
  StartProject(LibraryId::kPToolboxLib);
  ui_.AnswerFile(Path("p.qbp"));
  ui_.AnswerFile(Path("f.qbf"));
  ASSERT_TRUE(main_.Project().SaveProject());
  ui_.AnswerMessage(kMbNo);
  main_.Project().CloseAll();

  const fs::path before = fs::current_path();
  fs::current_path(dir_.Root());
  main_.Project().OpenPath("./p.qbp");
  fs::current_path(before);
  EXPECT_EQ(main_.State().project_path, Path("p.qbp"));
  EXPECT_EQ(main_.Recent().Entries(), std::vector<std::string>{Path("p.qbp")});
  EXPECT_EQ(main_.State().windows.size(), 1u);
}

TEST_F(StartFile, MissingFilesAndFoldersAreReported) {
  for (const std::string& path : {Path("none.qbp"), Path("none.qbf"), Path("program")}) {
    const std::size_t shown = ui_.ShownLog().size();
    main_.Project().OpenPath(path);
    ASSERT_EQ(ui_.ShownLog().size(), shown + 1) << path;
    EXPECT_EQ(ui_.ShownLog().back().caption, "Error");
    EXPECT_EQ(ui_.ShownLog().back().icon, MsgIcon::kError);
    EXPECT_EQ(ui_.ShownLog().back().text, path + " not found");
    EXPECT_TRUE(main_.State().windows.empty());
    EXPECT_TRUE(main_.Recent().Empty());
  }
}

TEST_F(StartFile, AMissingManualIsNamed) {
  main_.Execute(Command::kHelpContents);
  EXPECT_TRUE(ui_.help_.empty());
  ASSERT_EQ(ui_.ShownLog().size(), 1u);
  EXPECT_EQ(ui_.ShownLog()[0].caption, "Error");
  EXPECT_EQ(ui_.ShownLog()[0].text,
            "The manual was not found: " + Path("program/manual/index.html"));
}

}  // namespace
}  // namespace qb::test
