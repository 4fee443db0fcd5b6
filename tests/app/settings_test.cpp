#include "app/settings.h"

#include <gtest/gtest.h>

#include "main_fixture.h"

namespace qb::test {
namespace {

SettingsEnvironment Env(std::optional<std::string> xdg, std::optional<std::string> home) {
  return {[xdg, home](const char* name) -> std::optional<std::string> {
    if (std::string(name) == "XDG_CONFIG_HOME") return xdg;
    if (std::string(name) == "HOME") return home;
    return std::nullopt;
  }};
}

struct PathCase {
  std::optional<std::string> xdg;
  std::optional<std::string> home;
  std::string expected;
};

TEST(SettingsPath, TheUsersConfigurationFolderNeverTheProgramsOwn) {
  const PathCase cases[] = {
      {"/x/cfg", "/home/ann", "/x/cfg/quillboard/options.ini"},
      {std::nullopt, "/home/ann", "/home/ann/.config/quillboard/options.ini"},
      // A relative configuration folder is not one.
      {"cfg", "/home/ann", "/home/ann/.config/quillboard/options.ini"},
      // With nowhere else to go the program folder is used.
      {std::nullopt, std::nullopt, "/opt/qb/options.ini"},
      {"cfg", std::nullopt, "/opt/qb/options.ini"},
  };
  for (const PathCase& c : cases)
    EXPECT_EQ(SettingsPath("/opt/qb", Env(c.xdg, c.home)), c.expected)
        << c.xdg.value_or("-") << " " << c.home.value_or("-");
}

TEST(SettingsPath, StartingWritesNothingInTheProgramFolder) {
  TempDir dir;
  std::filesystem::create_directory(dir.Path("program"));
  FakeUi ui;
  TMain main(ui, dir.Path("program"), Env(dir.Path("config"), std::nullopt));
  main.Start();
  main.FirstShown();
  EXPECT_TRUE(std::filesystem::is_empty(dir.Path("program")));
  main.Finish();
  EXPECT_TRUE(std::filesystem::is_empty(dir.Path("program")));
  EXPECT_TRUE(std::filesystem::exists(dir.Path("config/quillboard/options.ini")));
}

TEST(GeneralSettings, MissingFileGivesTheDefaults) {
  TempDir dir;
  GeneralSettings s = ReadGeneralSettings(dir.Path("options.ini"));
  EXPECT_EQ(s.library, LibraryId::kPToolboxLib);
  EXPECT_TRUE(s.grid);
  EXPECT_FALSE(s.short_names);
  EXPECT_TRUE(s.recent.empty());
}

TEST(GeneralSettings, BadValuesGiveTheDefaults) {
  TempDir dir;
  ASSERT_TRUE(WriteFileBytes(dir.Path("options.ini"),
                             "[General]\r\nLib=7\r\nGrid=yes\r\nShortNames=2\r\n"));
  GeneralSettings s = ReadGeneralSettings(dir.Path("options.ini"));
  EXPECT_EQ(s.library, LibraryId::kPToolboxLib);
  EXPECT_TRUE(s.grid);
  EXPECT_FALSE(s.short_names);
}

TEST(GeneralSettings, WritingKeepsTheOptionsDialogsSections) {
  TempDir dir;
  const std::string path = dir.Path("options.ini");
  ASSERT_TRUE(WriteFileBytes(
      path, "[Design]\r\nFormWhite=1\r\n\r\n[MRU Items]\r\nF0=/old.qbp\r\nF1=/older.qbp\r\n"));
  GeneralSettings s;
  s.library = LibraryId::kCControls;
  s.grid = false;
  s.short_names = true;
  s.recent = {"/a.qbp", "/b.qbp"};
  ASSERT_TRUE(WriteGeneralSettings(path, s));
  EXPECT_EQ(ReadFileBytes(path),
            "[Design]\r\nFormWhite=1\r\nScale=1\r\n"
            "\r\n[General]\r\nLib=1\r\nGrid=0\r\nShortNames=1\r\n"
            "\r\n[MRU Items]\r\nF0=/a.qbp\r\nF1=/b.qbp\r\n");
  GeneralSettings back = ReadGeneralSettings(path);
  EXPECT_EQ(back.library, LibraryId::kCControls);
  EXPECT_FALSE(back.grid);
  EXPECT_TRUE(back.short_names);
  EXPECT_EQ(back.recent, (std::vector<std::string>{"/a.qbp", "/b.qbp"}));
}

TEST(GeneralSettings, DesignerScaleIsOneToFourElseOne) {
  struct Case {
    const char* text;
    int scale;
  };
  for (Case c :
       {Case{"", 1}, Case{"[Design]\r\nScale=2\r\n", 2}, Case{"[Design]\r\nScale=4\r\n", 4},
        Case{"[design]\r\nscale=3\r\n", 3}, Case{"[Design]\r\nScale=0\r\n", 1},
        Case{"[Design]\r\nScale=5\r\n", 1}, Case{"[Design]\r\nScale=-2\r\n", 1},
        Case{"[Design]\r\nScale=big\r\n", 1}, Case{"[Design]\r\nScale=99999999999999\r\n", 1},
        Case{"[General]\r\nScale=3\r\n", 1}}) {
    IniFile ini;
    ini.Parse(c.text);
    EXPECT_EQ(ReadGeneralSettingsFromIni(ini).scale, c.scale) << c.text;
  }
}

TEST(GeneralSettings, TheScaleJoinsTheOptionsDialogsDesignSection) {
  TempDir dir;
  const std::string path = dir.Path("options.ini");
  ASSERT_TRUE(WriteFileBytes(path, "[Design]\r\nFormWhite=1\r\n"));
  GeneralSettings s;
  s.scale = 3;
  ASSERT_TRUE(WriteGeneralSettings(path, s));
  EXPECT_EQ(ReadFileBytes(path),
            "[Design]\r\nFormWhite=1\r\nScale=3\r\n"
            "\r\n[General]\r\nLib=2\r\nGrid=1\r\nShortNames=0\r\n");
  EXPECT_EQ(ReadGeneralSettings(path).scale, 3);
}

class StartUp : public ::testing::Test {
 protected:
  void Run(SettingsEnvironment env) {
    main_ = std::make_unique<TMain>(ui_, dir_.Path("program"), std::move(env));
    main_->Start();
    main_->FirstShown();
  }
  // The default faces the build makes beside the program.
  void CopyBuiltFace(const std::string& file) {
    std::filesystem::copy_file(std::string(QB_BIN_DIR) + "/" + file, dir_.Path("program/" + file));
  }
  TempDir dir_;
  FakeUi ui_;
  std::unique_ptr<TMain> main_;
};

TEST_F(StartUp, FreshInstallation) {
  std::filesystem::create_directory(dir_.Path("program"));
  for (const char* font :
       {"PilotStandard.fon", "PilotLarge.fon", "PilotBold.fon", "PilotBold12.fon"})
    CopyBuiltFace(font);
  Run(WritableEnvironment());
  const AppState& s = main_->State();
  EXPECT_EQ(s.library, LibraryId::kPToolboxLib);
  EXPECT_TRUE(main_->Checked(Command::kGrid));
  EXPECT_FALSE(main_->Checked(Command::kShortNames));
  EXPECT_EQ(s.status_panels[0], "PToolboxLib");
  EXPECT_EQ(s.status_panels[1], "");
  EXPECT_EQ(s.status_panels[2], "Cursor keys activated - Grid Step");
  EXPECT_EQ(main_->Caption(), "Quillboard 1.21");
  EXPECT_TRUE(main_->Fonts().IsLoaded("PilotBold12"));
  EXPECT_FALSE(main_->Enabled(Command::kGenerateCode));
  EXPECT_TRUE(main_->Recent().Empty());
  EXPECT_TRUE(ui_.ShownLog().empty());

  main_->Finish();
  EXPECT_EQ(ReadFileBytes(dir_.Path("program/options.ini")),
            "[General]\r\nLib=2\r\nGrid=1\r\nShortNames=0\r\n"
            "\r\n[Design]\r\nScale=1\r\n");
}

TEST_F(StartUp, SettingsAreReadAndWrittenBack) {
  std::filesystem::create_directory(dir_.Path("program"));
  ASSERT_TRUE(WriteFileBytes(dir_.Path("program/options.ini"),
                             "[General]\r\nLib=1\r\nGrid=0\r\nShortNames=1\r\n"
                             "[MRU Items]\r\nF0=/p/a.qbp\r\nF1=/p/b.qbp\r\n"));
  Run(WritableEnvironment());
  EXPECT_EQ(main_->State().library, LibraryId::kCControls);
  EXPECT_FALSE(main_->Checked(Command::kGrid));
  EXPECT_TRUE(main_->Checked(Command::kShortNames));
  EXPECT_EQ(main_->State().status_panels[1], "Short names");
  EXPECT_EQ(main_->Recent().Entries(), (std::vector<std::string>{"/p/a.qbp", "/p/b.qbp"}));
  main_->Recent().Add("/p/b.qbp");
  main_->Finish();
  EXPECT_EQ(ReadFileBytes(dir_.Path("program/options.ini")),
            "[General]\r\nLib=1\r\nGrid=0\r\nShortNames=1\r\n"
            "\r\n[Design]\r\nScale=1\r\n"
            "\r\n[MRU Items]\r\nF0=/p/b.qbp\r\nF1=/p/a.qbp\r\n");
}

TEST_F(StartUp, TheDesignerScaleIsKeptAndItsCommandsStayInRange) {
  std::filesystem::create_directory(dir_.Path("program"));
  ASSERT_TRUE(WriteFileBytes(dir_.Path("program/options.ini"), "[Design]\r\nScale=2\r\n"));
  Run(WritableEnvironment());
  EXPECT_EQ(main_->DesignerScale(), 2);
  struct Step {
    Command command;
    int scale;
  };
  for (Step step :
       {Step{Command::kScaleLarger, 3}, Step{Command::kScaleLarger, 4},
        Step{Command::kScaleLarger, 4}, Step{Command::kScale1, 1}, Step{Command::kScaleSmaller, 1},
        Step{Command::kScale4, 4}, Step{Command::kScaleSmaller, 3}}) {
    main_->Execute(step.command);
    EXPECT_EQ(main_->DesignerScale(), step.scale);
    // Exactly one size is checked: the one shown.
    for (Command size : {Command::kScale1, Command::kScale2, Command::kScale3, Command::kScale4})
      EXPECT_EQ(main_->Checked(size), TMain::ScaleOf(size) == step.scale);
  }
  main_->Finish();
  EXPECT_EQ(ReadGeneralSettings(dir_.Path("program/options.ini")).scale, 3);
}

TEST_F(StartUp, MissingFontsAreEachReportedOnce) {
  std::filesystem::create_directory(dir_.Path("program"));
  CopyBuiltFace("PilotLarge.fon");
  ASSERT_TRUE(WriteFileBytes(dir_.Path("program/PilotBold.fon"), "not a font"));
  Run(WritableEnvironment());
  EXPECT_EQ(ui_.Texts(), (std::vector<std::string>{"Error: PilotStandard.fon not found",
                                                   "Error: PilotBold.fon not found",
                                                   "Error: PilotBold12.fon not found"}));
  for (const Shown& s : ui_.ShownLog()) {
    EXPECT_EQ(s.caption, "Error");
    EXPECT_EQ(s.icon, MsgIcon::kError);
  }
  EXPECT_TRUE(main_->Fonts().IsLoaded("PilotLarge"));
  EXPECT_FALSE(main_->Fonts().IsLoaded("PilotBold"));
}

TEST_F(StartUp, TheSettingsLiveInTheUserFolderSeededByTheProgramFolder) {
  std::filesystem::create_directory(dir_.Path("program"));
  // The program folder's own file still seeds the first run.
  ASSERT_TRUE(WriteFileBytes(dir_.Path("program/options.ini"), "[General]\r\nLib=1\r\n"));
  const std::string config = dir_.Path("config");
  Run(Env(config, std::nullopt));
  EXPECT_EQ(main_->SettingsFile(), config + "/quillboard/options.ini");
  EXPECT_EQ(main_->State().library, LibraryId::kCControls);
  main_->View().ToggleShortNames();
  main_->Finish();
  EXPECT_EQ(ReadFileBytes(config + "/quillboard/options.ini"),
            "[General]\r\nLib=1\r\nGrid=1\r\nShortNames=1\r\n"
            "\r\n[Design]\r\nScale=1\r\n");
  EXPECT_EQ(ReadFileBytes(dir_.Path("program/options.ini")), "[General]\r\nLib=1\r\n");

  // The next run reads the user's file.
  main_.reset();
  Run(Env(config, std::nullopt));
  EXPECT_TRUE(main_->State().short_names);
}

}  // namespace
}  // namespace qb::test
