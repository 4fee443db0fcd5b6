#include <gtest/gtest.h>

#include "controls/CCButton.h"
#include "controls/PTDialog.h"
#include "form/edit_transaction.h"
#include "main_fixture.h"
#include "model/user_error.h"

namespace qb::test {
namespace {

using MainCommands = MainTest;

TPTDialog& AddDialog(AppState& state, TChildFrm& w, bool shown) {
  EditTransaction edit(state, &w, "Add");
  auto* d =
      static_cast<TPTDialog*>(w.Screen().AddChild(std::make_unique<TPTDialog>(&w.Document())));
  d->SetTag(shown ? 1 : 0);
  d->SetVisible(shown);
  return *d;
}

TEST_F(MainCommands, GridReachesEveryFormAndDialogShownOrHidden) {
  StartProject(LibraryId::kPToolboxLib);
  main_.Forms().NewForm();
  TPTDialog& shown = AddDialog(main_.State(), Window(0), true);
  TPTDialog& hidden = AddDialog(main_.State(), Window(0), false);
  TPTDialog& other = AddDialog(main_.State(), Window(1), true);
  // The second form is closed (hidden) but still loaded.
  Window(1).SetVisible(false);

  main_.View().ToggleGrid();
  EXPECT_TRUE(main_.Checked(Command::kGrid));
  for (std::size_t i = 0; i < 2; ++i) {
    EXPECT_EQ(Window(i).Screen().GridVisible(), 1);
    EXPECT_EQ(Window(i).Screen().GridSpace(), 6);
    EXPECT_EQ(Window(i).Snap().GridSize(), 4);
    EXPECT_EQ(Window(i).SnapDialog().GridSize(), 4);
  }
  for (TPTDialog* d : {&shown, &hidden, &other}) {
    EXPECT_EQ(d->GridVisible(), 1);
    EXPECT_EQ(d->GridSpace(), 6);
  }

  main_.View().ToggleGrid();
  EXPECT_FALSE(main_.Checked(Command::kGrid));
  for (std::size_t i = 0; i < 2; ++i) {
    EXPECT_EQ(Window(i).Screen().GridVisible(), 0);
    EXPECT_EQ(Window(i).Screen().GridSpace(), 6);  // the spacing stays
    EXPECT_EQ(Window(i).Snap().GridSize(), 1);
    EXPECT_EQ(Window(i).SnapDialog().GridSize(), 1);
  }
  for (TPTDialog* d : {&shown, &hidden, &other}) {
    EXPECT_EQ(d->GridVisible(), 0);
    EXPECT_EQ(d->GridSpace(), 6);
  }
}

TEST_F(MainCommands, ShortNamesShowInTheSecondPanel) {
  main_.Execute(Command::kShortNames);
  EXPECT_TRUE(main_.State().short_names);
  EXPECT_TRUE(main_.Checked(Command::kShortNames));
  EXPECT_EQ(main_.State().status_panels[1], "Short names");
  main_.Execute(Command::kShortNames);
  EXPECT_FALSE(main_.State().short_names);
  EXPECT_EQ(main_.State().status_panels[1], "");
}

TEST_F(MainCommands, GenerateCodeIsDisabledWithoutProject) {
  EXPECT_FALSE(main_.Enabled(Command::kGenerateCode));
  main_.Execute(Command::kGenerateCode);
  main_.Execute(Command::kGenerateButton);
  EXPECT_TRUE(ui_.ShownLog().empty());
  EXPECT_EQ(generate_.shown, 0);
  EXPECT_TRUE(main_.State().cursor_keys_active);
}

TEST_F(MainCommands, GenerateCodeOfAnUnsavedProjectLeadsToSaveAs) {
  StartProject(LibraryId::kCControls);
  ui_.ClearLog();
  ui_.AnswerFile(std::nullopt);
  main_.Execute(Command::kGenerateCode);
  ASSERT_EQ(ui_.ShownLog().size(), 2u);
  const Shown& info = ui_.ShownLog()[0];
  EXPECT_EQ(info.caption, "Information");
  EXPECT_EQ(info.text, "You must save the project before code generation");
  EXPECT_EQ(info.icon, MsgIcon::kInformation);
  EXPECT_EQ(info.buttons, kMbOk);
  EXPECT_EQ(ui_.ShownLog()[1].what, "save");
  EXPECT_EQ(ui_.ShownLog()[1].request.title, "Save project");
  EXPECT_EQ(generate_.shown, 0);
  EXPECT_EQ(ui_.ModalDepth(), 0);
}

TEST_F(MainCommands, GenerateButtonTurnsCursorKeysOffAndShowsTheDialog) {
  StartProject(LibraryId::kCControls);
  ui_.AnswerFile(Path("p.qbp"));
  ui_.AnswerFile(Path("f.qbf"));
  ASSERT_TRUE(main_.Project().SaveProject());
  int depth_seen = -1;
  struct Probe : GenerateLink {
    Ui* ui;
    int* depth;
    void ShowGenerateDialog() override { *depth = ui->ModalDepth(); }
  } probe;
  probe.ui = &ui_;
  probe.depth = &depth_seen;
  main_.SetGenerate(&probe);
  main_.Execute(Command::kGenerateButton);
  EXPECT_FALSE(main_.State().cursor_keys_active);
  EXPECT_EQ(main_.State().status_panels[2], "");
  EXPECT_GT(depth_seen, 0);  // the zoom is paused while the dialog is up
  EXPECT_EQ(ui_.ModalDepth(), 0);
}

TEST_F(MainCommands, PropertiesEditorShowsOnlyWithAProject) {
  main_.Execute(Command::kPropertiesEditor);
  EXPECT_FALSE(main_.Inspector().visible);
  StartProject(LibraryId::kCControls);
  main_.Execute(Command::kPropertiesEditor);
  EXPECT_FALSE(main_.Checked(Command::kPropertiesEditor));
  main_.Execute(Command::kPropertiesEditor);
  EXPECT_TRUE(main_.Checked(Command::kPropertiesEditor));
}

TEST_F(MainCommands, ZoomTogglesWithItsCheckMark) {
  main_.Execute(Command::kZoom);
  EXPECT_TRUE(main_.Checked(Command::kZoom));
  EXPECT_TRUE(main_.Zoom().Refreshing());
  main_.Execute(Command::kZoom);
  EXPECT_FALSE(main_.Checked(Command::kZoom));
  EXPECT_FALSE(main_.Zoom().Refreshing());
}

TEST_F(MainCommands, ArrowKeysMoveTheCurrentControlByTheStep) {
  TChildFrm& w = main_.Forms().NewForm();
  TCCButton* button = nullptr;
  Edit(w, [&] {
    button =
        static_cast<TCCButton*>(w.Screen().AddChild(std::make_unique<TCCButton>(&w.Document())));
    button->SetBounds(20, 30, 36, 16);
  });
  main_.State().current_control.Reset(button);

  main_.KeyPress(DesignerKey::kRight);  // grid option off: one pixel
  EXPECT_EQ(button->Left(), 21);
  main_.View().ToggleGrid();
  main_.KeyPress(DesignerKey::kDown);  // grid on, grid step on: four, not rounded
  EXPECT_EQ(button->Top(), 34);
  main_.KeyPress(DesignerKey::kSpace);
  EXPECT_FALSE(main_.State().grid_step);
  EXPECT_EQ(main_.State().status_panels[2], "Cursor keys activated - Single Step");
  main_.KeyPress(DesignerKey::kLeft);
  main_.KeyPress(DesignerKey::kUp);
  EXPECT_EQ(button->Left(), 20);
  EXPECT_EQ(button->Top(), 33);
  main_.KeyPress(DesignerKey::kSpace);
  EXPECT_EQ(main_.State().status_panels[2], "Cursor keys activated - Grid Step");

  CursorKeysOff(main_.State());
  main_.KeyPress(DesignerKey::kRight);
  EXPECT_EQ(button->Left(), 20);
}

TEST_F(MainCommands, DeleteKeyAndToolbarButtonsRunTheCurrentWindowsEntries) {
  main_.Execute(Command::kAlignLeft);  // no window: nothing to act on
  main_.KeyPress(DesignerKey::kDelete);
  TChildFrm& w = main_.Forms().NewForm();
  TCCButton* left = nullptr;
  TCCButton* right = nullptr;
  Edit(w, [&] {
    left = static_cast<TCCButton*>(w.Screen().AddChild(std::make_unique<TCCButton>(&w.Document())));
    right =
        static_cast<TCCButton*>(w.Screen().AddChild(std::make_unique<TCCButton>(&w.Document())));
    left->SetBounds(20, 30, 36, 16);
    right->SetBounds(60, 60, 36, 16);
  });
  left->SetSelected(true);
  main_.State().current_control.Reset(left);
  main_.Execute(Command::kCenterHorizontally);  // the marked button, in the 160-pixel panel
  EXPECT_EQ(left->Left(), (w.Screen().Width() - 36) / 2);
  EXPECT_EQ(right->Left(), 60);

  main_.State().current_control.Reset(left);
  main_.KeyPress(DesignerKey::kDelete);
  ASSERT_EQ(w.Screen().Children().size(), 1u);
  EXPECT_EQ(w.Screen().Children().front().get(), right);
}

TEST_F(MainCommands, ExitOfAnUnchangedProjectAsksNothing) {
  StartProject(LibraryId::kCControls);
  ui_.ClearLog();
  main_.Execute(Command::kExit);
  EXPECT_TRUE(main_.QuitRequested());
  EXPECT_TRUE(ui_.ShownLog().empty());
}

TEST_F(MainCommands, ExitAsksAboutTheProject) {
  StartProject(LibraryId::kCControls);
  Touch(Window(0));
  ui_.AnswerMessage(kMbCancel);
  main_.Execute(Command::kExit);
  EXPECT_FALSE(main_.QuitRequested());
  ui_.AnswerMessage(kMbNo);
  main_.Execute(Command::kExit);
  EXPECT_TRUE(main_.QuitRequested());
}

TEST_F(MainCommands, UserErrorsReachTheStandardErrorBox) {
  // A paste under a name the form already holds.
  TChildFrm& w = main_.Forms().NewForm();
  TCCButton* button = nullptr;
  Edit(w, [&] {
    button =
        static_cast<TCCButton*>(w.Screen().AddChild(std::make_unique<TCCButton>(&w.Document())));
    button->SetName("Button1");
  });
  main_.State().current_control.Reset(button);
  main_.Execute(Command::kCopy);
  Edit(w, [&] { button->SetName("copiado"); });
  ui_.ClearLog();
  main_.Execute(Command::kPaste);
  ASSERT_EQ(ui_.ShownLog().size(), 1u);
  EXPECT_EQ(ui_.ShownLog()[0].what, "error");
  EXPECT_EQ(ui_.ShownLog()[0].text, "A component named Copiado already exists");
  EXPECT_EQ(w.Screen().Children().size(), 1u);
}

TEST_F(MainCommands, HelpAboutAndOptionsGoThroughUi) {
  std::filesystem::create_directories(Path("program/manual"));
  ASSERT_TRUE(WriteFileBytes(Path("program/manual/index.html"), "<html></html>"));
  main_.Execute(Command::kHelpContents);
  EXPECT_EQ(ui_.help_, std::vector<std::string>{Path("program/manual/index.html")});
  ui_.AnswerDialog([](DialogModel& d) {
    EXPECT_STREQ(d.DialogId(), "frmAbout");
    return true;
  });
  main_.Execute(Command::kAbout);
  ui_.AnswerDialog([](DialogModel& d) {
    EXPECT_STREQ(d.DialogId(), "frmOpciones");
    static_cast<TfrmOpcionesGenerales&>(d).SetFormWhite(true);
    return true;
  });
  main_.Execute(Command::kOptions);
  IniFile ini;
  ASSERT_TRUE(ini.Load(Path("program/options.ini")));
  EXPECT_EQ(ini.ReadString("Design", "FormWhite", ""), "1");
  EXPECT_TRUE(ui_.AllAnswersUsed());
}

TEST_F(MainCommands, RecentListCommands) {
  ASSERT_TRUE(WriteFileBytes(Path("here.qbp"), ""));
  main_.Recent().Assign({Path("gone.qbp"), Path("here.qbp")});
  EXPECT_TRUE(main_.Visible(Command::kRecentProjects));
  main_.Execute(Command::kRemoveObsoleteRecent);
  EXPECT_EQ(main_.Recent().Entries(), std::vector<std::string>{Path("here.qbp")});
  main_.Execute(Command::kClearRecent);
  EXPECT_TRUE(main_.Recent().Empty());
  EXPECT_FALSE(main_.Visible(Command::kRecentProjects));
  EXPECT_TRUE(main_.Visible(Command::kNewForm));
}

TEST_F(MainCommands, PaletteFollowsTheProjectsLibrary) {
  main_.PressPalette(PaletteButton::kGsi);
  StartProject(LibraryId::kCControls);
  EXPECT_EQ(main_.State().status_panels[0], "CControls");
  // GSI is not a CControls kind: its button is hidden and released.
  EXPECT_EQ(main_.State().pressed_button, PaletteButton::kNone);
  int visible = 0;
  for (const PaletteButtonView& b : main_.Palette()) visible += b.visible;
  EXPECT_EQ(visible, 14);
}

}  // namespace
}  // namespace qb::test
