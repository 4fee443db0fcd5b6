// Paths where a user's forms or files used to be destroyed: each case is what a user does,
// and the check is that the work is still there afterwards.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>

#include "controls/CCButton.h"
#include "controls/PTButton.h"
#include "main_fixture.h"

namespace qb::test {
namespace {

namespace fs = std::filesystem;
using NothingLost = MainTest;

std::string FormText(const char* name, int lib, const std::string& controls = "") {
  return "[FORM]\r\nName=" + std::string(name) + "\r\nLib=" + std::to_string(lib) + "\r\n" +
         controls;
}

// A form of the other library inside a project: refused with a message naming both
// libraries; the rest opens; the form file and the project's entry survive a save.
struct OtherLibraryCase {
  const char* what;
  std::string project_prefix;  // before "[Project]"
  int project_lib;
  int form_lib;
  const char* message;
};

TEST_F(NothingLost, AFormOfTheOtherLibraryIsNotOpenedInsideAProject) {
  const OtherLibraryCase cases[] = {
      {"PToolboxLib form in a CControls project", "", 1, 2,
       " is a form of PToolboxLib, not of CControls. It was not opened."},
      {"CControls form in a PToolboxLib project", "", 2, 1,
       " is a form of CControls, not of PToolboxLib. It was not opened."},
      // The mark used to hide [Project], so Lib fell back to 1.
      {"PToolboxLib project starting with a byte-order mark", "\xEF\xBB\xBF", 2, 2, nullptr},
      {"form without Lib", "", 1, 0,
       " is a form of no library, not of CControls. It was not "
       "opened."},
  };
  for (const OtherLibraryCase& c : cases) {
    TempDir dir;
    const std::string other = dir.Path("other.qbf");
    const std::string own = dir.Path("own.qbf");
    const std::string other_text =
        c.form_lib == 0 ? "[FORM]\r\nName=Other\r\n[B1]\r\nControl=Button\r\n"
                        : FormText("Other", c.form_lib, "[B1]\r\nControl=Button\r\n");
    ASSERT_TRUE(WriteFileBytes(other, other_text));
    ASSERT_TRUE(WriteFileBytes(own, FormText("Own", c.project_lib)));
    const std::string project = dir.Path("p.qbp");
    ASSERT_TRUE(WriteFileBytes(
        project, c.project_prefix + "[Project]\r\nLib=" + std::to_string(c.project_lib) +
                     "\r\n[ActiveForms]\r\nForm0=" + other + "\r\nForm1=" + own + "\r\n"));
    // The project before was saved just now: closing it asks nothing.
    if (!main_.State().project_name.empty()) main_.Project().CloseAll();
    ui_.ClearLog();
    ui_.AnswerFile(project);
    main_.Project().OpenProject();
    EXPECT_EQ(static_cast<int>(main_.State().library), c.project_lib) << c.what;
    if (!c.message) {  // same library: both open, nothing said
      EXPECT_EQ(main_.State().windows.size(), 2u) << c.what;
      EXPECT_TRUE(ui_.Texts().empty()) << c.what;
      continue;
    }
    ASSERT_EQ(main_.State().windows.size(), 1u) << c.what;
    EXPECT_EQ(Window(0).Name(), "Own");
    EXPECT_EQ(ui_.Texts(), std::vector<std::string>{other + c.message}) << c.what;
    EXPECT_EQ(ui_.ShownLog().back().caption, "Error");

    ui_.AnswerMessage(kMbYes);  // replace own.qbf
    ASSERT_TRUE(main_.Project().SaveProject()) << c.what;
    EXPECT_EQ(ReadFileBytes(other), other_text) << c.what;
    IniFile saved;
    ASSERT_TRUE(saved.Load(project));
    std::vector<std::string> listed;
    for (const std::string& key : saved.Keys("ActiveForms"))
      listed.push_back(saved.ReadString("ActiveForms", key, ""));
    EXPECT_EQ(listed, (std::vector<std::string>{own, other})) << c.what;
  }
}

// Forms without a project: every command that closes them asks first.
struct CloseCommand {
  const char* what;
  std::function<void(TMain&)> run;
  std::function<bool(TMain&)> went_on;  // whether the command did what it does
  int dialogs;                          // the new-project dialog answered after the questions
};

const CloseCommand kCloseCommands[] = {
    {"Exit", [](TMain& m) { m.Execute(Command::kExit); },
     [](TMain& m) { return m.QuitRequested(); }, 0},
    {"Close All", [](TMain& m) { m.Execute(Command::kCloseAll); },
     [](TMain& m) { return m.State().windows.empty(); }, 0},
    {"New Project", [](TMain& m) { m.Execute(Command::kNewProject); },
     [](TMain& m) { return m.State().project_name == "Project1"; }, 1},
    {"Open Project", [](TMain& m) { m.Execute(Command::kOpenProject); },
     [](TMain& m) { return m.State().project_name == "none"; }, 0},
};

class FormsWithoutProject : public MainTest, public ::testing::WithParamInterface<CloseCommand> {
 protected:
  // Two forms, each with a button: the work that must not vanish unasked.
  void MakeForms() {
    for (int i = 0; i < 2; ++i) {
      TChildFrm& w = main_.Forms().NewForm();
      Edit(w, [&] {
        w.Screen()
            .AddChild(std::make_unique<TCCButton>(&w.Document()))
            ->SetName("Work" + std::to_string(i));
      });
    }
  }
  void ScriptCommandsOwnPrompts() {
    if (GetParam().dialogs) ui_.AnswerDialog([](DialogModel&) { return true; });
    if (std::string(GetParam().what) == "Open Project") ui_.AnswerFile(Path("none.qbp"));
  }
};

TEST_P(FormsWithoutProject, CancelKeepsTheFormsAndTheProgram) {
  MakeForms();
  ui_.AnswerMessage(kMbNo);      // Form1: not saved
  ui_.AnswerMessage(kMbCancel);  // Form2: the command is abandoned
  GetParam().run(main_);
  EXPECT_FALSE(GetParam().went_on(main_));
  ASSERT_EQ(main_.State().windows.size(), 2u);
  EXPECT_NE(Window(1).FindControl("Work1"), nullptr);
  const std::vector<std::string> expected{"Save changes to form Form1?",
                                          "Save changes to form Form2?"};
  EXPECT_EQ(ui_.Texts(), expected);
  EXPECT_EQ(ui_.ShownLog()[0].caption, "Confirm");
  EXPECT_EQ(ui_.ShownLog()[0].buttons, kMbYesNoCancel);
  EXPECT_EQ(ui_.ShownLog()[0].icon, MsgIcon::kQuestion);
  EXPECT_TRUE(ui_.AllAnswersUsed());
}

TEST_P(FormsWithoutProject, YesSavesEachFormAndNoGoesOn) {
  MakeForms();
  ui_.AnswerMessage(kMbYes);
  ui_.AnswerFile(Path("one.qbf"));
  ui_.AnswerMessage(kMbNo);
  ScriptCommandsOwnPrompts();
  GetParam().run(main_);
  EXPECT_TRUE(GetParam().went_on(main_)) << GetParam().what;
  IniFile saved;
  ASSERT_TRUE(saved.Load(Path("one.qbf")));
  EXPECT_EQ(saved.ReadString("FORM", "Name", ""), "Form1");
  EXPECT_TRUE(saved.HasSection("Work0"));
  EXPECT_FALSE(fs::exists(Path("Form2.qbf")));
  EXPECT_TRUE(ui_.AllAnswersUsed());
}

TEST_P(FormsWithoutProject, AYesWhoseSaveIsCancelledStopsTheCommand) {
  MakeForms();
  ui_.AnswerMessage(kMbYes);
  ui_.AnswerFile(std::nullopt);
  GetParam().run(main_);
  EXPECT_FALSE(GetParam().went_on(main_));
  EXPECT_EQ(main_.State().windows.size(), 2u);
  EXPECT_TRUE(ui_.AllAnswersUsed());
}

TEST_P(FormsWithoutProject, HiddenFormsAreNotAskedAbout) {
  TChildFrm& w = main_.Forms().NewForm();
  ui_.AnswerMessage(kMbNo);
  main_.Forms().CloseFormWindow(w);
  ui_.ClearLog();
  ScriptCommandsOwnPrompts();
  GetParam().run(main_);
  EXPECT_TRUE(GetParam().went_on(main_));
  EXPECT_TRUE(ui_.Texts().empty());
}

INSTANTIATE_TEST_SUITE_P(Commands, FormsWithoutProject, ::testing::ValuesIn(kCloseCommands),
                         [](const auto& info) {
                           std::string name = info.param.what;
                           std::erase(name, ' ');
                           return name;
                         });

// Files where a form is expected that are no forms: a message, no crash, no hang, and the
// project goes on opening and keeps listing them.
TEST_F(NothingLost, ProjectEntriesThatAreNotFormFilesAreReported) {
  fs::create_directory(Path("folder.qbf"));
  ASSERT_EQ(::mkfifo(Path("fifo.qbf").c_str(), 0600), 0);
  ASSERT_TRUE(WriteFileBytes(Path("a.qbf"), FormText("Alpha", 1)));
  const std::string project = Path("p.qbp");
  ASSERT_TRUE(WriteFileBytes(
      project, "[Project]\r\nLib=1\r\n[ActiveForms]\r\nForm0=" + Path("folder.qbf") + "\r\nForm1=" +
                   Path("fifo.qbf") + "\r\nForm2=/dev/zero\r\nForm3=" + Path("a.qbf") + "\r\n"));
  ui_.AnswerFile(project);
  main_.Project().OpenProject();
  ASSERT_EQ(main_.State().windows.size(), 1u);
  EXPECT_EQ(Window(0).Name(), "Alpha");
  // One message lists them all.
  EXPECT_EQ(ui_.Texts(),
            std::vector<std::string>{Path("folder.qbf") + " is not a file\n" + Path("fifo.qbf") +
                                     " is not a file\n" + "/dev/zero is not a file"});
  ui_.AnswerMessage(kMbYes);
  ASSERT_TRUE(main_.Project().SaveProject());
  IniFile saved;
  ASSERT_TRUE(saved.Load(project));
  EXPECT_EQ(saved.Keys("ActiveForms").size(), 4u);
}

TEST_F(NothingLost, OpenFormOfAFolderOrDeviceSaysSo) {
  fs::create_directory(Path("folder.qbf"));
  for (const std::string& path : {Path("folder.qbf"), std::string("/dev/zero")}) {
    ui_.ClearLog();
    ui_.AnswerFile(path);
    main_.Forms().OpenForm();
    EXPECT_TRUE(main_.State().windows.empty());
    EXPECT_EQ(ui_.Texts(), std::vector<std::string>{path + " is not a file"});
  }
}

TEST_F(NothingLost, AnOptionsFileThatIsAFolderStartsWithTheDefaults) {
  fs::create_directory(Path("program/options.ini"));
  EXPECT_NO_THROW(main_.Start());
  EXPECT_EQ(main_.State().library, GeneralSettings{}.library);
  EXPECT_TRUE(main_.Recent().Entries().empty());
}

// A form with more controls than a form holds is refused, never read in part and saved.
TEST_F(NothingLost, AFormOverTheControlCapIsRefusedAndKept) {
  struct Case {
    int controls;
    bool opens;
  };
  for (const Case& c : {Case{kMaxFormControls, true}, Case{kMaxFormControls + 1, false}}) {
    main_.State().windows.clear();
    std::string text = FormText("Big", 2);
    for (int i = 0; i < c.controls; ++i)
      text += "[B" + std::to_string(i) + "]\r\nControl=Button\r\n";
    const std::string path = Path("big.qbf");
    ASSERT_TRUE(WriteFileBytes(path, text));
    main_.State().library = LibraryId::kPToolboxLib;
    ui_.ClearLog();
    ui_.AnswerFile(path);
    main_.Forms().OpenForm();
    EXPECT_EQ(main_.State().windows.size(), c.opens ? 1u : 0u) << c.controls;
    if (c.opens) {
      EXPECT_TRUE(ui_.Texts().empty());
      continue;
    }
    EXPECT_EQ(ui_.Texts(), std::vector<std::string>{path + " holds 4097 controls; a form holds "
                                                           "at most 4096. It was not opened."});
    EXPECT_EQ(ReadFileBytes(path), text);
  }
}

// Save Form As answered No at "replace?" keeps the form where it was.
TEST_F(NothingLost, SaveFormAsAnsweredNoKeepsThePath) {
  StartProject(LibraryId::kCControls);
  ASSERT_TRUE(WriteFileBytes(Path("other.qbf"), "someone else's form"));
  ui_.AnswerFile(Path("mine.qbf"));
  main_.Forms().SaveForm();
  ASSERT_EQ(Window(0).Path(), Path("mine.qbf"));
  ui_.AnswerFile(Path("other.qbf"));
  ui_.AnswerMessage(kMbNo);
  main_.Forms().SaveFormAs();
  EXPECT_EQ(Window(0).Path(), Path("mine.qbf"));
  EXPECT_EQ(Window(0).Caption(), "mine.qbf");
  ui_.AnswerFile(Path("p.qbp"));
  ui_.AnswerMessage(kMbYes);  // replace mine.qbf
  ASSERT_TRUE(main_.Project().SaveProject());
  IniFile project;
  ASSERT_TRUE(project.Load(Path("p.qbp")));
  EXPECT_EQ(project.ReadString("ActiveForms", "Form0", ""), Path("mine.qbf"));
  EXPECT_EQ(ReadFileBytes(Path("other.qbf")), "someone else's form");
  EXPECT_TRUE(ui_.AllAnswersUsed());
}

TEST_F(NothingLost, SaveProjectAsKeepsTheGenerateSections) {
  ASSERT_TRUE(WriteFileBytes(Path("a.qbf"), FormText("Alpha", 1)));
  const std::string generate_sections =
      "[Code]\r\nOutput=/out\r\nAppName=Keep\r\n\r\n[Icons]\r\nLarge1=/icons/l1.bmp\r\n";
  ASSERT_TRUE(WriteFileBytes(Path("old.qbp"), "[Project]\r\nLib=1\r\n\r\n" + generate_sections +
                                                  "\r\n[ActiveForms]\r\nForm0=" + Path("a.qbf") +
                                                  "\r\n"));
  ui_.AnswerFile(Path("old.qbp"));
  main_.Project().OpenProject();
  ui_.AnswerFile(Path("new.qbp"));
  ui_.AnswerMessage(kMbYes);  // replace a.qbf
  ASSERT_TRUE(main_.Project().SaveProjectAs());
  IniFile saved;
  ASSERT_TRUE(saved.Load(Path("new.qbp")));
  EXPECT_EQ(saved.ReadString("Code", "Output", ""), "/out");
  EXPECT_EQ(saved.ReadString("Code", "AppName", ""), "Keep");
  EXPECT_EQ(saved.ReadString("Icons", "Large1", ""), "/icons/l1.bmp");
  EXPECT_EQ(saved.ReadString("ActiveForms", "Form0", ""), Path("a.qbf"));
  EXPECT_EQ(main_.State().project_path, Path("new.qbp"));
}

TEST_F(NothingLost, OneFileUnderTwoSpellingsLoadsOnce) {
  fs::create_directory(Path("sub"));
  ASSERT_TRUE(WriteFileBytes(Path("sub/a.qbf"), FormText("Alpha", 1)));
  fs::create_symlink(Path("sub/a.qbf"), Path("link.qbf"));
  ASSERT_TRUE(WriteFileBytes(
      Path("p.qbp"), "[Project]\r\n[ActiveForms]\r\nForm0=" + Path("sub/a.qbf") +
                         "\r\nForm1=" + Path("sub/../sub/a.qbf") + "\r\nForm2=" + Path("link.qbf") +
                         "\r\nForm3=" + Path("sub/./a.qbf") + "\r\n"));
  ui_.AnswerFile(Path("p.qbp"));
  main_.Project().OpenProject();
  EXPECT_EQ(main_.State().windows.size(), 1u);
  // Open Form on another spelling brings the same window forward.
  ui_.AnswerFile(Path("link.qbf"));
  main_.Forms().OpenForm();
  EXPECT_EQ(main_.State().windows.size(), 1u);
}

TEST_F(NothingLost, ACancelledFormSaveStopsTheProjectSave) {
  StartProject(LibraryId::kCControls);
  main_.Forms().NewForm();
  ui_.AnswerFile(Path("p.qbp"));
  ui_.AnswerFile(Path("one.qbf"));
  ui_.AnswerFile(std::nullopt);  // Form2's save dialog cancelled
  EXPECT_FALSE(main_.Project().SaveProject());
  EXPECT_FALSE(fs::exists(Path("p.qbp")));
  EXPECT_EQ(main_.State().project_path, "");
  EXPECT_TRUE(ui_.AllAnswersUsed());
}

TEST_F(NothingLost, SavingAFormKeepsItsLinkAndPermissions) {
  fs::create_directory(Path("real"));
  ASSERT_TRUE(WriteFileBytes(Path("real/a.qbf"), FormText("Alpha", 1)));
  ASSERT_EQ(::chmod(Path("real/a.qbf").c_str(), 0600), 0);
  fs::create_symlink(Path("real/a.qbf"), Path("a.qbf"));
  main_.State().library = LibraryId::kCControls;
  ui_.AnswerFile(Path("a.qbf"));
  main_.Forms().OpenForm();
  ASSERT_EQ(main_.State().windows.size(), 1u);
  Edit(Window(0), [&] {
    Window(0)
        .Screen()
        .AddChild(std::make_unique<TCCButton>(&Window(0).Document()))
        ->SetName("Added");
  });
  ui_.AnswerMessage(kMbYes);
  main_.Forms().SaveForm();
  EXPECT_TRUE(fs::is_symlink(fs::symlink_status(Path("a.qbf"))));
  IniFile saved;
  ASSERT_TRUE(saved.Load(Path("real/a.qbf")));
  EXPECT_TRUE(saved.HasSection("Added"));
  struct stat st {};
  ASSERT_EQ(::stat(Path("real/a.qbf").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
}

}  // namespace
}  // namespace qb::test
