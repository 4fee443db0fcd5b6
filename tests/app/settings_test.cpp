#include "app/settings.h"

#include <gtest/gtest.h>

#include "main_fixture.h"

namespace qb::test {
namespace {

SettingsEnvironment Env(bool writable, std::optional<std::string> xdg,
                        std::optional<std::string> home) {
  return {[writable](const std::string&) { return writable; },
          [xdg, home](const char* name) -> std::optional<std::string> {
            if (std::string(name) == "XDG_CONFIG_HOME") return xdg;
            if (std::string(name) == "HOME") return home;
            return std::nullopt;
          }};
}

TEST(SettingsPath, ProgramFolderWhileItIsWritable) {
  EXPECT_EQ(SettingsPath("/opt/qb", Env(true, "/x", "/home/ann")), "/opt/qb/options.ini");
}

TEST(SettingsPath, UserFolderWhenTheProgramFolderIsReadOnly) {
  EXPECT_EQ(SettingsPath("/opt/qb", Env(false, "/x/cfg", "/home/ann")),
            "/x/cfg/quillboard/options.ini");
  EXPECT_EQ(SettingsPath("/opt/qb", Env(false, std::nullopt, "/home/ann")),
            "/home/ann/.config/quillboard/options.ini");
  // With nowhere else to go the program folder is tried anyway.
  EXPECT_EQ(SettingsPath("/opt/qb", Env(false, std::nullopt, std::nullopt)), "/opt/qb/options.ini");
}

TEST(SettingsPath, TheSystemCheckReallyTriesTheFolder) {
  TempDir dir;
  SettingsEnvironment env = SettingsEnvironment::System();
  EXPECT_TRUE(env.folder_writable(dir.Root().string()));
  EXPECT_FALSE(env.folder_writable(dir.Path("missing")));
  EXPECT_TRUE(std::filesystem::is_empty(dir.Root()));  // the probe is removed
}

TEST(SettingsPath, TheWriteCheckNeverFollowsALinkPlantedBesideTheProgram) {
  TempDir dir;
  ASSERT_TRUE(WriteFileBytes(dir.Path("victim"), "keep me"));
  std::filesystem::create_directory(dir.Path("program"));
  // The name the check once used for its probe.
  std::filesystem::create_symlink(dir.Path("victim"), dir.Path("program/.quillboard-write-test"));
  EXPECT_TRUE(SettingsEnvironment::System().folder_writable(dir.Path("program")));
  EXPECT_EQ(ReadFileBytes(dir.Path("victim")), "keep me");
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
            "[Design]\r\nFormWhite=1\r\n"
            "\r\n[General]\r\nLib=1\r\nGrid=0\r\nShortNames=1\r\n"
            "\r\n[MRU Items]\r\nF0=/a.qbp\r\nF1=/b.qbp\r\n");
  GeneralSettings back = ReadGeneralSettings(path);
  EXPECT_EQ(back.library, LibraryId::kCControls);
  EXPECT_FALSE(back.grid);
  EXPECT_TRUE(back.short_names);
  EXPECT_EQ(back.recent, (std::vector<std::string>{"/a.qbp", "/b.qbp"}));
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
            "[General]\r\nLib=2\r\nGrid=1\r\nShortNames=0\r\n");
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
            "\r\n[MRU Items]\r\nF0=/p/b.qbp\r\nF1=/p/a.qbp\r\n");
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

TEST_F(StartUp, ReadOnlyProgramFolderKeepsTheSettingsInTheUserFolder) {
  std::filesystem::create_directory(dir_.Path("program"));
  // The program folder's own file still seeds the first run.
  ASSERT_TRUE(WriteFileBytes(dir_.Path("program/options.ini"), "[General]\r\nLib=1\r\n"));
  const std::string config = dir_.Path("config");
  Run(Env(false, config, std::nullopt));
  EXPECT_EQ(main_->SettingsFile(), config + "/quillboard/options.ini");
  EXPECT_EQ(main_->State().library, LibraryId::kCControls);
  main_->ToggleShortNames();
  main_->Finish();
  EXPECT_EQ(ReadFileBytes(config + "/quillboard/options.ini"),
            "[General]\r\nLib=1\r\nGrid=1\r\nShortNames=1\r\n");
  EXPECT_EQ(ReadFileBytes(dir_.Path("program/options.ini")), "[General]\r\nLib=1\r\n");

  // The next run reads the user's file.
  main_.reset();
  Run(Env(false, config, std::nullopt));
  EXPECT_TRUE(main_->State().short_names);
}

}  // namespace
}  // namespace qb::test
