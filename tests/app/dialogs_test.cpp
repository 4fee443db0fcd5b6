#include <gtest/gtest.h>

#include "app/frmAbout.h"
#include "app/frmNuevoProy.h"
#include "app/frmOpciones.h"
#include "support/fake_ui.h"
#include "support/temp_dir.h"

namespace qb::test {
namespace {

TEST(NewProjectDialog, EntriesAndPreselection) {
  EXPECT_EQ(TfrmNProyecto::Entries(), (std::vector<std::string>{"CControls", "PToolBox"}));
  EXPECT_STREQ(TfrmNProyecto::kCaption, "New project");
  EXPECT_STREQ(TfrmNProyecto::kLibraryLabel, "Form &library");
  TfrmNProyecto d;
  d.Show(LibraryId::kPToolboxLib);
  EXPECT_EQ(d.SelectedIndex(), 1);
  EXPECT_EQ(d.Chosen(), LibraryId::kPToolboxLib);
  d.Show(LibraryId::kCControls);
  EXPECT_EQ(d.SelectedIndex(), 0);
  d.SetSelectedIndex(1);
  EXPECT_EQ(d.Chosen(), LibraryId::kPToolboxLib);
  d.SetSelectedIndex(5);  // not an entry: ignored
  EXPECT_EQ(d.Chosen(), LibraryId::kPToolboxLib);
}

TEST(AboutBox, TextsAndLinks) {
  EXPECT_STREQ(TAboutBox::kCaption, "About Quillboard");
  EXPECT_STREQ(TAboutBox::kProductName, "Quillboard");
  EXPECT_STREQ(TAboutBox::kVersion, "Version 1.21");
  FakeUi ui;
  TAboutBox::OpenLink(ui, TAboutBox::kWebLink);
  TAboutBox::OpenLink(ui, TAboutBox::kMailLink);
  EXPECT_EQ(ui.urls_, (std::vector<std::string>{"https://www.quillboard.org/",
                                                "mailto:info@quillboard.org"}));
}

class OptionsDialog : public ::testing::Test {
 protected:
  std::string Ini() const { return dir_.Path("options.ini"); }
  TempDir dir_;
  FakeUi ui_;
  TfrmOpcionesGenerales dialog_;
};

TEST_F(OptionsDialog, MissingFileShowsGreenAndAnEmptyPathAndOkCreatesIt) {
  dialog_.SetActivePage(TfrmOpcionesGenerales::Page::kCode);
  dialog_.Show(Ini());
  EXPECT_EQ(dialog_.ActivePage(), TfrmOpcionesGenerales::Page::kDesign);
  EXPECT_FALSE(dialog_.FormWhite());
  EXPECT_EQ(dialog_.CControlsPath(), "");
  ASSERT_TRUE(dialog_.Ok(ui_));
  EXPECT_EQ(ReadFileBytes(Ini()), "[Design]\r\nFormWhite=0\r\n\r\n[Code]\r\nCControlsPath=\r\n");
}

TEST_F(OptionsDialog, OkStoresBothSettingsBesideTheOthers) {
  ASSERT_TRUE(WriteFileBytes(Ini(), "[General]\r\nLib=1\r\n"));
  dialog_.Show(Ini());
  dialog_.SetFormWhite(true);
  dialog_.SetCControlsPath("/lib/CControls.c");
  ASSERT_TRUE(dialog_.Ok(ui_));
  EXPECT_EQ(ReadFileBytes(Ini()),
            "[General]\r\nLib=1\r\n\r\n[Design]\r\nFormWhite=1\r\n"
            "\r\n[Code]\r\nCControlsPath=/lib/CControls.c\r\n");
  TfrmOpcionesGenerales again;
  again.Show(Ini());
  EXPECT_TRUE(again.FormWhite());
  EXPECT_EQ(again.CControlsPath(), "/lib/CControls.c");
}

TEST_F(OptionsDialog, ClosingWithoutOkStoresNothing) {
  dialog_.Show(Ini());
  dialog_.SetFormWhite(true);  // then closed without OK
  dialog_.Show(Ini());
  EXPECT_FALSE(dialog_.FormWhite());
  EXPECT_FALSE(std::filesystem::exists(Ini()));
}

TEST_F(OptionsDialog, ChooserFillsThePathField) {
  dialog_.Show(Ini());
  ui_.AnswerFile("/src/CControls.c");
  dialog_.ChooseCControlsPath(ui_);
  EXPECT_EQ(dialog_.CControlsPath(), "/src/CControls.c");
  const Shown& chooser = ui_.ShownLog().at(0);
  EXPECT_EQ(chooser.request.title, "Selecct CControls path");
  EXPECT_EQ(chooser.request.filter, "CControls.c|CControls.c");
  ui_.AnswerFile(std::nullopt);
  dialog_.ChooseCControlsPath(ui_);
  EXPECT_EQ(dialog_.CControlsPath(), "/src/CControls.c");
}

TEST_F(OptionsDialog, UnwritableFileIsReported) {
  const std::string path = dir_.Path("file/options.ini");
  ASSERT_TRUE(WriteFileBytes(dir_.Path("file"), "not a folder"));
  dialog_.Show(path);
  EXPECT_FALSE(dialog_.Ok(ui_));
  EXPECT_EQ(ui_.Texts(), std::vector<std::string>{"Unable to write to " + path});
}

}  // namespace
}  // namespace qb::test
