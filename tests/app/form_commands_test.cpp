#include <gtest/gtest.h>

#include "main_fixture.h"

namespace qb::test {
namespace {

using FormCommands = MainTest;

TEST_F(FormCommands, OpenFormOnAnOpenHiddenFileOnlyBringsItToTheFront) {
  StartProject(LibraryId::kCControls);
  ui_.AnswerFile(Path("a.qbf"));
  main_.Forms().SaveForm();
  main_.Forms().NewForm();
  TChildFrm& first = Window(0);
  main_.Activate(first);
  ui_.AnswerMessage(kMbNo);
  main_.Forms().CloseForm();
  ASSERT_FALSE(first.Visible());
  EXPECT_EQ(main_.FrontWindow(), &Window(1));

  ui_.ClearLog();
  ui_.AnswerFile(Path("a.qbf"));
  main_.Forms().OpenForm();
  EXPECT_EQ(main_.State().windows.size(), 2u);
  EXPECT_TRUE(first.Visible());
  EXPECT_EQ(main_.FrontWindow(), &first);
  EXPECT_TRUE(forms_.reads.empty());
  EXPECT_TRUE(ui_.Texts().empty());
}

TEST_F(FormCommands, OpenFormReadsAFormOfTheCurrentLibrary) {
  main_.State().library = LibraryId::kPToolboxLib;
  ASSERT_TRUE(WriteFileBytes(Path("b.qbf"), "[FORM]\r\nName=Beta\r\nTitle=Hello\r\nLib=2\r\n"));
  ui_.AnswerFile(Path("b.qbf"));
  main_.Forms().OpenForm();
  const Shown& chooser = ui_.ShownLog().at(0);
  EXPECT_EQ(chooser.what, "open");
  EXPECT_EQ(chooser.request.title, "Open Form");
  EXPECT_EQ(chooser.request.filter, "Quillboard Form (*.qbf)|*.qbf");
  EXPECT_EQ(chooser.request.default_ext, "qbf");
  ASSERT_EQ(main_.State().windows.size(), 1u);
  EXPECT_EQ(Window(0).Name(), "Beta");
  EXPECT_EQ(Window(0).Screen().Title(), "Hello");
  EXPECT_EQ(main_.State().current_window.Get(), &Window(0));
  EXPECT_EQ(main_.FrontWindow(), &Window(0));
  EXPECT_TRUE(Window(0).Active());
}

TEST_F(FormCommands, FormOfTheOtherLibraryIsRefused) {
  struct Case {
    LibraryId current;
    const char* form;
  };
  const Case cases[] = {
      {LibraryId::kPToolboxLib, "[FORM]\r\nName=A\r\nLib=1\r\n"},
      {LibraryId::kCControls, "[FORM]\r\nName=A\r\nLib=2\r\n"},
      {LibraryId::kCControls, "[FORM]\r\nName=A\r\n"},  // no Lib: refused in either library
      {LibraryId::kPToolboxLib, "[FORM]\r\nName=A\r\n"},
  };
  for (const Case& c : cases) {
    main_.State().library = c.current;
    ASSERT_TRUE(WriteFileBytes(Path("x.qbf"), c.form));
    ui_.ClearLog();
    ui_.AnswerFile(Path("x.qbf"));
    main_.Forms().OpenForm();
    EXPECT_TRUE(main_.State().windows.empty()) << c.form;
    ASSERT_EQ(ui_.ShownLog().size(), 2u);
    const Shown& error = ui_.ShownLog()[1];
    EXPECT_EQ(error.caption, "Error");
    EXPECT_EQ(error.text, Path("x.qbf") + " format is not of the current library");
    EXPECT_EQ(error.icon, MsgIcon::kError);
    EXPECT_EQ(error.buttons, kMbOk);
  }
}

// A form without a name is not ours and is refused aloud; a vanished file or a cancelled
// dialog opens nothing and says nothing.
TEST_F(FormCommands, FormWithoutNameIsRefusedAndAbsentOneIgnored) {
  main_.State().library = LibraryId::kCControls;
  ASSERT_TRUE(WriteFileBytes(Path("x.qbf"), "[FORM]\r\nName=\r\nLib=1\r\n"));
  ui_.AnswerFile(Path("x.qbf"));
  main_.Forms().OpenForm();
  ui_.AnswerFile(Path("absent.qbf"));
  main_.Forms().OpenForm();
  ui_.AnswerFile(std::nullopt);
  main_.Forms().OpenForm();
  EXPECT_TRUE(main_.State().windows.empty());
  EXPECT_EQ(ui_.Texts(),
            std::vector<std::string>{Path("x.qbf") +
                                     " is not a Quillboard form: its [FORM] section has no Name."});
}

TEST_F(FormCommands, SaveFormAsksForAPathOnlyOnce) {
  StartProject(LibraryId::kCControls);
  ui_.AnswerFile(Path("a.qbf"));
  main_.Forms().SaveForm();
  const Shown& dialog = ui_.ShownLog().at(1);
  EXPECT_EQ(dialog.what, "save");
  EXPECT_EQ(dialog.request.title, "Save Form");
  EXPECT_EQ(dialog.request.filter, "Quillboard form (*.qbf)|*.qbf");
  EXPECT_EQ(dialog.request.default_ext, "qbf");
  EXPECT_EQ(dialog.request.file_name, "Form1.qbf");
  EXPECT_EQ(Window(0).Path(), Path("a.qbf"));
  EXPECT_EQ(Window(0).Caption(), "a.qbf");

  ui_.ClearLog();
  ui_.AnswerMessage(kMbNo);  // keep the file
  main_.Forms().SaveForm();
  ASSERT_EQ(ui_.ShownLog().size(), 1u);
  EXPECT_EQ(ui_.ShownLog()[0].text, Path("a.qbf") + " already exists. Do you want to replace it?");
  EXPECT_EQ(forms_.writes.size(), 1u);

  ui_.ClearLog();
  ui_.AnswerFile(Path("b.qbf"));
  main_.Forms().SaveFormAs();
  EXPECT_EQ(ui_.ShownLog().at(0).request.file_name, Path("a.qbf"));
  EXPECT_EQ(Window(0).Caption(), "b.qbf");
  EXPECT_EQ(forms_.writes.back(), Path("b.qbf"));
}

TEST_F(FormCommands, CancelledSaveDialogLeavesTheFormAsItWas) {
  StartProject(LibraryId::kCControls);
  ui_.AnswerFile(std::nullopt);
  EXPECT_EQ(main_.Forms().SaveFormFile(Window(0), false), FormSaveResult::kCancelled);
  EXPECT_EQ(Window(0).Path(), "");
  EXPECT_EQ(Window(0).Caption(), "Form1.qbf");
  EXPECT_TRUE(forms_.writes.empty());
}

TEST_F(FormCommands, SaveFormWithoutCurrentWindowDoesNothing) {
  main_.Forms().SaveForm();
  main_.Forms().SaveFormAs();
  main_.Forms().CloseForm();
  EXPECT_TRUE(ui_.ShownLog().empty());
}

TEST_F(FormCommands, CloseFormAsksAndHidesTheCurrentWindow) {
  StartProject(LibraryId::kCControls);
  main_.Forms().NewForm();
  TChildFrm& second = Window(1);
  ASSERT_EQ(main_.State().current_window.Get(), &second);

  ui_.AnswerMessage(kMbCancel);
  main_.Forms().CloseForm();
  EXPECT_TRUE(second.Visible());
  const Shown& question = ui_.ShownLog().back();
  EXPECT_EQ(question.caption, "Confirm");
  EXPECT_EQ(question.text, "Save changes to form Form2?");
  EXPECT_EQ(question.icon, MsgIcon::kQuestion);
  EXPECT_EQ(question.buttons, kMbYesNoCancel);

  ui_.AnswerMessage(kMbYes);
  ui_.AnswerFile(Path("two.qbf"));
  main_.Forms().CloseForm();
  EXPECT_FALSE(second.Visible());
  EXPECT_EQ(forms_.writes, std::vector<std::string>{Path("two.qbf")});
  // The closed window is no longer current; its controls stay loaded.
  EXPECT_EQ(main_.State().current_window.Get(), nullptr);
  EXPECT_EQ(main_.State().current_control.Get(), nullptr);
  EXPECT_EQ(main_.State().windows.size(), 2u);
  EXPECT_EQ(main_.WindowsFrontToBack(), std::vector<TChildFrm*>{&Window(0)});
}

TEST_F(FormCommands, CloseFormWhoseSaveIsCancelledStaysOpen) {
  StartProject(LibraryId::kCControls);
  ui_.AnswerMessage(kMbYes);
  ui_.AnswerFile(std::nullopt);
  main_.Forms().CloseForm();
  EXPECT_TRUE(Window(0).Visible());
  EXPECT_EQ(main_.State().current_window.Get(), &Window(0));
}

TEST_F(FormCommands, NewFormSkipsNamesOfOpenForms) {
  StartProject(LibraryId::kCControls);
  ASSERT_TRUE(WriteFileBytes(Path("f2.qbf"), "[FORM]\r\nName=form2\r\nLib=1\r\n"));
  ui_.AnswerFile(Path("f2.qbf"));
  main_.Forms().OpenForm();
  TChildFrm& made = main_.Forms().NewForm();
  EXPECT_EQ(made.Name(), "Form3");
  EXPECT_EQ(main_.State().form_counter, 3);
}

TEST_F(FormCommands, NewFormWithoutProjectKeepsTheInspectorHidden) {
  TChildFrm& w = main_.Forms().NewForm();
  EXPECT_FALSE(main_.Inspector().visible);
  EXPECT_TRUE(w.Visible());
  // Placed below the dock, right of where the inspector would stand.
  main_.Geometry().dock_height = 50;
  TChildFrm& second = main_.Forms().NewForm();
  EXPECT_EQ(second.WindowLeft(), 268);
  EXPECT_EQ(second.WindowTop(), 54);
}

TEST_F(FormCommands, NewFormTakesTheGridOption) {
  TChildFrm& off = main_.Forms().NewForm();
  EXPECT_EQ(off.Screen().GridVisible(), 0);
  EXPECT_EQ(off.Snap().GridSize(), 1);
  main_.View().ToggleGrid();
  TChildFrm& on = main_.Forms().NewForm();
  EXPECT_EQ(on.Screen().GridVisible(), 1);
  EXPECT_EQ(on.Screen().GridSpace(), 6);
  EXPECT_EQ(on.Snap().GridSize(), 4);
  EXPECT_EQ(on.SnapDialog().GridSize(), 4);
}

}  // namespace
}  // namespace qb::test
