// The generate dialog's outputs: Save for the desktop compiler, Save DOC through the
// converter, the icon choosers, Copy and Exit.

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "codegen/default_icons.h"
#include "codegen/frmGenerateCode.h"
#include "codegen/generate_fixture.h"
#include "model/ini_file.h"

namespace fs = std::filesystem;

namespace qb {
namespace {

using Lines = std::vector<std::string>;
using test::GenerateTest;
using test::ReadFileBytes;
using test::WriteFileBytes;

const Lines kSourceFiles = {"Demo.pc", "DemoForms.pc", "DemoEvents.pc", "Demo.h"};
const Lines kIconFiles = {"large1.bmp", "small1.bmp", "large2.bmp", "small2.bmp",
                          "large4.bmp", "small4.bmp", "large8.bmp", "small8.bmp"};
const char kCControlsMissing[] =
    "CControls library not found at project source path. You must copy it before compile.";
const char kFctlMissing[] =
    "PToolboxLib header file Fctl.h not found at project source path. You must copy it before "
    "compile.";

class SaveTest : public GenerateTest {
 protected:
  // Two empty forms, Form2 activated last, Form1 chosen as first form, output into out/.
  void Prepare(const std::string& code_keys = "") {
    AddForm("Form2", "Second");
    AddForm("Form1", "First");
    WriteProject("[Code]\r\nFirstForm=Form1\r\nOutput=" + Out("") + "\r\n" + code_keys);
    Show();
  }
  std::string Out(const std::string& name) const {
    return (fs::path(dir_.Path("out")) / name).string();
  }
  void ExpectLibraryWarning(const char* text) {
    ASSERT_FALSE(ui_.ShownLog().empty());
    const test::Shown& last = ui_.ShownLog().back();
    EXPECT_EQ(last.caption, "Warning");
    EXPECT_EQ(last.text, text);
    EXPECT_EQ(last.icon, MsgIcon::kWarning);
    EXPECT_EQ(last.buttons, kMbOk);
  }
};

// ---- Save ----------------------------------------------------------------------------------

TEST_F(SaveTest, WritesTheFourTextsWithCrlfAndTheEightIconsByteForByte) {
  Prepare();
  dialog_.Generate();
  dialog_.Save();
  for (const std::string& name : kSourceFiles)
    EXPECT_EQ(ReadFileBytes(Out(name)), Expected("pde/" + name)) << name;
  for (int i = 0; i < kIconCount; ++i) {
    const IconSlot& slot = kIconSlots[static_cast<std::size_t>(i)];
    EXPECT_EQ(ReadFileBytes(Out(kIconFiles[static_cast<std::size_t>(i)])),
              DefaultIconBmp(slot.large, slot.depth))
        << kIconFiles[static_cast<std::size_t>(i)];
  }
  ExpectLibraryWarning(kCControlsMissing);
  EXPECT_EQ(ui_.ShownLog().size(), 1u);
}

TEST_F(SaveTest, MissingOutputFoldersAreCreated) {
  Prepare();
  dialog_.SetOutputFolder(Out("a/b/c"));
  dialog_.Generate();
  dialog_.Save();
  EXPECT_EQ(ReadFileBytes(Out("a/b/c/Demo.h")), Expected("pde/Demo.h"));
  EXPECT_TRUE(fs::exists(Out("a/b/c/small8.bmp")));
}

TEST_F(SaveTest, FolderTextWithATrailingSeparatorGetsNoSecondOne) {
  Prepare();
  dialog_.SetOutputFolder(Out("") + "/");
  dialog_.Generate();
  dialog_.Save();
  EXPECT_TRUE(fs::exists(Out("Demo.pc")));
}

TEST_F(SaveTest, EmptyOutputFolderWritesBareNamesIntoTheCurrentFolder) {
  Prepare();
  dialog_.SetOutputFolder("");
  dialog_.Generate();
  fs::create_directories(dir_.Path("here"));
  {
    test::CurrentFolder here(dir_.Path("here"));
    dialog_.Save();
  }
  const fs::path here = dir_.Path("here");
  for (const std::string& name : kSourceFiles) EXPECT_TRUE(fs::exists(here / name)) << name;
  for (const std::string& name : kIconFiles) EXPECT_TRUE(fs::exists(here / name)) << name;
  EXPECT_FALSE(fs::exists(Out("Demo.pc")));
}

TEST_F(SaveTest, OverwriteQuestionYesNoCancel) {
  Prepare();
  dialog_.Generate();
  fs::create_directories(Out(""));
  for (const std::string& name : kSourceFiles) ASSERT_TRUE(WriteFileBytes(Out(name), "old"));
  ui_.AnswerMessage(kMbYes);
  ui_.AnswerMessage(kMbNo);
  ui_.AnswerMessage(kMbCancel);
  dialog_.Save();
  EXPECT_EQ(ReadFileBytes(Out("Demo.pc")), Expected("pde/Demo.pc"));
  EXPECT_EQ(ReadFileBytes(Out("DemoForms.pc")), "old");
  EXPECT_EQ(ReadFileBytes(Out("DemoEvents.pc")), "old");
  EXPECT_EQ(ReadFileBytes(Out("Demo.h")), "old");
  // Cancel ends everything: no icons and no library check.
  for (const std::string& name : kIconFiles) EXPECT_FALSE(fs::exists(Out(name))) << name;
  ASSERT_EQ(ui_.ShownLog().size(), 3u);
  const Lines asked = {"Demo.pc", "DemoForms.pc", "DemoEvents.pc"};
  for (std::size_t i = 0; i < 3; ++i) {
    const test::Shown& q = ui_.ShownLog()[i];
    EXPECT_EQ(q.caption, "Warning");
    EXPECT_EQ(q.text, Out(asked[i]) + " already exists. Do you want to replace it?");
    EXPECT_EQ(q.icon, MsgIcon::kWarning);
    EXPECT_EQ(q.buttons, kMbYesNoCancel);
    EXPECT_EQ(q.default_button, kMbYes);
  }
  EXPECT_TRUE(ui_.AllAnswersUsed());
}

TEST_F(SaveTest, NoSkipsOnlyThatFile) {
  Prepare();
  dialog_.Generate();
  fs::create_directories(Out(""));
  ASSERT_TRUE(WriteFileBytes(Out("DemoEvents.pc"), "old"));
  ui_.AnswerMessage(kMbNo);
  dialog_.Save();
  EXPECT_EQ(ReadFileBytes(Out("DemoEvents.pc")), "old");
  EXPECT_EQ(ReadFileBytes(Out("Demo.h")), Expected("pde/Demo.h"));
  EXPECT_TRUE(fs::exists(Out("small8.bmp")));
  ExpectLibraryWarning(kCControlsMissing);
}

TEST_F(SaveTest, IconsAreReplacedWithoutAsking) {
  Prepare();
  dialog_.Generate();
  fs::create_directories(Out(""));
  ASSERT_TRUE(WriteFileBytes(Out("large1.bmp"), "old"));
  ASSERT_TRUE(WriteFileBytes(Out("CControls.c"), "lib"));
  dialog_.Save();
  EXPECT_EQ(ReadFileBytes(Out("large1.bmp")), DefaultIconBmp(true, 1));
  EXPECT_TRUE(ui_.ShownLog().empty());
}

struct LibraryFile {
  LibraryId library;
  const char* present;  // nullptr: none
  const char* warning;  // nullptr: none
};

class LibraryCheck : public SaveTest, public ::testing::WithParamInterface<LibraryFile> {};

TEST_P(LibraryCheck, LooksForTheLibraryInAnyCase) {
  AddForm("Form1", "First");
  WriteProject("[Code]\r\nOutput=" + Out("") + "\r\n");
  Show(GetParam().library);
  dialog_.Generate();
  fs::create_directories(Out(""));
  if (GetParam().present) {
    ASSERT_TRUE(WriteFileBytes(Out(GetParam().present), ""));
  }
  dialog_.Save();
  if (GetParam().warning) {
    ExpectLibraryWarning(GetParam().warning);
  } else {
    EXPECT_TRUE(ui_.ShownLog().empty());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Libraries, LibraryCheck,
    ::testing::Values(LibraryFile{LibraryId::kCControls, nullptr, kCControlsMissing},
                      LibraryFile{LibraryId::kCControls, "ccontrols.C", nullptr},
                      LibraryFile{LibraryId::kCControls, "fctl.h", kCControlsMissing},
                      LibraryFile{LibraryId::kPToolboxLib, nullptr, kFctlMissing},
                      LibraryFile{LibraryId::kPToolboxLib, "FCTL.H", nullptr},
                      LibraryFile{LibraryId::kPToolboxLib, "Fctl.h", nullptr},
                      LibraryFile{LibraryId::kPToolboxLib, "CControls.c", kFctlMissing}));

TEST_F(SaveTest, AFolderNamedLikeTheLibraryDoesNotCount) {
  Prepare();
  dialog_.Generate();
  fs::create_directories(Out("CControls.c"));
  dialog_.Save();
  ExpectLibraryWarning(kCControlsMissing);
}

TEST_F(SaveTest, EditsInTheTextAreasAreSaved) {
  Prepare();
  dialog_.Generate();
  dialog_.Area(CodeText::kHeader).SetText("edited\nby hand");
  dialog_.Save();
  EXPECT_EQ(ReadFileBytes(Out("Demo.h")), "edited\r\nby hand\r\n");
}

TEST_F(SaveTest, AfterSwitchingTargetsSavingWritesEmptyFiles) {
  Prepare();
  dialog_.Generate();
  dialog_.ClickTarget(GenerateTarget::kMemo);
  dialog_.ClickTarget(GenerateTarget::kPde);
  ASSERT_TRUE(dialog_.SaveEnabled());
  dialog_.Save();
  for (const std::string& name : kSourceFiles) {
    EXPECT_TRUE(fs::exists(Out(name))) << name;
    EXPECT_EQ(ReadFileBytes(Out(name)), "") << name;
  }
}

TEST_F(SaveTest, UnwritableFolderIsReportedAndNothingElseHappens) {
  Prepare();
  dialog_.Generate();
  ASSERT_TRUE(WriteFileBytes(dir_.Path("out"), "a file where the folder should be"));
  dialog_.Save();
  EXPECT_EQ(ui_.Texts(), (Lines{"Unable to write to " + dir_.Path("out") + "/"}));
  EXPECT_EQ(ui_.ShownLog()[0].caption, "Error");
}

TEST_F(SaveTest, UnwritableFileStopsTheSave) {
  Prepare();
  dialog_.Generate();
  fs::create_directories(Out("DemoForms.pc"));  // a folder cannot be written as a file
  dialog_.Save();
  // A folder is no file to replace: no question, only the failure.
  EXPECT_EQ(ui_.Texts(), (Lines{"Unable to write to " + Out("DemoForms.pc")}));
  EXPECT_TRUE(fs::is_directory(Out("DemoForms.pc")));
  EXPECT_TRUE(fs::exists(Out("Demo.pc")));
  EXPECT_FALSE(fs::exists(Out("Demo.h")));
  EXPECT_FALSE(fs::exists(Out("large1.bmp")));
}

// ---- Icons chosen by the user --------------------------------------------------------------

TEST_F(SaveTest, ChosenIconIsKeptAndWrittenByteForByte) {
  Prepare();
  const std::string tiny = Expected("icons/tiny.bmp");
  ASSERT_TRUE(WriteFileBytes(InProject("tiny.bmp"), tiny));
  ui_.AnswerFile(InProject("tiny.bmp"));
  dialog_.ClickIcon(5);
  ASSERT_EQ(ui_.ShownLog().size(), 1u);
  EXPECT_EQ(ui_.ShownLog()[0].what, "picture");
  EXPECT_EQ(ui_.ShownLog()[0].caption, "Open 4 bit small icon");
  EXPECT_EQ(dialog_.Icon(5).bytes, tiny);
  IniFile ini;
  ASSERT_TRUE(ini.Load(project_path_));
  EXPECT_EQ(ini.ReadString("Icons", "Small4", ""), InProject("tiny.bmp"));
  EXPECT_FALSE(ini.HasKey("Icons", "Large4"));

  dialog_.Generate();
  const Lines main = LinesOf(CodeText::kMain);
  EXPECT_EQ(std::count(main.begin(), main.end(), "@sicon4 \"small4.bmp\";"), 1);
  fs::create_directories(Out(""));
  ASSERT_TRUE(WriteFileBytes(Out("CControls.c"), ""));
  dialog_.Save();
  EXPECT_EQ(ReadFileBytes(Out("small4.bmp")), tiny);
}

TEST_F(SaveTest, EveryIconHasItsChooserTitle) {
  Prepare();
  const Lines titles = {"Open 1 bit large icon", "Open 1 bit small icon", "Open 2 bit large icon",
                        "Open 2 bit small icon", "Open 4 bit large icon", "Open 4 bit small icon",
                        "Open 8 bit large icon", "Open 8 bit small icon"};
  const Lines images = {"imgLarge1", "imgSmall1", "imgLarge2", "imgSmall2",
                        "imgLarge4", "imgSmall4", "imgLarge8", "imgSmall8"};
  for (int i = 0; i < kIconCount; ++i) {
    ui_.AnswerFile(std::nullopt);
    dialog_.ClickIcon(i);
    EXPECT_EQ(ui_.ShownLog().back().caption, titles[static_cast<std::size_t>(i)]);
    EXPECT_EQ(kIconSlots[static_cast<std::size_t>(i)].image, images[static_cast<std::size_t>(i)]);
  }
  IniFile ini;
  ASSERT_TRUE(ini.Load(project_path_));
  EXPECT_FALSE(ini.HasSection("Icons"));
}

TEST_F(SaveTest, UnreadableChosenIconKeepsThePreviousPicture) {
  Prepare();
  std::string truncated = DefaultIconBmp(true, 8).substr(0, 600);
  ASSERT_TRUE(WriteFileBytes(InProject("cut.bmp"), truncated));
  ui_.AnswerFile(InProject("cut.bmp"));
  dialog_.ClickIcon(6);
  EXPECT_EQ(dialog_.Icon(6).bytes, DefaultIconBmp(true, 8));
  EXPECT_EQ(ui_.Texts(), (Lines{InProject("cut.bmp") +
                                " is not a valid bitmap: the bitmap's pixels lie beyond the end "
                                "of the file"}));
  IniFile ini;
  ASSERT_TRUE(ini.Load(project_path_));
  EXPECT_FALSE(ini.HasKey("Icons", "Large8"));
}

TEST_F(SaveTest, ChosenFolderInsteadOfAFileIsReported) {
  Prepare();
  ui_.AnswerFile(project_dir_);
  dialog_.ClickIcon(0);
  EXPECT_EQ(ui_.Texts(), (Lines{"Unable to read " + project_dir_}));
  EXPECT_EQ(dialog_.Icon(0).bytes, DefaultIconBmp(true, 1));
}

// ---- Save DOC ------------------------------------------------------------------------------

class SaveDocTest : public SaveTest {
 protected:
  // The fake converter writes the database its parameters name (the word ending in ".pdb")
  // into its working folder, unless a test makes it fail.
  SaveDocTest() {
    ui_.run_program_ = [](const test::FakeUi::Started& run) {
      std::istringstream words(run.parameters);
      for (std::string word; words >> word;)
        if (word.size() > 4 && word.compare(word.size() - 4, 4, ".pdb") == 0)
          WriteFileBytes((fs::path(run.working_dir) / word).string(), "database");
      return ProgramRun{true, 0, ""};
    };
  }
  void Prepare() { SaveTest::Prepare("Memo=1\r\n"); }
};

TEST_F(SaveDocTest, MissingConverterIsAnErrorAndNothingStarts) {
  Prepare();
  dialog_.Generate();
  dialog_.SaveDoc();
  ASSERT_EQ(ui_.ShownLog().size(), 1u);
  EXPECT_EQ(ui_.ShownLog()[0].caption, "Error");
  EXPECT_EQ(ui_.ShownLog()[0].icon, MsgIcon::kError);
  EXPECT_EQ(ui_.ShownLog()[0].text, "makedoc.exe not found. It must be in " + program_dir_ +
                                        " directory. Please check the installation");
  EXPECT_TRUE(ui_.started_.empty());
}

TEST_F(SaveDocTest, StartsTheConverterFourTimesInTheOutputFolderAndSaysWhere) {
  Prepare();
  InstallConverter();
  dialog_.Generate();
  dialog_.SaveDoc();
  ASSERT_EQ(ui_.started_.size(), 4u);
  const std::string texts = program_dir_ + "/";
  const Lines parameters = {"\"" + texts + "temp001.txt\" Demo.pdb \"Demo.pc\"",
                            "\"" + texts + "temp002.txt\" DemoForms.pdb \"DemoForms.pc\"",
                            "\"" + texts + "temp003.txt\" DemoEvents.pdb \"DemoEvents.pc\"",
                            "\"" + texts + "temp004.txt\" DemoH.pdb \"Demo.h\""};
  const std::string out = dir_.Path("out");
  EXPECT_TRUE(fs::is_directory(out));  // made for the converter
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(ui_.started_[i].program, InProgram("makedoc.exe"));
    EXPECT_EQ(ui_.started_[i].parameters, parameters[i]);
    EXPECT_EQ(ui_.started_[i].working_dir, out);
  }
  ASSERT_EQ(ui_.ShownLog().size(), 1u);
  EXPECT_EQ(ui_.ShownLog()[0].caption, "Save DOC");
  EXPECT_EQ(ui_.ShownLog()[0].icon, MsgIcon::kInformation);
  EXPECT_EQ(ui_.ShownLog()[0].text,
            "DOC files Demo.pdb, DemoForms.pdb, DemoEvents.pdb and DemoH.pdb created in " + out);
}

TEST_F(SaveDocTest, TextsInTheOutputFolderAreNamedAsTheConverterKnowsThem) {
  AddForm("Form1", "First");
  WriteProject("[Code]\r\nMemo=1\r\nOutput=" + program_dir_ + "\r\n");
  Show();
  InstallConverter();
  dialog_.Generate();
  dialog_.SaveDoc();
  ASSERT_EQ(ui_.started_.size(), 4u);
  EXPECT_EQ(ui_.started_[0].parameters, "temp001.txt Demo.pdb \"Demo.pc\"");
  EXPECT_EQ(ui_.started_[3].parameters, "temp004.txt DemoH.pdb \"Demo.h\"");
  EXPECT_EQ(ui_.started_[0].working_dir, program_dir_);
}

TEST_F(SaveDocTest, AnOutputFolderThatCannotBeMadeStartsNothing) {
  AddForm("Form1", "First");
  ASSERT_TRUE(WriteFileBytes(dir_.Path("taken"), "a file"));
  WriteProject("[Code]\r\nMemo=1\r\nOutput=" + dir_.Path("taken/out") + "\r\n");
  Show();
  InstallConverter();
  dialog_.Generate();
  dialog_.SaveDoc();
  EXPECT_TRUE(ui_.started_.empty());
  EXPECT_EQ(ui_.Texts(), (Lines{"Unable to write to " + dir_.Path("taken/out")}));
}

TEST_F(SaveDocTest, ConvertsTheTextsOfTheLastGenerateNotLaterEdits) {
  Prepare();
  InstallConverter();
  dialog_.Generate();
  dialog_.Area(CodeText::kHeader).SetText("edited");
  dialog_.SaveDoc();
  EXPECT_EQ(ReadFileBytes(InProgram("temp004.txt")), Expected("memo/temp004.txt"));
}

TEST_F(SaveDocTest, WithoutTheTextsOfAGenerateNothingStarts) {
  Prepare();
  InstallConverter();
  dialog_.ClickTarget(GenerateTarget::kPde);
  dialog_.Generate();
  dialog_.ClickTarget(GenerateTarget::kMemo);
  dialog_.SaveDoc();
  EXPECT_TRUE(ui_.started_.empty());
  EXPECT_EQ(ui_.Texts(), (Lines{InProgram("temp001.txt") +
                                " not found. Generate the code for Palm memos / DOC files first"}));
}

TEST_F(SaveDocTest, AConverterThatCannotStartIsNoSuccess) {
  Prepare();
  InstallConverter();
  dialog_.Generate();
  ui_.start_program_result_ = false;
  dialog_.SaveDoc();
  EXPECT_EQ(ui_.started_.size(), 1u);
  EXPECT_EQ(ui_.Texts(), (Lines{"Unable to start " + InProgram("makedoc.exe")}));
}

// Each run is waited for; a run that fails is reported with the converter's own words and the
// closing message names only the databases that were made.
TEST_F(SaveDocTest, FailedRunsAreReportedAndOnlyMadeDatabasesNamed) {
  const struct {
    const char* label;
    ProgramRun forms_run;  // what the second run (the forms text) gives
    bool write;            // whether it writes its database anyway
    Lines texts;
  } kCases[] = {
      {"converter's message",
       {true, 3, "makedoc: cannot write \"DemoForms.pdb\": Permission denied"},
       false,
       {"DemoForms.pdb was not created: makedoc: cannot write \"DemoForms.pdb\": Permission "
        "denied"}},
      {"exit code alone",
       {true, 2, ""},
       true,
       {"DemoForms.pdb was not created: the converter ended with code 2"}},
      {"no file though it ended well",
       {true, 0, ""},
       false,
       {"DemoForms.pdb was not created: the converter wrote no file"}},
      {"stopped",
       {true, -1, ""},
       false,
       {"DemoForms.pdb was not created: the converter did not end by itself"}},
  };
  Prepare();
  InstallConverter();
  dialog_.Generate();
  const std::string out = dir_.Path("out");
  const auto writes = ui_.run_program_;
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.label);
    fs::remove_all(out);
    ui_.ClearLog();
    ui_.run_program_ = [&](const test::FakeUi::Started& run) {
      if (run.parameters.find("temp002.txt") == std::string::npos) return writes(run);
      if (c.write) writes(run);
      return c.forms_run;
    };
    dialog_.SaveDoc();
    Lines texts = c.texts;
    texts.push_back("DOC files Demo.pdb, DemoEvents.pdb and DemoH.pdb created in " + out);
    EXPECT_EQ(ui_.Texts(), texts);
    ASSERT_EQ(ui_.ShownLog().size(), 2u);
    EXPECT_EQ(ui_.ShownLog()[0].caption, "Error");
    EXPECT_EQ(ui_.ShownLog()[1].caption, "Save DOC");
  }
}

// A read-only folder: nothing is made, an old database left there is no success, and there is
// no closing message at all.
TEST_F(SaveDocTest, NothingMadeSaysNothingCreated) {
  Prepare();
  InstallConverter();
  dialog_.Generate();
  fs::create_directories(dir_.Path("out"));
  ASSERT_TRUE(WriteFileBytes(dir_.Path("out/DemoH.pdb"), "old"));
  ui_.run_program_ = [](const test::FakeUi::Started&) { return ProgramRun{true, 0, ""}; };
  dialog_.SaveDoc();
  EXPECT_EQ(ui_.Texts(), (Lines{"Demo.pdb was not created: the converter wrote no file\n"
                                "DemoForms.pdb was not created: the converter wrote no file\n"
                                "DemoEvents.pdb was not created: the converter wrote no file\n"
                                "DemoH.pdb was not created: the converter wrote no file"}));
  EXPECT_EQ(ReadFileBytes(dir_.Path("out/DemoH.pdb")), "old");
}

// From 23 characters on the four document names would pass the converter's 31 bytes: the
// project part is shortened alike, the suffixes and the database file names stay.
TEST_F(SaveDocTest, LongProjectNamesGiveDocumentNamesThatStayApart) {
  AddForm("Form1", "First");
  WriteProject("[Code]\r\nMemo=1\r\nOutput=" + Out("") + "\r\n");
  GenerateSession session{
      LibraryId::kCControls, project_path_, std::string(30, 'P'), {forms_[0].get()}};
  dialog_.Show(session);
  InstallConverter();
  dialog_.Generate();
  dialog_.SaveDoc();
  ASSERT_EQ(ui_.started_.size(), 4u);
  const std::string p(30, 'P');
  const std::string cut(22, 'P');
  const std::string texts = program_dir_ + "/";
  EXPECT_EQ(ui_.started_[0].parameters,
            "\"" + texts + "temp001.txt\" " + p + ".pdb \"" + cut + ".pc\"");
  EXPECT_EQ(ui_.started_[2].parameters,
            "\"" + texts + "temp003.txt\" " + p + "Events.pdb \"" + cut + "Events.pc\"");
  EXPECT_EQ(ui_.started_[3].parameters,
            "\"" + texts + "temp004.txt\" " + p + "H.pdb \"" + cut + ".h\"");
}

TEST_F(SaveDocTest, ExitRemovesTheTemporaryTexts) {
  Prepare();
  dialog_.Generate();
  ASSERT_TRUE(fs::exists(InProgram("temp003.txt")));
  fs::remove(InProgram("temp002.txt"));  // a missing one is ignored
  ASSERT_TRUE(WriteFileBytes(InProgram("temp005.txt"), "not ours"));
  dialog_.Exit();
  EXPECT_TRUE(dialog_.Closed());
  for (const char* name : {"temp001.txt", "temp002.txt", "temp003.txt", "temp004.txt"})
    EXPECT_FALSE(fs::exists(InProgram(name))) << name;
  EXPECT_TRUE(fs::exists(InProgram("temp005.txt")));
  EXPECT_TRUE(ui_.ShownLog().empty());
  Show();
  EXPECT_FALSE(dialog_.Closed());
}

// Texts kept in the settings folder, DOC files made in the output folder.
class WorkFolderTest : public SaveDocTest {
 protected:
  WorkFolderTest() : work_dialog_(ui_, {program_dir_, dir_.Path("config/quillboard")}) {}
  TfrmGenerate work_dialog_;
};

TEST_F(WorkFolderTest, TextsLiveInTheWorkFolderAndDocFilesInTheOutputFolder) {
  AddForm("Form1", "First");
  WriteProject("[Code]\r\nMemo=1\r\nOutput=" + Out("") + "\r\n");
  GenerateSession session{LibraryId::kCControls, project_path_, "Demo", {forms_[0].get()}};
  work_dialog_.Show(session);
  InstallConverter();
  work_dialog_.Generate();
  const std::string work = dir_.Path("config/quillboard");
  EXPECT_TRUE(fs::exists(fs::path(work) / "temp001.txt"));
  EXPECT_FALSE(fs::exists(InProgram("temp001.txt")));
  work_dialog_.SaveDoc();
  ASSERT_EQ(ui_.started_.size(), 4u);
  EXPECT_EQ(ui_.started_[0].program, InProgram("makedoc.exe"));
  EXPECT_EQ(ui_.started_[0].parameters, "\"" + work + "/temp001.txt\" Demo.pdb \"Demo.pc\"");
  EXPECT_EQ(ui_.started_[0].working_dir, dir_.Path("out"));
  EXPECT_EQ(ui_.Texts().back(),
            "DOC files Demo.pdb, DemoForms.pdb, DemoEvents.pdb and DemoH.pdb created in " +
                dir_.Path("out"));
  work_dialog_.Exit();
  EXPECT_FALSE(fs::exists(fs::path(work) / "temp001.txt"));
}

// ---- Copy ----------------------------------------------------------------------------------

TEST_F(SaveTest, CopyPutsTheWholeTextOnTheClipboard) {
  Prepare();
  dialog_.Generate();
  dialog_.Copy(CodeText::kHeader);
  ASSERT_EQ(ui_.clipboard_.size(), 1u);
  EXPECT_EQ(ui_.clipboard_[0].mime, "text/plain");
  EXPECT_EQ(ui_.clipboard_[0].data, "//Form and dialog prototypes\nForm2();\nForm1();\n");
}

}  // namespace
}  // namespace qb
