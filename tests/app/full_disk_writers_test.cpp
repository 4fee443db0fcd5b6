// Every writer of the program on a full disk: the write fails, says so, and the file it
// would have replaced stays byte for byte; no temporary file is left beside it.

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>

#include "app/project_file.h"
#include "app/settings.h"
#include "codegen/code_settings.h"
#include "codegen/default_icons.h"
#include "codegen/generate_files.h"
#include "controls/CCButton.h"
#include "controls/png_writer.h"
#include "form/ChildFor.h"
#include "form/form_file.h"
#include "support/fake_ui.h"
#include "support/full_disk.h"
#include "support/temp_dir.h"

namespace qb::test {
namespace {

struct Writer {
  const char* what;
  const char* file_name;
  // Writes the writer's new content to the path; true when it says it did.
  std::function<bool(const std::string&)> write;
};

bool SaveForm(const std::string& path) {
  TChildFrm form;
  form.SetName("Big");
  for (int i = 0; i < 200; ++i)
    form.Screen()
        .AddChild(std::make_unique<TCCButton>(&form.Document()))
        ->SetName("B" + std::to_string(i));
  FakeUi ui;
  const bool ok = WriteForm(LibraryId::kCControls, form, path, ui);
  // A failed save tells the user where.
  if (!ok) {
    EXPECT_EQ(ui.Texts(), std::vector<std::string>{"Unable to write to " + path});
  }
  return ok;
}

bool SaveProject(const std::string& path) {
  ProjectFileData data;
  for (int i = 0; i < 300; ++i)
    data.forms.emplace_back(ActiveFormKey(static_cast<std::size_t>(i)),
                            "/some/folder/form" + std::to_string(i) + ".qbf");
  return WriteProjectFile(path, data);
}

bool SaveOptions(const std::string& path) {
  GeneralSettings settings;
  for (int i = 0; i < 10; ++i) settings.recent.push_back("/projects/" + std::string(1000, 'p'));
  return WriteGeneralSettings(path, settings);
}

bool SaveCodeKeys(const std::string& path) {
  return UpdateProjectFile(
      path, [](IniFile& ini) { ini.WriteString("Code", "AppName", std::string(5000, 'a')); });
}

bool SaveText(const std::string& path) {
  return WriteTextLines(path, std::vector<std::string>(500, "int main(void) { return 0; }"));
}

bool SaveIcon(const std::string& path) { return qb::WriteFileBytes(path, DefaultIconBmp(true, 8)); }

// A picture of scattered colours: its compressed bytes are more than the largest room below.
bool SavePng(const std::string& path) {
  PalmCanvas canvas(160, 160, kRed);
  std::uint32_t seed = 12345;
  for (int y = 0; y < 160; ++y)
    for (int x = 0; x < 160; ++x) {
      seed = seed * 1103515245u + 12345u;
      canvas.SetPixel(x, y, static_cast<Color>((seed >> 8) & 0xFFFFFF));
    }
  return WritePng(path, canvas, 2);
}

const Writer kWriters[] = {
    {"form", "form.qbf", SaveForm},
    {"project", "p.qbp", SaveProject},
    {"options", "options.ini", SaveOptions},
    {"generate keys of the project", "q.qbp", SaveCodeKeys},
    {"generated text and temporary text", "Demo.pc", SaveText},
    {"icon", "large8.bmp", SaveIcon},
    {"picture", "form.png", SavePng},
};

// What was there before: an INI text, so that the readers among the writers can load it.
const std::string kOld = "[Project]\r\nName=old\r\nLib=1\r\n\r\n[Code]\r\nAppName=Old\r\n";

class FullDisk : public ::testing::TestWithParam<Writer> {};

TEST_P(FullDisk, WritesWhenThereIsRoom) {
  TempDir dir;
  const std::string path = dir.Path(GetParam().file_name);
  ASSERT_TRUE(WriteFileBytes(path, kOld));
  EXPECT_TRUE(GetParam().write(path));
  EXPECT_NE(ReadFileBytes(path), kOld);
  EXPECT_EQ(FolderListing(dir.Root().string()), std::string(GetParam().file_name) + "\n");
}

TEST_P(FullDisk, AWriteFailingHalfwayKeepsTheOldFile) {
  for (std::size_t allowed : {0, 1, 100, 2000}) {
    TempDir dir;
    const std::string path = dir.Path(GetParam().file_name);
    ASSERT_TRUE(WriteFileBytes(path, kOld));
    {
      FailingWrites disk_full(allowed);
      EXPECT_FALSE(GetParam().write(path)) << allowed;
      EXPECT_GT(disk_full.Attempted(), allowed) << "the content is larger than the room";
    }
    EXPECT_EQ(ReadFileBytes(path), kOld) << allowed;
    EXPECT_EQ(FolderListing(dir.Root().string()), std::string(GetParam().file_name) + "\n");
  }
}

TEST_P(FullDisk, AFullTmpfsKeepsTheOldFile) {
  FullTmpfs disk;
  if (!disk.Mounted()) GTEST_SKIP() << "mounting a tmpfs is not allowed here";
  const std::string path = disk.Path(GetParam().file_name);
  ASSERT_TRUE(WriteFileBytes(path, kOld));
  disk.FillUp();
  EXPECT_FALSE(GetParam().write(path));
  EXPECT_EQ(ReadFileBytes(path), kOld);
  const std::string name = GetParam().file_name;
  EXPECT_EQ(FolderListing(disk.Path("")),
            name < "filler" ? name + "\nfiller\n" : "filler\n" + name + "\n");
}

INSTANTIATE_TEST_SUITE_P(EveryWriter, FullDisk, ::testing::ValuesIn(kWriters),
                         [](const auto& info) {
                           std::string name = info.param.what;
                           for (char& c : name)
                             if (c == ' ') c = '_';
                           return name;
                         });

}  // namespace
}  // namespace qb::test
