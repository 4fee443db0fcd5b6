// The generate dialog's opening, fields, targets and Generate, over a real project file.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "codegen/default_icons.h"
#include "codegen/frmGenerateCode.h"
#include "codegen/generate_fixture.h"
#include "codegen/generate_session.h"
#include "model/ini_file.h"

namespace qb {
namespace {

using Lines = std::vector<std::string>;
using test::GenerateTest;
using test::ReadFileBytes;
using test::WriteFileBytes;

const Lines kPrcLines = {
    "@cid \"QLBD\";",          "@name \"Application\";",  "@dbname \"ApplicationDB\";",
    "@ver \"1.0\";",           "@licon1 \"large1.bmp\";", "@sicon1 \"small1.bmp\";",
    "@licon2 \"large2.bmp\";", "@sicon2 \"small2.bmp\";", "@licon4 \"large4.bmp\";",
    "@sicon4 \"small4.bmp\";", "@licon8 \"large8.bmp\";", "@sicon8 \"small8.bmp\";",
};

Lines Head(const Lines& lines, std::size_t n) {
  return Lines(lines.begin(), lines.begin() + static_cast<long>(std::min(n, lines.size())));
}

// ---- Opening -------------------------------------------------------------------------------

TEST(GenerateSession, OpenFormsInWindowOrderWithoutClosedOnes) {
  AppState state;
  state.library = LibraryId::kCControls;
  state.project_name = "Demo";
  state.project_path = "/p/Demo.qbp";
  for (const char* name : {"A", "B", "C", "D"}) {
    state.windows.push_back(std::make_unique<TChildFrm>());
    state.windows.back()->SetName(name);
  }
  state.windows[2]->SetVisible(false);  // C was closed
  NoteWindowActivated(state, *state.windows[1]);
  NoteWindowActivated(state, *state.windows[2]);
  NoteWindowActivated(state, *state.windows[0]);
  const GenerateSession session = GenerateSessionFor(state);
  EXPECT_EQ(session.library, LibraryId::kCControls);
  EXPECT_EQ(session.project_name, "Demo");
  EXPECT_EQ(session.project_path, "/p/Demo.qbp");
  Lines names;
  for (const TChildFrm* form : session.forms) names.push_back(form->Name());
  EXPECT_EQ(names, (Lines{"A", "B", "D"}));
}

struct LibraryCase {
  LibraryId library;
  const char* caption;
  bool color_visible;
};

class OpenPerLibrary : public GenerateTest, public ::testing::WithParamInterface<LibraryCase> {};

TEST_P(OpenPerLibrary, CaptionAndColourOption) {
  WriteProject();
  Show(GetParam().library);
  EXPECT_EQ(dialog_.Caption(), GetParam().caption);
  EXPECT_EQ(dialog_.ColorVisible(), GetParam().color_visible);
}

INSTANTIATE_TEST_SUITE_P(
    Libraries, OpenPerLibrary,
    ::testing::Values(LibraryCase{LibraryId::kCControls,
                                  "Quillboard 1.21 - Generate code - CControls", false},
                      LibraryCase{LibraryId::kPToolboxLib,
                                  "Quillboard 1.21 - Generate code - PToolboxLib", true}));

TEST_F(GenerateTest, NewProjectOpensWithEveryDefault) {
  AddForm("Form2", "Second");
  AddForm("Form1", "First");
  WriteProject();
  Show();
  EXPECT_EQ(dialog_.FormNames(), (Lines{"Form2", "Form1"}));
  EXPECT_EQ(dialog_.SelectedForm(), 0);
  EXPECT_EQ(dialog_.Target(), GenerateTarget::kPde);
  EXPECT_EQ(dialog_.OutputFolder(), project_dir_);
  EXPECT_EQ(dialog_.CreatorId(), "QLBD");
  EXPECT_EQ(dialog_.AppName(), "Application");
  EXPECT_EQ(dialog_.AppDb(), "ApplicationDB");
  EXPECT_EQ(dialog_.Version(), "1.0");
  EXPECT_TRUE(dialog_.ColorChecked());
  EXPECT_FALSE(dialog_.SaveEnabled());
  EXPECT_EQ(dialog_.ActiveTab(), 0);
  for (int i = 0; i < kIconCount; ++i) {
    EXPECT_TRUE(dialog_.Icon(i).HoldsPicture());
    EXPECT_EQ(dialog_.Icon(i).bytes, DefaultIconBmp(kIconSlots[static_cast<std::size_t>(i)].large,
                                                    kIconSlots[static_cast<std::size_t>(i)].depth));
  }
  EXPECT_TRUE(ui_.ShownLog().empty());
}

TEST_F(GenerateTest, KeysOfTheProjectFileAreShownAsStored) {
  AddForm("Form2", "Second");
  AddForm("Form1", "First");
  WriteProject(
      "[Code]\r\nOutput=/somewhere/src\r\nFirstForm=form1\r\nMemo=1\r\nCreatorID=TOOLONG\r\n"
      "AppName=My App\r\nAppDB=MyDB\r\nVersion=2.5\r\nColor=0\r\n");
  Show(LibraryId::kPToolboxLib);
  EXPECT_EQ(dialog_.OutputFolder(), "/somewhere/src");
  EXPECT_EQ(dialog_.SelectedForm(), 1);  // names compare without regard to case
  EXPECT_EQ(dialog_.Target(), GenerateTarget::kMemo);
  EXPECT_EQ(dialog_.CreatorId(), "TOOLONG");
  EXPECT_EQ(dialog_.AppName(), "My App");
  EXPECT_EQ(dialog_.AppDb(), "MyDB");
  EXPECT_EQ(dialog_.Version(), "2.5");
  EXPECT_FALSE(dialog_.ColorChecked());
}

TEST_F(GenerateTest, ColourKeyIsIgnoredForCControls) {
  WriteProject("[Code]\r\nColor=0\r\n");
  Show(LibraryId::kCControls);
  EXPECT_TRUE(dialog_.ColorChecked());
}

TEST_F(GenerateTest, FirstFormNoLongerOpenFallsBackToTheFirstEntry) {
  AddForm("Form2", "Second");
  AddForm("Form1", "First");
  WriteProject("[Code]\r\nFirstForm=Form9\r\n");
  Show();
  EXPECT_EQ(dialog_.SelectedForm(), 0);
  dialog_.Generate();
  const Lines main = LinesOf(CodeText::kMain);
  EXPECT_NE(std::find(main.begin(), main.end(), "  Form2();"), main.end());
  EXPECT_EQ(std::find(main.begin(), main.end(), "  Form1();"), main.end());
}

TEST_F(GenerateTest, OutputFieldKeepsItsTextBetweenOpeningsWithoutAKey) {
  WriteProject();
  Show();
  dialog_.SetOutputFolder("/elsewhere");
  Show();
  EXPECT_EQ(dialog_.OutputFolder(), "/elsewhere");
}

TEST_F(GenerateTest, OpeningClearsTextsAndCountersButKeepsSaveEnabled) {
  AddForm("Form1", "First");
  WriteProject();
  Show();
  dialog_.Generate();
  Show();
  for (CodeText text : {CodeText::kMain, CodeText::kForms, CodeText::kEvents, CodeText::kHeader}) {
    EXPECT_EQ(dialog_.Area(text).Text(), "");
    EXPECT_EQ(dialog_.Area(text).LinesLabel(), "");
    EXPECT_EQ(dialog_.Area(text).CharsLabel(), "");
  }
  EXPECT_TRUE(dialog_.SaveEnabled());
}

TEST_F(GenerateTest, NoOpenFormLeavesTheListEmptyAndStillGenerates) {
  WriteProject();
  Show();
  EXPECT_EQ(dialog_.SelectedForm(), -1);
  dialog_.Generate();
  EXPECT_EQ(LinesOf(CodeText::kHeader), (Lines{"//Form and dialog prototypes"}));
}

TEST_F(GenerateTest, MissingProjectFileGivesTheDefaults) {
  Show();
  EXPECT_EQ(dialog_.CreatorId(), "QLBD");
  EXPECT_TRUE(ui_.ShownLog().empty());
}

// ---- Icons read on opening -----------------------------------------------------------------

TEST_F(GenerateTest, IconKeysLoadExistingBitmapsAndKeepThePictureOtherwise) {
  const std::string chosen = Expected("icons/tiny.bmp");
  ASSERT_FALSE(chosen.empty());
  ASSERT_TRUE(WriteFileBytes(InProject("mine.bmp"), chosen));
  WriteProject("[Icons]\r\nLarge1=" + InProject("mine.bmp") +
               "\r\nSmall1=" + InProject("gone.bmp") + "\r\nLarge2=\r\n");
  Show();
  EXPECT_EQ(dialog_.Icon(0).bytes, chosen);
  EXPECT_EQ(dialog_.Icon(0).path, InProject("mine.bmp"));
  EXPECT_EQ(dialog_.Icon(1).bytes, DefaultIconBmp(false, 1));
  EXPECT_EQ(dialog_.Icon(2).bytes, DefaultIconBmp(true, 2));
  EXPECT_TRUE(ui_.ShownLog().empty());
}

TEST_F(GenerateTest, UnreadableIconKeyShowsAnErrorAndKeepsThePicture) {
  ASSERT_TRUE(WriteFileBytes(InProject("bad.bmp"), "GIF89a not a bitmap"));
  WriteProject("[Icons]\r\nSmall8=" + InProject("bad.bmp") + "\r\n");
  Show();
  EXPECT_EQ(dialog_.Icon(7).bytes, DefaultIconBmp(false, 8));
  ASSERT_EQ(ui_.ShownLog().size(), 1u);
  EXPECT_EQ(ui_.ShownLog()[0].caption, "Error");
  EXPECT_EQ(ui_.ShownLog()[0].text, InProject("bad.bmp") +
                                        " is not a valid bitmap: the file does not start with a "
                                        "bitmap header");
}

// ---- Fields --------------------------------------------------------------------------------

TEST_F(GenerateTest, CreatorIdCannotBeTypedLongerThanFour) {
  EXPECT_TRUE(dialog_.EditCreatorId("ABCD"));
  EXPECT_FALSE(dialog_.EditCreatorId("ABCDE"));
  EXPECT_EQ(dialog_.CreatorId(), "ABCD");
  EXPECT_TRUE(dialog_.EditCreatorId(""));
  EXPECT_EQ(dialog_.CreatorId(), "");
}

TEST_F(GenerateTest, StoredLongCreatorIdMayShrinkButNotGrow) {
  WriteProject("[Code]\r\nCreatorID=TOOLONG\r\n");
  Show();
  EXPECT_FALSE(dialog_.EditCreatorId("TOOLONGX"));
  EXPECT_TRUE(dialog_.EditCreatorId("TOOLON"));
  EXPECT_EQ(dialog_.CreatorId(), "TOOLON");
}

TEST_F(GenerateTest, DatabaseNameHoldsThirtyOneCharacters) {
  const std::string max(31, 'd');
  EXPECT_TRUE(dialog_.EditAppDb(max));
  EXPECT_FALSE(dialog_.EditAppDb(max + "d"));
  EXPECT_EQ(dialog_.AppDb(), max);
}

TEST_F(GenerateTest, FolderChooserSetsTheOutputFolder) {
  WriteProject();
  Show();
  ui_.AnswerFolder("/chosen");
  dialog_.ChooseOutputFolder();
  ui_.AnswerFolder(std::nullopt);
  dialog_.ChooseOutputFolder();
  EXPECT_EQ(dialog_.OutputFolder(), "/chosen");
  ASSERT_EQ(ui_.ShownLog().size(), 2u);
  EXPECT_EQ(ui_.ShownLog()[0].caption, "Select the output directory");
  EXPECT_EQ(ui_.ShownLog()[0].text, project_dir_);
}

// ---- Targets -------------------------------------------------------------------------------

TEST_F(GenerateTest, EachTargetShowsItsOwnFields) {
  WriteProject();
  Show();
  dialog_.ClickTarget(GenerateTarget::kMemo);
  EXPECT_FALSE(dialog_.PrcPropertiesVisible());
  EXPECT_TRUE(dialog_.OutputVisible());  // the DOC files are made there
  EXPECT_FALSE(dialog_.SaveVisible());
  EXPECT_TRUE(dialog_.SaveDocVisible());
  dialog_.ClickTarget(GenerateTarget::kPde);
  EXPECT_TRUE(dialog_.PrcPropertiesVisible());
  EXPECT_TRUE(dialog_.OutputVisible());
  EXPECT_TRUE(dialog_.SaveVisible());
  EXPECT_FALSE(dialog_.SaveDocVisible());
}

TEST_F(GenerateTest, SwitchingTargetAfterGenerateClearsTextsAndKeepsSaveEnabled) {
  AddForm("Form1", "First");
  WriteProject();
  Show();
  dialog_.Generate();
  ASSERT_FALSE(LinesOf(CodeText::kMain).empty());
  dialog_.ClickTarget(GenerateTarget::kMemo);
  EXPECT_EQ(dialog_.Area(CodeText::kMain).Text(), "");
  EXPECT_EQ(dialog_.Area(CodeText::kMain).LinesLabel(), "0 lines");
  EXPECT_EQ(dialog_.Area(CodeText::kHeader).CharsLabel(), "0 chars");
  EXPECT_TRUE(dialog_.SaveEnabled());
  dialog_.ClickTarget(GenerateTarget::kPde);
  EXPECT_TRUE(dialog_.SaveEnabled());
}

TEST_F(GenerateTest, ColourClickClearsTheTexts) {
  AddForm("Form1", "First");
  WriteProject();
  Show(LibraryId::kPToolboxLib);
  dialog_.Generate();
  dialog_.ClickColor(false);
  EXPECT_FALSE(dialog_.ColorChecked());
  EXPECT_EQ(dialog_.Area(CodeText::kMain).Text(), "");
}

// ---- Generate ------------------------------------------------------------------------------

TEST_F(GenerateTest, WithoutIconKeysEightIconLinesFollowThePrcProperties) {
  AddForm("Form1", "First");
  WriteProject();
  Show();
  dialog_.Generate();
  const Lines main = LinesOf(CodeText::kMain);
  EXPECT_EQ(Head(main, 13), [] {
    Lines expected = kPrcLines;
    expected.push_back("");
    return expected;
  }());
}

TEST_F(GenerateTest, PrcFieldTextsAreInsertedUnchanged) {
  WriteProject();
  Show();
  ASSERT_TRUE(dialog_.EditCreatorId("a\"b"));
  dialog_.SetAppName("Say \"hi\" \\ there");
  ASSERT_TRUE(dialog_.EditAppDb(""));
  dialog_.SetVersion(" 3 ");
  ui_.AnswerMessage(kMbYes);  // the check's question about the quotes
  dialog_.Generate();
  EXPECT_EQ(Head(LinesOf(CodeText::kMain), 4),
            (Lines{"@cid \"a\"b\";", "@name \"Say \"hi\" \\ there\";", "@dbname \"\";",
                   "@ver \" 3 \";"}));
}

// Generate checks what is typed into the dialog as the layout check reads the project file's
// keys; it asks about the errors those keys do not give. No leaves everything as it was.
struct TypedCase {
  const char* label;
  LibraryId library;
  std::string keys;  // the project file's "Code" section
  std::function<void(TChildFrm&, TfrmGenerate&)> type;
  std::string question;  // empty: Generate goes on without asking
};

void PrintTo(const TypedCase& c, std::ostream* os) { *os << c.label; }

constexpr const char* kStringRule = " (a text keeps within the quotes of its string)\n";

const TypedCase kTypedCases[] = {
    {"QuoteTypedIntoAppName", LibraryId::kCControls, "",
     [](TChildFrm&, TfrmGenerate& d) { d.SetAppName("Say \"hi\""); },
     std::string("The layout check found 1 error in what is typed into this dialog:\n\n"
                 "error: The PRC field AppName \"Say \"hi\"\" holds a double quote, which ends "
                 "the generated string early") +
         kStringRule + "\nGenerate anyway?"},
    {"QuoteInCreatorIdAndBackslashEndingVersion", LibraryId::kPToolboxLib, "",
     [](TChildFrm&, TfrmGenerate& d) {
       ASSERT_TRUE(d.EditCreatorId("a\"b"));
       d.SetVersion("1.0\\");
     },
     std::string("The layout check found 2 errors in what is typed into this dialog:\n\n"
                 "error: The PRC field CreatorID \"a\"b\" holds a double quote, which ends the "
                 "generated string early") +
         kStringRule +
         "error: The PRC field Version \"1.0\\\" ends in a backslash, which escapes the "
         "generated string's closing quote" +
         kStringRule + "\nGenerate anyway?"},
    // The colour option ticked here passes a colour the saved keys left out.
    {"ColourCodeTickedOverAColourOutsideThePalette", LibraryId::kPToolboxLib,
     "[Code]\r\nColor=0\r\n",
     [](TChildFrm& form, TfrmGenerate& d) {
       form.Screen().SetColorFormFill(7);
       d.ClickColor(true);
     },
     "The layout check found 1 error in what is typed into this dialog:\n\n"
     "error: Form1: Form1's ColorFormFill 7 is none of the sixteen palette colours the colour "
     "code passes (a colour the generated code passes is one of the sixteen palette "
     "colours)\n\nGenerate anyway?"},
    // The check before the dialog opened asked about the saved keys already.
    {"HazardTheProjectFileHoldsIsNotAskedAgain", LibraryId::kCControls,
     "[Code]\r\nAppName=Say \"hi\"\r\n", [](TChildFrm&, TfrmGenerate&) {}, ""},
    {"MemoTargetHasNoPrcLines", LibraryId::kCControls, "",
     [](TChildFrm&, TfrmGenerate& d) {
       d.SetAppName("Say \"hi\"");
       d.ClickTarget(GenerateTarget::kMemo);
     },
     ""},
    {"SoundTexts", LibraryId::kPToolboxLib, "",
     [](TChildFrm&, TfrmGenerate& d) {
       d.SetAppName("Say \\\"hi\\\"");
       d.SetVersion("2.0");
     },
     ""},
};

class TypedSettings : public GenerateTest, public ::testing::WithParamInterface<TypedCase> {};

TEST_P(TypedSettings, GenerateAsksAboutTheErrorsTyped) {
  const TypedCase& c = GetParam();
  TChildFrm& form = AddForm("Form1", "First");
  WriteProject(c.keys);
  Show(c.library);
  c.type(form, dialog_);
  if (c.question.empty()) {
    dialog_.Generate();
    EXPECT_EQ(ui_.Texts(), Lines{});
    EXPECT_EQ(dialog_.GenerateCount(), 1);
    return;
  }
  const std::string before = ReadFileBytes(project_path_);
  ui_.AnswerMessage(kMbNo);
  dialog_.Generate();
  ASSERT_EQ(ui_.ShownLog().size(), 1u);
  const test::Shown& asked = ui_.ShownLog()[0];
  EXPECT_EQ(asked.caption, "Confirm");
  EXPECT_EQ(asked.text, c.question);
  EXPECT_EQ(asked.buttons, kMbYesNo);
  EXPECT_EQ(asked.default_button, kMbNo);
  // No: nothing generated, nothing written.
  EXPECT_EQ(dialog_.GenerateCount(), 0);
  EXPECT_TRUE(LinesOf(CodeText::kMain).empty());
  EXPECT_FALSE(dialog_.SaveEnabled());
  EXPECT_EQ(ReadFileBytes(project_path_), before);

  ui_.ClearLog();
  ui_.AnswerMessage(kMbYes);
  dialog_.Generate();
  EXPECT_EQ(ui_.Texts(), Lines{c.question});
  EXPECT_EQ(dialog_.GenerateCount(), 1);
  EXPECT_NE(ReadFileBytes(project_path_), before);
  // The keys now hold what was typed, and the user has been asked about it.
  ui_.ClearLog();
  dialog_.Generate();
  EXPECT_EQ(ui_.Texts(), Lines{});
  EXPECT_EQ(dialog_.GenerateCount(), 2);
}

INSTANTIATE_TEST_SUITE_P(Check, TypedSettings, ::testing::ValuesIn(kTypedCases),
                         [](const auto& info) { return std::string(info.param.label); });

// The question names the first five errors and counts the rest.
TEST(TypedSettingsQuestion, NamesFiveAndCountsTheRest) {
  std::vector<LayoutFinding> errors;
  for (int i = 1; i <= 7; ++i)
    errors.push_back({FindingSeverity::kError, "", "", "E" + std::to_string(i), "r"});
  EXPECT_EQ(TypedSettingsQuestion(errors),
            "The layout check found 7 errors in what is typed into this dialog:\n\n"
            "error: E1 (r)\nerror: E2 (r)\nerror: E3 (r)\nerror: E4 (r)\nerror: E5 (r)\n"
            "... and 2 more\n\nGenerate anyway?");
}

// The command line's run has no one to ask.
TEST_F(GenerateTest, BatchGenerateDoesNotAsk) {
  AddForm("Form1", "First");
  WriteProject();
  Show();
  dialog_.SetBatch(true);
  dialog_.SetAppName("Say \"hi\"");
  dialog_.Generate();
  EXPECT_EQ(ui_.Texts(), Lines{});
  EXPECT_EQ(dialog_.GenerateCount(), 1);
}

TEST_F(GenerateTest, MemoTargetStartsWithTheMainFileNameOnly) {
  AddForm("Form1", "First");
  WriteProject("[Code]\r\nMemo=1\r\n");
  Show();
  dialog_.Generate();
  const Lines main = LinesOf(CodeText::kMain);
  EXPECT_EQ(Head(main, 3), (Lines{"//Main Demo.pc", "", "#include \"Demo.h\""}));
  EXPECT_EQ(LinesOf(CodeText::kHeader)[0], "/$ Demo.h");
}

TEST_F(GenerateTest, GenerateFillsEveryTextAndItsCounters) {
  AddForm("Form1", "First");
  WriteProject();
  Show();
  dialog_.Generate();
  EXPECT_EQ(dialog_.Area(CodeText::kHeader).Text(), "//Form and dialog prototypes\nForm1();\n");
  EXPECT_EQ(dialog_.Area(CodeText::kHeader).LinesLabel(), "2 lines");
  EXPECT_EQ(dialog_.Area(CodeText::kHeader).CharsLabel(), "40 chars");
  EXPECT_EQ(dialog_.Area(CodeText::kMain).LinesLabel(),
            std::to_string(LinesOf(CodeText::kMain).size()) + " lines");
  EXPECT_EQ(LinesOf(CodeText::kForms)[0], "#include \"Ccontrols.c\"");
  EXPECT_EQ(LinesOf(CodeText::kEvents)[0], "#include \"Demo.h\"");
  EXPECT_TRUE(dialog_.SaveEnabled());
  EXPECT_EQ(dialog_.GenerateCount(), 1);
}

TEST_F(GenerateTest, GenerateWritesTheCodeKeysAndKeepsTheRestOfTheFile) {
  AddForm("Form2", "Second");
  AddForm("Form1", "First");
  WriteProject("[Foreign]\r\nKeep=me\r\n\r\n[Icons]\r\nLarge1=\r\n");
  Show(LibraryId::kPToolboxLib);
  dialog_.SelectForm(1);
  dialog_.SetOutputFolder("/out");
  dialog_.ClickTarget(GenerateTarget::kMemo);
  dialog_.ClickColor(false);
  dialog_.Generate();
  EXPECT_EQ(ReadFileBytes(project_path_),
            "[Project]\r\nName=" + project_path_ +
                "\r\nLib=1\r\n\r\n[Foreign]\r\nKeep=me\r\n\r\n[Icons]\r\nLarge1=\r\n\r\n"
                "[Code]\r\nOutput=/out\r\nFirstForm=Form1\r\nMemo=1\r\nCreatorID=QLBD\r\n"
                "AppName=Application\r\nAppDB=ApplicationDB\r\nVersion=1.0\r\nColor=0\r\n");
}

TEST_F(GenerateTest, CControlsProjectsGetNoColourKey) {
  WriteProject();
  Show(LibraryId::kCControls);
  dialog_.Generate();
  IniFile ini;
  ASSERT_TRUE(ini.Load(project_path_));
  EXPECT_FALSE(ini.HasKey("Code", "Color"));
  EXPECT_EQ(ini.ReadString("Code", "Memo", "?"), "0");
  EXPECT_EQ(ini.ReadString("Code", "FirstForm", "?"), "");
}

TEST_F(GenerateTest, UnwritableProjectFileIsReportedAndCodeStillGenerated) {
  AddForm("Form1", "First");
  project_path_ = InProject("missing/Demo.qbp");
  Show();
  dialog_.Generate();
  EXPECT_EQ(ui_.Texts(), (Lines{"Unable to write to " + project_path_}));
  EXPECT_FALSE(LinesOf(CodeText::kHeader).empty());
}

TEST_F(GenerateTest, MemoGenerateWritesTheConverterTextsByteForByte) {
  AddForm("Form2", "Second");
  AddForm("Form1", "First");
  WriteProject("[Code]\r\nFirstForm=Form1\r\nMemo=1\r\n");
  Show();
  dialog_.Generate();
  for (const char* name : {"temp001.txt", "temp002.txt", "temp003.txt", "temp004.txt"})
    EXPECT_EQ(ReadFileBytes(InProgram(name)), Expected(std::string("memo/") + name)) << name;
}

TEST_F(GenerateTest, DesktopTargetWritesNoConverterTexts) {
  AddForm("Form1", "First");
  WriteProject();
  Show();
  dialog_.Generate();
  EXPECT_FALSE(std::filesystem::exists(InProgram("temp001.txt")));
}

}  // namespace
}  // namespace qb
