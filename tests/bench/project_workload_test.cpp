// The benchmarks' project on disk opens in the main window with every form and control.

#include "workload/project_workload.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "app/Main.h"
#include "app/project_file.h"
#include "form/form_file.h"
#include "support/temp_dir.h"
#include "workload/form_workload.h"
#include "workload/null_ui.h"

namespace qb::bench {
namespace {

TEST(ProjectWorkload, TheMainWindowOpensEveryFormWithEveryControl) {
  test::TempDir dir;
  for (LibraryId lib : {LibraryId::kCControls, LibraryId::kPToolboxLib}) {
    SCOPED_TRACE(static_cast<int>(lib));
    const std::string folder = dir.Path(lib == LibraryId::kCControls ? "cc" : "pt");
    const std::string path = WriteProject(lib, 5, 30, true, folder);
    ASSERT_EQ(path, (std::filesystem::path(folder) / "bench.qbp").string());

    const ProjectFileData data = ReadProjectFile(path, 0, 0);
    EXPECT_EQ(data.library, lib);
    ASSERT_EQ(data.forms.size(), 5u);
    EXPECT_EQ(data.forms[0].first, "Form0");
    EXPECT_EQ(ReadFormName(data.forms[4].second), "Form5");

    NullUi ui;
    TMain main(ui, dir.Path("program"),
               {[](const char*) -> std::optional<std::string> { return std::nullopt; }});
    main.Project().LoadProject(path);
    EXPECT_EQ(ui.messages, 0) << ui.last_message;
    ASSERT_EQ(main.State().windows.size(), 5u);
    for (const auto& window : main.State().windows) EXPECT_EQ(CountControls(*window), 30);
    EXPECT_EQ(main.State().library, lib);
  }
}

TEST(ProjectWorkload, WritingAgainReplacesTheProjectFile) {
  test::TempDir dir;
  WriteProject(LibraryId::kCControls, 4, 10, false, dir.Path("p"));
  const std::string path = WriteProject(LibraryId::kCControls, 2, 10, false, dir.Path("p"));
  EXPECT_EQ(ReadProjectFile(path, 0, 0).forms.size(), 2u);
}

TEST(ProjectWorkload, AFolderThatCannotBeMadeGivesNoPath) {
  test::TempDir dir;
  const std::string blocked = dir.Path("blocker");
  {
    IniFile ini;
    ini.WriteString("a", "b", "c");
    ASSERT_TRUE(ini.Save(blocked));
  }
  EXPECT_EQ(WriteProject(LibraryId::kCControls, 1, 1, false, blocked + "/inside"), "");
}

}  // namespace
}  // namespace qb::bench
