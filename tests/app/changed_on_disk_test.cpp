// A project or form file changed by another program since it was read or written here is not
// replaced without asking; a file whose bytes are the same (only its time moved) and the
// program's own writes ask nothing.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>

#include "app/disk_records.h"
#include "main_fixture.h"
#include "model/safe_file.h"

namespace qb::test {
namespace {

namespace fs = std::filesystem;

constexpr const char* kAlpha = "[FORM]\r\nName=Alpha\r\nLib=1\r\n";
constexpr const char* kAlphaByOthers = "[FORM]\r\nName=Alpha\r\nLib=1\r\nTitle=Theirs\r\n";

void MoveTime(const std::string& path) {
  fs::last_write_time(path, fs::last_write_time(path) + std::chrono::seconds(7));
}

// What happens to a file between opening the project and Save Project.
struct Meanwhile {
  const char* what;
  std::function<void(const std::string& project, const std::string& form)> act;
  const char* changed;  // "form", "project" or nullptr: which file asks the question
};

const Meanwhile kMeanwhile[] = {
    {"Nothing", [](const std::string&, const std::string&) {}, nullptr},
    {"TouchedForm", [](const std::string&, const std::string& form) { MoveTime(form); }, nullptr},
    {"FormRewrittenTheSame",
     [](const std::string&, const std::string& form) {
       ASSERT_TRUE(WriteFileBytes(form, kAlpha));
       MoveTime(form);
     },
     nullptr},
    {"FormChanged",
     [](const std::string&, const std::string& form) {
       ASSERT_TRUE(WriteFileBytes(form, kAlphaByOthers));
     },
     "form"},
    {"FormChangedSameSize",  // same size, other bytes, another time
     [](const std::string&, const std::string& form) {
       ASSERT_TRUE(WriteFileBytes(form, "[FORM]\r\nName=Alpha\r\nLib=2\r\n"));
       MoveTime(form);
     },
     "form"},
    {"ProjectChanged",
     [](const std::string& project, const std::string& form) {
       ASSERT_TRUE(WriteFileBytes(project, "[Project]\r\nLib=1\r\n[ActiveForms]\r\nForm0=" + form +
                                               "\r\n[Code]\r\nAppName=Theirs\r\n"));
     },
     "project"},
    // The generate dialog's "Code" section, written by this program, refreshes the record.
    {"OwnWriteOfTheProject",
     [](const std::string& project, const std::string&) {
       IniFile ini;
       ASSERT_TRUE(ini.Load(project));
       ini.WriteString("Code", "AppName", "Ours");
       ASSERT_TRUE(ini.Save(project));
       MoveTime(project);
     },
     nullptr},
    {"FormRemoved", [](const std::string&, const std::string& form) { fs::remove(form); }, nullptr},
};

class ChangedOnDisk : public MainTest, public ::testing::WithParamInterface<Meanwhile> {
 protected:
  void OpenAlpha() {
    ASSERT_TRUE(WriteFileBytes(form_, kAlpha));
    ASSERT_TRUE(
        WriteFileBytes(project_, "[Project]\r\nLib=1\r\n[ActiveForms]\r\nForm0=" + form_ + "\r\n"));
    ui_.AnswerFile(project_);
    main_.Project().OpenProject();
    ASSERT_EQ(main_.State().windows.size(), 1u);
  }
  const std::string project_ = Path("p.qbp");
  const std::string form_ = Path("alpha.qbf");
};

TEST_P(ChangedOnDisk, AsksOnlyWhenTheBytesDiffer) {
  const Meanwhile& c = GetParam();
  OpenAlpha();
  c.act(project_, form_);
  const std::string project_before = ReadFileBytes(project_);
  const std::string form_before = fs::exists(form_) ? ReadFileBytes(form_) : "";
  const std::string question_form = form_ +
                                    " was changed by another program since it was "
                                    "opened. Replace it?";
  const std::string question_project = project_ +
                                       " was changed by another program since it "
                                       "was opened. Replace it?";
  ui_.ClearLog();
  if (!c.changed) {
    if (fs::exists(form_)) ui_.AnswerMessage(kMbYes);  // the usual "already exists" question
    ASSERT_TRUE(main_.Project().SaveProject());
    for (const Shown& shown : ui_.ShownLog()) EXPECT_NE(shown.caption, "Warning") << shown.text;
    EXPECT_EQ(ReadFileBytes(form_), WriteFormToIni(LibraryId::kCControls, Window(0)).Text());
    EXPECT_TRUE(ui_.AllAnswersUsed());
    // The save was ours: the next one asks nothing new.
    ui_.ClearLog();
    ui_.AnswerMessage(kMbYes);
    ASSERT_TRUE(main_.Project().SaveProject());
    EXPECT_EQ(ui_.Texts(), std::vector<std::string>{form_ + " already exists. Do you want to "
                                                            "replace it?"});
    return;
  }
  const bool form_changed = std::string(c.changed) == "form";
  // No keeps the other program's file and stops the project save there.
  ui_.AnswerMessage(kMbNo);
  EXPECT_FALSE(main_.Project().SaveProject());
  const std::string& question = form_changed ? question_form : question_project;
  const std::string stopped = form_changed ? "Alpha" : "p.qbp";
  EXPECT_EQ(ui_.Texts(), (std::vector<std::string>{
                             question, stopped + " was not saved; the project was not saved."}));
  ASSERT_EQ(ui_.ShownLog().size(), 2u);
  EXPECT_EQ(ui_.ShownLog()[0].caption, "Warning");
  EXPECT_EQ(ui_.ShownLog()[0].buttons, kMbYesNo);
  EXPECT_EQ(ui_.ShownLog()[0].default_button, kMbNo);
  EXPECT_EQ(ui_.ShownLog()[1].caption, "Warning");
  EXPECT_EQ(ReadFileBytes(form_), form_before);
  EXPECT_EQ(ReadFileBytes(project_), project_before);

  // Yes replaces it; the question is not asked twice for one file.
  ui_.ClearLog();
  ui_.AnswerMessage(kMbYes);
  if (!form_changed) ui_.AnswerMessage(kMbYes);  // the form's usual question
  ASSERT_TRUE(main_.Project().SaveProject());
  EXPECT_EQ(ui_.Texts().front(), question);
  EXPECT_EQ(ReadFileBytes(form_), WriteFormToIni(LibraryId::kCControls, Window(0)).Text());
  EXPECT_TRUE(ui_.AllAnswersUsed());
}

INSTANTIATE_TEST_SUITE_P(Cases, ChangedOnDisk, ::testing::ValuesIn(kMeanwhile),
                         [](const auto& info) { return std::string(info.param.what); });

// Save Form alone: No writes nothing and says nothing more.
TEST_F(MainTest, SaveFormOfAFormChangedElsewhereAsks) {
  const std::string form = Path("alpha.qbf");
  ASSERT_TRUE(WriteFileBytes(form, kAlpha));
  main_.State().library = LibraryId::kCControls;
  ui_.AnswerFile(form);
  main_.Forms().OpenForm();
  ASSERT_EQ(main_.State().windows.size(), 1u);
  ASSERT_TRUE(WriteFileBytes(form, kAlphaByOthers));
  ui_.ClearLog();
  ui_.AnswerMessage(kMbNo);
  EXPECT_EQ(main_.Forms().SaveFormFile(Window(0), false), FormSaveResult::kChangedKept);
  EXPECT_EQ(ui_.Texts(), std::vector<std::string>{form + " was changed by another program "
                                                         "since it was opened. Replace it?"});
  EXPECT_EQ(ReadFileBytes(form), kAlphaByOthers);
}

// The record itself: the bytes decide, the time only says when to look.
TEST(DiskRecordsTest, TheBytesDecide) {
  TempDir dir;
  const std::string path = dir.Path("f.txt");
  DiskRecords records;
  EXPECT_FALSE(records.ChangedBehindUs(path));  // never recorded
  ASSERT_TRUE(WriteFileBytes(path, "one"));
  records.Note(path);
  EXPECT_TRUE(records.Knows(path));
  EXPECT_FALSE(records.ChangedBehindUs(path));
  MoveTime(path);
  EXPECT_FALSE(records.ChangedBehindUs(path));
  ASSERT_TRUE(WriteFileAtomic(path, "two"));  // through the safe writer: ours
  EXPECT_FALSE(records.ChangedBehindUs(path));
  ASSERT_TRUE(WriteFileBytes(path, "three"));  // another program's write
  EXPECT_TRUE(records.ChangedBehindUs(path));
  // Another spelling of the same file shares the record.
  EXPECT_TRUE(records.ChangedBehindUs(dir.Path("./f.txt")));
  records.Clear();
  EXPECT_FALSE(records.ChangedBehindUs(path));
}

}  // namespace
}  // namespace qb::test
