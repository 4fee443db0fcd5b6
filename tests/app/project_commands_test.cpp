#include <gtest/gtest.h>

#include "controls/PTLabel.h"
#include "main_fixture.h"

namespace qb::test {
namespace {

using ProjectCommands = MainTest;

TEST_F(ProjectCommands, NewProjectOpensOneFormAndTheInspector) {
  StartProject(LibraryId::kCControls);
  const AppState& s = main_.State();
  EXPECT_EQ(s.library, LibraryId::kCControls);
  EXPECT_EQ(s.project_name, "Project1");
  EXPECT_EQ(s.project_path, "");
  EXPECT_EQ(main_.Caption(), "Quillboard 1.21 - Project1");
  ASSERT_EQ(s.windows.size(), 1u);
  EXPECT_EQ(Window(0).Name(), "Form1");
  EXPECT_EQ(Window(0).Caption(), "Form1.qbf");
  EXPECT_EQ(Window(0).Screen().Title(), "Form1");
  EXPECT_EQ(s.current_window.Get(), &Window(0));
  EXPECT_EQ(s.current_control.Get(), &Window(0).Client());
  EXPECT_TRUE(main_.Inspector().visible);
  EXPECT_TRUE(main_.Checked(Command::kPropertiesEditor));
  EXPECT_EQ(main_.Inspector().bounds.width, 264);
  EXPECT_EQ(main_.Inspector().bounds.height, 346);
  // The window stands 2 pixels right of the inspector.
  EXPECT_EQ(Window(0).WindowLeft(), 266);
  EXPECT_TRUE(main_.Enabled(Command::kGenerateCode));
  EXPECT_EQ(s.status_panels[0], "CControls");
  ASSERT_GE(inspector_.ChooserIndex(), 0);
  EXPECT_EQ(inspector_.ChooserEntries()[inspector_.ChooserIndex()].text,
            Window(0).Name() + ": Form");
  EXPECT_TRUE(Window(0).Active());
  EXPECT_TRUE(ui_.AllAnswersUsed());
}

TEST_F(ProjectCommands, NewProjectDialogPreselectsTheCurrentLibrary) {
  main_.State().library = LibraryId::kPToolboxLib;
  int selected = -1;
  ui_.AnswerDialog([&](DialogModel& d) {
    EXPECT_STREQ(d.DialogId(), "frmNuevoProy");
    auto& dialog = static_cast<TfrmNProyecto&>(d);
    selected = dialog.SelectedIndex();
    return false;
  });
  main_.Project().NewProject();
  EXPECT_EQ(selected, 1);
  EXPECT_EQ(TfrmNProyecto::Entries()[static_cast<std::size_t>(selected)], "PToolBox");
  EXPECT_TRUE(main_.State().project_name.empty());
  EXPECT_TRUE(main_.State().windows.empty());
}

TEST_F(ProjectCommands, ShortNamesNameTheFirstFormFm1) {
  main_.View().ToggleShortNames();
  StartProject(LibraryId::kPToolboxLib);
  EXPECT_EQ(Window(0).Name(), "Fm1");
  EXPECT_EQ(Window(0).Caption(), "Fm1.qbf");
  EXPECT_EQ(Window(0).Screen().Title(), "Fm1");
}

TEST_F(ProjectCommands, TwoVisibleFormsAndOneClosedWriteTwoKeysAndReopenAsTwo) {
  StartProject(LibraryId::kPToolboxLib);
  main_.Forms().NewForm();
  main_.Forms().NewForm();
  ASSERT_EQ(main_.State().windows.size(), 3u);
  Edit(Window(2), [&] {
    auto* label = Window(2).Screen().AddChild(std::make_unique<TPTLabel>(&Window(2).Document()));
    label->SetName("Caption7");
  });
  // Close the middle form without saving it.
  main_.Activate(Window(1));
  ui_.AnswerMessage(kMbNo);
  main_.Forms().CloseForm();
  EXPECT_FALSE(Window(1).Visible());

  const std::string project = Path("p.qbp");
  ui_.AnswerFile(project);            // Save project
  ui_.AnswerFile(Path("one.qbf"));    // Form1
  ui_.AnswerFile(Path("three.qbf"));  // Form3
  ASSERT_TRUE(main_.Project().SaveProject());
  EXPECT_TRUE(ui_.AllAnswersUsed());

  EXPECT_EQ(ReadFileBytes(project),
            "[Project]\r\nName=" + project +
                "\r\nLib=2\r\n"
                "\r\n[Properties]\r\nActive=1\r\nTop=0\r\nLeft=0\r\nWidth=264\r\nHeight=346\r\n"
                "\r\n[Zoom]\r\nActive=0\r\n"
                "\r\n[ActiveForms]\r\nForm0=" +
                Path("one.qbf") + "\r\nForm2=" + Path("three.qbf") + "\r\n");

  // Just saved: nothing to ask about.
  main_.Project().CloseAll();
  EXPECT_TRUE(main_.State().windows.empty());

  ui_.AnswerFile(project);
  main_.Project().OpenProject();
  ASSERT_EQ(main_.State().windows.size(), 2u);
  EXPECT_EQ(Window(0).Name(), "Form1");
  EXPECT_EQ(Window(1).Name(), "Form3");
  EXPECT_EQ(Window(0).Path(), Path("one.qbf"));
  EXPECT_EQ(Window(0).Caption(), "one.qbf");
  ASSERT_NE(Window(1).FindControl("Caption7"), nullptr);
  EXPECT_EQ(Window(1).FindControl("Caption7")->Class(), ControlClass::kPTLabel);
  EXPECT_EQ(main_.State().project_path, project);
  EXPECT_EQ(main_.Caption(), "Quillboard 1.21 - p");
  EXPECT_EQ(main_.Recent().Entries(), std::vector<std::string>{project});
  EXPECT_TRUE(ui_.AllAnswersUsed());
}

TEST_F(ProjectCommands, CaptionAfterSaveProjectHasTheExtensionAfterSaveAsNot) {
  StartProject(LibraryId::kCControls);
  ui_.AnswerFile(Path("demo.qbp"));
  ui_.AnswerFile(Path("f.qbf"));
  ASSERT_TRUE(main_.Project().SaveProjectAs());
  EXPECT_EQ(main_.Caption(), "Quillboard 1.21 - demo");
  EXPECT_EQ(main_.State().project_name, "demo");
  EXPECT_EQ(main_.Recent().Entries(), std::vector<std::string>{Path("demo.qbp")});

  // The form's file exists now: every save asks before replacing it.
  ui_.AnswerMessage(kMbYes);
  ASSERT_TRUE(main_.Project().SaveProject());
  EXPECT_EQ(main_.Caption(), "Quillboard 1.21 - demo.qbp");
  const Shown& question = ui_.ShownLog().back();
  EXPECT_EQ(question.caption, "Save form");
  EXPECT_EQ(question.text, Path("f.qbf") + " already exists. Do you want to replace it?");
  EXPECT_EQ(question.icon, MsgIcon::kWarning);
  EXPECT_EQ(question.buttons, kMbYesNo);
  EXPECT_EQ(question.default_button, kMbNo);
}

TEST_F(ProjectCommands, SaveProjectAsOverAnExistingFileAsksFirst) {
  StartProject(LibraryId::kCControls);
  const std::string project = Path("old.qbp");
  ASSERT_TRUE(WriteFileBytes(project, "[Foreign]\r\nKeep=1\r\n"));
  ui_.AnswerFile(project);
  ui_.AnswerMessage(kMbNo);
  EXPECT_FALSE(main_.Project().SaveProjectAs());
  const Shown& question = ui_.ShownLog().back();
  EXPECT_EQ(question.caption, "New project");
  EXPECT_EQ(question.text, project + " already exists. Do you want to replace it?");
  EXPECT_EQ(question.default_button, kMbNo);
  EXPECT_EQ(main_.State().project_path, "");
  EXPECT_EQ(ReadFileBytes(project), "[Foreign]\r\nKeep=1\r\n");

  ui_.AnswerFile(project);
  ui_.AnswerMessage(kMbYes);
  ui_.AnswerFile(Path("f.qbf"));
  ASSERT_TRUE(main_.Project().SaveProjectAs());
  // Sections the project commands do not write survive a save.
  IniFile ini;
  ASSERT_TRUE(ini.Load(project));
  EXPECT_EQ(ini.ReadString("Foreign", "Keep", ""), "1");
  EXPECT_EQ(ini.SectionNames(),
            (std::vector<std::string>{"Foreign", "Project", "Properties", "Zoom", "ActiveForms"}));
}

TEST_F(ProjectCommands, HiddenInspectorKeepsItsEarlierBounds) {
  StartProject(LibraryId::kCControls);
  main_.Inspector().bounds = {10, 20, 300, 400};
  ui_.AnswerFile(Path("p.qbp"));
  ui_.AnswerFile(Path("f.qbf"));
  ASSERT_TRUE(main_.Project().SaveProject());
  main_.View().TogglePropertiesEditor();
  EXPECT_FALSE(main_.Inspector().visible);
  ui_.AnswerMessage(kMbYes);  // replace f.qbf
  ASSERT_TRUE(main_.Project().SaveProject());
  IniFile ini;
  ASSERT_TRUE(ini.Load(Path("p.qbp")));
  EXPECT_EQ(ini.ReadInteger("Properties", "Active", -1), 0);
  EXPECT_EQ(ini.ReadInteger("Properties", "Width", -1), 300);
  EXPECT_EQ(ini.ReadInteger("Properties", "Left", -1), 10);
}

TEST_F(ProjectCommands, NewProjectCancelledAfterYesKeepsTheSavedProject) {
  StartProject(LibraryId::kCControls);
  ui_.AnswerFile(Path("keep.qbp"));
  ui_.AnswerFile(Path("f.qbf"));
  ASSERT_TRUE(main_.Project().SaveProject());
  ui_.ClearLog();
  Touch(Window(0));

  ui_.AnswerMessage(kMbYes);  // save changes to project keep?
  ui_.AnswerMessage(kMbYes);  // replace f.qbf
  ui_.AnswerDialog([](DialogModel&) { return false; });
  main_.Project().NewProject();

  ASSERT_GE(ui_.ShownLog().size(), 1u);
  EXPECT_EQ(ui_.ShownLog()[0].caption, "Confirm");
  EXPECT_EQ(ui_.ShownLog()[0].text, "Save changes to project keep?");
  EXPECT_EQ(ui_.ShownLog()[0].icon, MsgIcon::kQuestion);
  EXPECT_EQ(ui_.ShownLog()[0].buttons, kMbYesNoCancel);
  EXPECT_EQ(main_.State().project_name, "keep");
  EXPECT_EQ(main_.State().project_path, Path("keep.qbp"));
  EXPECT_EQ(main_.State().windows.size(), 1u);
  EXPECT_EQ(main_.Caption(), "Quillboard 1.21 - keep.qbp");
  EXPECT_TRUE(ui_.AllAnswersUsed());
}

TEST_F(ProjectCommands, CancelOnTheSavePromptStopsTheCommand) {
  StartProject(LibraryId::kCControls);
  Touch(Window(0));
  ui_.AnswerMessage(kMbCancel);
  main_.Project().CloseAll();
  EXPECT_EQ(main_.State().windows.size(), 1u);
  EXPECT_EQ(main_.State().project_name, "Project1");
}

TEST_F(ProjectCommands, YesWhoseSaveIsCancelledDoesNotCloseTheProject) {
  StartProject(LibraryId::kCControls);
  Touch(Window(0));
  ui_.AnswerMessage(kMbYes);
  ui_.AnswerFile(std::nullopt);  // the project's save dialog
  main_.Project().CloseAll();
  EXPECT_EQ(main_.State().project_name, "Project1");
  EXPECT_EQ(main_.State().windows.size(), 1u);
}

TEST_F(ProjectCommands, CloseAllEmptiesEverything) {
  StartProject(LibraryId::kCControls);
  main_.View().ToggleZoom();
  ASSERT_FALSE(inspector_.ChooserEntries().empty());
  Touch(Window(0));
  ui_.AnswerMessage(kMbNo);
  main_.Project().CloseAll();
  const AppState& s = main_.State();
  EXPECT_TRUE(s.windows.empty());
  EXPECT_EQ(s.current_window.Get(), nullptr);
  EXPECT_EQ(s.current_control.Get(), nullptr);
  EXPECT_EQ(s.form_counter, 0);
  EXPECT_EQ(s.project_name, "");
  EXPECT_EQ(main_.Caption(), "Quillboard 1.21");
  EXPECT_FALSE(main_.Zoom().Visible());
  EXPECT_FALSE(main_.Checked(Command::kZoom));
  EXPECT_FALSE(main_.Inspector().visible);
  EXPECT_TRUE(inspector_.ChooserEntries().empty());  // emptied: one blank row, no entries
  EXPECT_EQ(inspector_.RowCount(), 1);
  EXPECT_FALSE(main_.Enabled(Command::kGenerateCode));
}

TEST_F(ProjectCommands, CloseAllWithoutProjectOrFormsAsksNothing) {
  main_.Project().CloseAll();
  EXPECT_TRUE(main_.State().windows.empty());
  EXPECT_TRUE(ui_.ShownLog().empty());
}

TEST_F(ProjectCommands, StaleRecentEntryOpensAsEmptyLibrary1Project) {
  main_.State().library = LibraryId::kPToolboxLib;
  main_.Recent().Assign({Path("gone/old.qbp"), Path("other.qbp")});
  main_.Project().OpenRecent(0);
  const AppState& s = main_.State();
  EXPECT_EQ(s.project_name, "old");
  EXPECT_EQ(s.project_path, Path("gone/old.qbp"));
  EXPECT_EQ(main_.Caption(), "Quillboard 1.21 - old");
  EXPECT_EQ(s.library, LibraryId::kCControls);
  EXPECT_EQ(s.status_panels[0], "CControls");
  EXPECT_TRUE(s.windows.empty());
  EXPECT_TRUE(main_.Enabled(Command::kGenerateCode));
  // Opening through an entry keeps the list's order.
  EXPECT_EQ(main_.Recent().Entries(),
            (std::vector<std::string>{Path("gone/old.qbp"), Path("other.qbp")}));
  EXPECT_TRUE(ui_.ShownLog().empty());
}

TEST_F(ProjectCommands, MissingAndNamelessProjectFormsAreSaidInOneMessage) {
  const std::string project = Path("p.qbp");
  ASSERT_TRUE(WriteFileBytes(Path("a.qbf"), "[FORM]\r\nName=Alpha\r\nLib=1\r\n"));
  ASSERT_TRUE(WriteFileBytes(Path("noname.qbf"), "[FORM]\r\nTitle=T\r\n"));
  ASSERT_TRUE(WriteFileBytes(
      project, "[Project]\r\nLib=1\r\n[ActiveForms]\r\nForm7=" + Path("missing.qbf") +
                   "\r\nForm3=" + Path("noname.qbf") + "\r\nForm1=" + Path("a.qbf") +
                   "\r\n[Properties]\r\nActive=1\r\nLeft=5\r\nTop=6\r\n[Zoom]\r\nActive=1\r\n"
                   "Top=70\r\nLeft=80\r\n"));
  ui_.AnswerFile(project);
  main_.Project().OpenProject();
  ASSERT_EQ(main_.State().windows.size(), 1u);
  EXPECT_EQ(Window(0).Name(), "Alpha");
  EXPECT_EQ(forms_.reads, std::vector<std::string>{Path("a.qbf")});
  EXPECT_TRUE(main_.Inspector().visible);
  EXPECT_EQ(main_.Inspector().bounds.left, 5);
  EXPECT_EQ(main_.Inspector().bounds.top, 6);
  EXPECT_EQ(main_.Inspector().bounds.width, 264);
  EXPECT_EQ(main_.Inspector().bounds.height, 346);
  EXPECT_TRUE(main_.Zoom().Visible());
  EXPECT_EQ(main_.Zoom().Top(), 70);
  EXPECT_EQ(main_.Zoom().Left(), 80);
  EXPECT_EQ(main_.State().current_window.Get(), &Window(0));
  EXPECT_EQ(ui_.Texts(),
            std::vector<std::string>{Path("missing.qbf") + " is missing. It was not opened.\n" +
                                     Path("noname.qbf") +
                                     " is not a Quillboard form: its [FORM] section has no Name."});
  EXPECT_EQ(ui_.ShownLog().back().caption, "Error");
}

TEST_F(ProjectCommands, AFormListedTwiceLoadsOnce) {
  const std::string project = Path("p.qbp");
  ASSERT_TRUE(WriteFileBytes(Path("a.qbf"), "[FORM]\r\nName=Alpha\r\nLib=1\r\n"));
  ASSERT_TRUE(WriteFileBytes(project, "[Project]\r\n[ActiveForms]\r\nForm0=" + Path("a.qbf") +
                                          "\r\nForm1=" + Path("a.qbf") + "\r\n"));
  ui_.AnswerFile(project);
  main_.Project().OpenProject();
  EXPECT_EQ(main_.State().windows.size(), 1u);
}

TEST_F(ProjectCommands, SaveProjectWithoutProjectDoesNothing) {
  EXPECT_FALSE(main_.Project().SaveProject());
  EXPECT_FALSE(main_.Project().SaveProjectAs());
  EXPECT_TRUE(ui_.ShownLog().empty());
}

TEST_F(ProjectCommands, WriteFailureReportsAndAbandonsTheSave) {
  StartProject(LibraryId::kCControls);
  const std::string lost_form = Path("missing/f.qbf");
  ui_.AnswerFile(Path("p.qbp"));
  ui_.AnswerFile(lost_form);
  EXPECT_FALSE(main_.Project().SaveProject());
  EXPECT_EQ(ui_.Texts(), std::vector<std::string>{"Unable to write to " + lost_form});
  EXPECT_FALSE(std::filesystem::exists(Path("p.qbp")));
  EXPECT_EQ(main_.State().project_path, "");
  EXPECT_EQ(Window(0).Caption(), "Form1.qbf");
  // The form is not tied to a file it was never written to.
  EXPECT_EQ(Window(0).Path(), "");

  ui_.ClearLog();
  std::filesystem::create_directory(Path("missing"));
  const std::string unwritable = Path("no/such/folder/p.qbp");
  ui_.AnswerFile(unwritable);
  ui_.AnswerFile(lost_form);
  EXPECT_FALSE(main_.Project().SaveProject());  // the form is written now, the project is not
  EXPECT_EQ(ui_.Texts(), std::vector<std::string>{"Unable to write to " + unwritable});
  EXPECT_EQ(ui_.ShownLog().back().caption, "Error");
  EXPECT_EQ(ui_.ShownLog().back().icon, MsgIcon::kError);
  EXPECT_EQ(main_.Caption(), "Quillboard 1.21 - Project1");
}

}  // namespace
}  // namespace qb::test
