// Files that are not ours, wherever they are opened: one text naming the file and what it
// lacks, and nothing made of them, changed in them or listed for them. Forms a project lists
// that cannot be opened are said in one message and stay listed.

#include <gtest/gtest.h>

#include "main_fixture.h"

namespace qb::test {
namespace {

using ForeignFiles = MainTest;

constexpr const char* kNotes = "Shopping\nmilk, eggs\n[not a section\n";
constexpr const char* kNoFormSection = "[Settings]\r\nName=Alpha\r\nLib=1\r\n";
constexpr const char* kNoName = "[FORM]\r\nLib=1\r\nTitle=Alpha\r\n";

struct Opener {
  const char* what;
  const char* file_name;
  const char* content;
  const char* lacks;  // the end of the message after the path
  void (*open)(TMain&, FakeUi&, const std::string& path);
};

void OpenProjectChosen(TMain& main, FakeUi& ui, const std::string& path) {
  ui.AnswerFile(path);
  main.Project().OpenProject();
}
void OpenRecentEntry(TMain& main, FakeUi&, const std::string& path) {
  main.Recent().Add(path);
  main.Project().OpenRecent(0);
}
void OpenNamed(TMain& main, FakeUi&, const std::string& path) { main.Project().OpenPath(path); }
void OpenFormChosen(TMain& main, FakeUi& ui, const std::string& path) {
  ui.AnswerFile(path);
  main.Forms().OpenForm();
}

constexpr const char* kNoProject = " is not a Quillboard project: it has no [Project] section.";
constexpr const char* kNoForm = " is not a Quillboard form: it has no [FORM] section.";
constexpr const char* kNoFormName = " is not a Quillboard form: its [FORM] section has no Name.";

const Opener kOpeners[] = {
    {"OpenProjectOfNotes", "Notes.qbp", kNotes, kNoProject, OpenProjectChosen},
    {"OpenRecentOfNotes", "Notes.qbp", kNotes, kNoProject, OpenRecentEntry},
    {"CommandLineNotes", "Notes.qbp", kNotes, kNoProject, OpenNamed},
    {"OpenProjectOfAForm", "Form.qbp", "[FORM]\r\nName=Alpha\r\nLib=1\r\n", kNoProject,
     OpenProjectChosen},
    {"OpenFormWithoutFormSection", "a.qbf", kNoFormSection, kNoForm, OpenFormChosen},
    {"OpenFormWithoutName", "a.qbf", kNoName, kNoFormName, OpenFormChosen},
    {"CommandLineFormWithoutName", "a.qbf", kNoName, kNoFormName, OpenNamed},
    {"CommandLineTextAsForm", "notes.txt", kNotes, kNoForm, OpenNamed},
};

class EveryOpener : public MainTest, public ::testing::WithParamInterface<Opener> {};

TEST_P(EveryOpener, RefusesTheFileWithOneTextAndLeavesItAlone) {
  const Opener& c = GetParam();
  const std::string path = Path(c.file_name);
  ASSERT_TRUE(WriteFileBytes(path, c.content));
  const std::vector<std::string> recent_before = main_.Recent().Entries();
  c.open(main_, ui_, path);
  EXPECT_EQ(ui_.Texts(), std::vector<std::string>{path + c.lacks});
  EXPECT_EQ(ui_.ShownLog().back().caption, "Error");
  EXPECT_EQ(ui_.ShownLog().back().icon, MsgIcon::kError);
  EXPECT_TRUE(main_.State().windows.empty());
  EXPECT_EQ(main_.State().project_name, "");
  EXPECT_EQ(main_.Caption(), "Quillboard 1.21");
  // Ctrl+S has nothing to save; the file stays byte for byte.
  EXPECT_FALSE(main_.Project().SaveProject());
  EXPECT_EQ(ReadFileBytes(path), c.content);
  if (c.open != OpenRecentEntry) {
    EXPECT_EQ(main_.Recent().Entries(), recent_before);
  }
  EXPECT_TRUE(ui_.AllAnswersUsed());
}

INSTANTIATE_TEST_SUITE_P(Openers, EveryOpener, ::testing::ValuesIn(kOpeners),
                         [](const auto& info) { return std::string(info.param.what); });

// A refused project leaves the open one as it was.
TEST_F(ForeignFiles, ARefusedProjectKeepsTheOpenOne) {
  StartProject(LibraryId::kPToolboxLib);
  const std::string notes = Path("Notes.qbp");
  ASSERT_TRUE(WriteFileBytes(notes, kNotes));
  ui_.ClearLog();  // Project1's new form is unmodified: nothing is asked
  main_.Project().OpenPath(notes);
  EXPECT_EQ(ui_.Texts(), std::vector<std::string>{notes + kNoProject});
  EXPECT_EQ(main_.State().project_name, "Project1");
  EXPECT_EQ(main_.State().windows.size(), 1u);
  EXPECT_EQ(main_.State().library, LibraryId::kPToolboxLib);
}

// Missing and refused forms of a project: one message for all, the others open, and the
// next save lists every one of them again, their files untouched.
TEST_F(ForeignFiles, ListedFormsThatCannotBeOpenedAreSaidOnceAndKept) {
  struct Listed {
    const char* file;
    const char* content;  // nullptr: the file is missing
    const char* said;     // nullptr: it opens
  };
  const Listed listed[] = {
      {"gone.qbf", nullptr, " is missing. It was not opened."},
      {"alpha.qbf", "[FORM]\r\nName=Alpha\r\nLib=1\r\n", nullptr},
      {"nosection.qbf", kNoFormSection, kNoForm},
      {"noname.qbf", kNoName, kNoFormName},
      {"other.qbf", "[FORM]\r\nName=Other\r\nLib=2\r\n",
       " is a form of PToolboxLib, not of CControls. It was not opened."},
      {"beta.qbf", "[FORM]\r\nName=Beta\r\nLib=1\r\n", nullptr},
  };
  std::string project_text = "[Project]\r\nLib=1\r\n[ActiveForms]\r\n";
  std::vector<std::string> said;
  std::vector<std::string> paths;
  for (std::size_t i = 0; i < std::size(listed); ++i) {
    const std::string path = Path(listed[i].file);
    paths.push_back(path);
    if (listed[i].content) {
      ASSERT_TRUE(WriteFileBytes(path, listed[i].content));
    }
    if (listed[i].said) said.push_back(path + listed[i].said);
    project_text += "Form" + std::to_string(i) + "=" + path + "\r\n";
  }
  const std::string project = Path("p.qbp");
  ASSERT_TRUE(WriteFileBytes(project, project_text));
  ui_.AnswerFile(project);
  main_.Project().OpenProject();
  std::string message;
  for (const std::string& line : said) message += (message.empty() ? "" : "\n") + line;
  EXPECT_EQ(ui_.Texts(), std::vector<std::string>{message});
  ASSERT_EQ(main_.State().windows.size(), 2u);
  EXPECT_EQ(Window(0).Name(), "Alpha");
  EXPECT_EQ(Window(1).Name(), "Beta");

  ui_.AnswerMessage(kMbYes);  // replace alpha.qbf
  ui_.AnswerMessage(kMbYes);  // replace beta.qbf
  ASSERT_TRUE(main_.Project().SaveProject());
  IniFile saved;
  ASSERT_TRUE(saved.Load(project));
  std::vector<std::string> now_listed;
  for (const std::string& key : saved.Keys("ActiveForms"))
    now_listed.push_back(saved.ReadString("ActiveForms", key, ""));
  // The opened forms first (by window), then the ones kept.
  EXPECT_EQ(now_listed,
            (std::vector<std::string>{paths[1], paths[5], paths[0], paths[2], paths[3], paths[4]}));
  for (const Listed& l : listed)
    if (l.content && l.said) {
      EXPECT_EQ(ReadFileBytes(Path(l.file)), l.content) << l.file;
    }
  EXPECT_FALSE(std::filesystem::exists(paths[0]));
}

}  // namespace
}  // namespace qb::test
