// Generate Code opens the one generate dialog on the saved project, its forms in the order
// they were last activated.

#include "app/generate_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "main_fixture.h"

namespace qb::test {
namespace {

class GenerateCommandTest : public MainTest {
 protected:
  GenerateCommandTest()
      : command_(ui_, main_.State(),
                 GenerateCommand::FoldersFor(
                     main_.ProgramDir(), SettingsPath(main_.ProgramDir(), WritableEnvironment()))) {
    main_.SetGenerate(&command_);
  }
  GenerateCommand command_;
};

TEST_F(GenerateCommandTest, FoldersOfTheConverterAndItsTexts) {
  const GenerateFolders folders =
      GenerateCommand::FoldersFor("/opt/qb", "/home/u/.config/qb/options.ini");
  EXPECT_EQ(folders.program_dir, "/opt/qb");
  EXPECT_EQ(folders.work_dir, "/home/u/.config/qb");
  EXPECT_EQ(command_.Dialog().Folders().work_dir, main_.ProgramDir());
}

TEST_F(GenerateCommandTest, ShowsTheDialogOnTheSavedProject) {
  StartProject(LibraryId::kPToolboxLib);
  main_.Forms().NewForm();
  main_.Forms().NewForm();
  main_.Activate(Window(0));
  ui_.AnswerMessage(kMbNo);  // do not save Form2 before closing it
  main_.Forms().CloseFormWindow(Window(1));
  ui_.AnswerFile(Path("Demo.qbp"));
  ui_.AnswerFile(Path("f1.qbf"));
  ui_.AnswerFile(Path("f3.qbf"));
  ASSERT_TRUE(main_.Project().SaveProjectAs());
  ui_.ClearLog();

  std::vector<std::string> names;
  std::string caption;
  ui_.AnswerDialog([&](DialogModel& model) {
    auto& dialog = static_cast<TfrmGenerate&>(model);
    names = dialog.FormNames();
    caption = dialog.Caption();
    dialog.Generate();
    dialog.Exit();
    return true;
  });
  main_.Execute(Command::kGenerateCode);
  ASSERT_EQ(ui_.ShownLog().size(), 1u);
  EXPECT_EQ(ui_.ShownLog()[0].caption, "TfrmGenerate");
  EXPECT_EQ(caption, "Quillboard 1.21 - Generate code - PToolboxLib");
  EXPECT_EQ(names, (std::vector<std::string>{"Form1", "Form3"}));
  IniFile project;
  ASSERT_TRUE(project.Load(Path("Demo.qbp")));
  EXPECT_EQ(project.ReadString("Code", "FirstForm", ""), "Form1");
  EXPECT_EQ(project.ReadString("Code", "Color", ""), "1");
  EXPECT_TRUE(ui_.AllAnswersUsed());
}

}  // namespace
}  // namespace qb::test
