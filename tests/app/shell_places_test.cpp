// Where new windows and the file dialogs open: cascaded forms, and the project's folder.

#include <gtest/gtest.h>

#include <filesystem>

#include "main_fixture.h"

namespace qb::test {
namespace {

using ShellPlaces = MainTest;

TEST_F(ShellPlaces, EachNewFormStepsDownAndRightFromTheOneAtItsPlace) {
  StartProject(LibraryId::kCControls);
  TChildFrm& first = Window(0);
  const int left = first.WindowLeft(), top = first.WindowTop();
  std::vector<TChildFrm*> made = {&main_.Forms().NewForm(), &main_.Forms().NewForm(),
                                  &main_.Forms().NewForm()};
  for (std::size_t i = 0; i < made.size(); ++i) {
    const int step = kCascadeStep * static_cast<int>(i + 1);
    EXPECT_EQ(made[i]->WindowLeft(), left + step) << i;
    EXPECT_EQ(made[i]->WindowTop(), top + step) << i;
  }
}

TEST_F(ShellPlaces, AClosedFormsPlaceIsFreeAgain) {
  StartProject(LibraryId::kCControls);
  TChildFrm& first = Window(0);
  const int left = first.WindowLeft(), top = first.WindowTop();
  ui_.AnswerMessage(kMbNo);
  main_.Forms().CloseForm();
  ASSERT_FALSE(first.Visible());
  TChildFrm& next = main_.Forms().NewForm();
  EXPECT_EQ(next.WindowLeft(), left);
  EXPECT_EQ(next.WindowTop(), top);
}

TEST_F(ShellPlaces, CascadingStopsAtTheEdgeOfTheClientArea) {
  struct Case {
    int client_width, client_height;
    std::vector<int> tops;  // of four windows placed in turn, from a first one at the top
  };
  MainGeometry geometry;
  geometry.frame_width = 8;
  geometry.frame_height = 24;
  // A window is 175 × 250 with its frame; the first stands at (10, 4).
  const Case cases[] = {
      {1000, 1000, {4, 24, 44, 64}},
      {1000, 294, {4, 24, 44, 4}},  // 44 + 250 = 294 fits, 64 does not
      {1000, 253, {4, 4, 4, 4}},
      {224, 1000, {4, 24, 4, 4}},  // 50 + 175 = 225 does not fit
  };
  for (const Case& c : cases) {
    geometry.client_width = c.client_width;
    geometry.client_height = c.client_height;
    std::vector<std::unique_ptr<TChildFrm>> windows;
    std::vector<int> tops;
    for (int i = 0; i < 4; ++i) {
      windows.push_back(std::make_unique<TChildFrm>());
      windows.back()->SetWindowPos(10, 4);
      CascadeWindow(*windows.back(), windows, geometry);
      tops.push_back(windows.back()->WindowTop());
      EXPECT_EQ(windows.back()->WindowLeft(), 10 + (tops.back() - 4));
    }
    EXPECT_EQ(tops, c.tops) << c.client_width << "x" << c.client_height;
  }
}

TEST_F(ShellPlaces, FileDialogsOpenInTheProjectsFolder) {
  std::filesystem::create_directory(Path("work"));
  StartProject(LibraryId::kPToolboxLib);
  // Before any file was chosen there is no folder to offer.
  ui_.AnswerFile(std::nullopt);
  main_.Forms().OpenForm();
  EXPECT_EQ(ui_.ShownLog().back().request.initial_dir, "");

  ui_.AnswerFile(Path("work/demo.qbp"));
  ui_.AnswerFile(Path("work/Form1.qbf"));
  ASSERT_TRUE(main_.Project().SaveProjectAs());
  const std::string folder = Path("work");
  for (Command command : {Command::kOpenForm, Command::kOpenProject, Command::kSaveFormAs}) {
    ui_.ClearLog();
    ui_.AnswerMessage(kMbNo);  // the save question before Open Project
    ui_.AnswerFile(std::nullopt);
    main_.Execute(command);
    ASSERT_FALSE(ui_.ShownLog().empty());
    const Shown& chooser = ui_.ShownLog().back();
    EXPECT_TRUE(chooser.what == "open" || chooser.what == "save") << chooser.what;
    EXPECT_EQ(chooser.request.initial_dir, folder) << static_cast<int>(command);
  }
}

TEST_F(ShellPlaces, WithoutAProjectFileTheLastChosenFolderIsOffered) {
  std::filesystem::create_directory(Path("forms"));
  ASSERT_TRUE(WriteFileBytes(Path("forms/b.qbf"), "[FORM]\r\nName=Beta\r\nLib=2\r\n"));
  main_.State().library = LibraryId::kPToolboxLib;
  ui_.AnswerFile(Path("forms/b.qbf"));
  main_.Forms().OpenForm();
  ui_.ClearLog();
  ui_.AnswerFile(std::nullopt);
  main_.Forms().OpenForm();
  EXPECT_EQ(ui_.ShownLog().back().request.initial_dir, Path("forms"));
}

}  // namespace
}  // namespace qb::test
