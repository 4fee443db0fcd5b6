// quillboard-cli map, run as the program it is: every form's render picture found pixel for
// pixel in the map it writes, at scale 1 and 3, and its errors and exit statuses.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "cli_run.h"
#include "support/png_reader.h"
#include "support/temp_dir.h"

namespace qb {
namespace {

using test::CliRun;
using test::PngImage;
using test::Quote;
using test::ReadPng;
using test::RunCli;
using test::TempDir;

// The manual's three-form project: Main (a dialog and a pop-up list), Edit, Setup.
const std::string kForms = std::string(QB_TEST_DATA_DIR) + "/../../docs/manual/map/";
const char* const kFormFiles[] = {"pt-map-main.qbf", "pt-map-edit.qbf", "pt-map-setup.qbf"};

std::string WriteProject(const TempDir& dir, const std::string& name, bool with_forms = true) {
  const std::string path = dir.Path(name);
  std::ofstream out(path, std::ios::binary);
  out << "[Project]\r\nLib=2\r\n\r\n[ActiveForms]\r\n";
  if (with_forms)
    for (int i = 0; i < 3; ++i)
      out << "Form" << i << "=" << std::filesystem::absolute(kForms + kFormFiles[i]).string()
          << "\r\n";
  out << "\r\n[Code]\r\nFirstForm=Main\r\n";
  return path;
}

// Where part lies in whole pixel for pixel; {-1, -1} when nowhere.
std::pair<int, int> Find(const PngImage& whole, const PngImage& part) {
  for (int y = 0; y + part.height <= whole.height; ++y)
    for (int x = 0; x + part.width <= whole.width; ++x) {
      bool same = true;
      for (int j = 0; same && j < part.height; ++j)
        for (int i = 0; same && i < part.width; ++i) same = whole.At(x + i, y + j) == part.At(i, j);
      if (same) return {x, y};
    }
  return {-1, -1};
}

TEST(CliMap, EveryFormsRenderPictureLiesInTheMap) {
  TempDir dir;
  const std::string project = WriteProject(dir, "notes.qbp");
  for (int scale : {1, 3}) {
    const std::string map = dir.Path("map" + std::to_string(scale) + ".png");
    const CliRun run = RunCli(
        dir, "map " + Quote(project) + " -o " + Quote(map) + " --scale " + std::to_string(scale));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    std::string error;
    const auto picture = ReadPng(map, &error);
    ASSERT_TRUE(picture) << error;
    EXPECT_EQ(picture->width % scale, 0);
    std::vector<int> lefts;
    for (const char* form : kFormFiles) {
      const std::string rendered = dir.Path(std::string(form) + ".png");
      const CliRun render = RunCli(dir, "render " + Quote(kForms + form) + " --lib 2 -o " +
                                            Quote(rendered) + " --scale " + std::to_string(scale));
      ASSERT_EQ(render.status, 0) << render.err;
      const auto thumbnail = ReadPng(rendered, &error);
      ASSERT_TRUE(thumbnail) << error;
      const auto [x, y] = Find(*picture, *thumbnail);
      EXPECT_GE(x, 0) << form << " at scale " << scale;
      EXPECT_EQ(x % scale, 0) << form;
      EXPECT_EQ(y % scale, 0) << form;
      lefts.push_back(x);
    }
    // In the map's order: Main, then Edit and Setup as its buttons reach them, left to right.
    EXPECT_LT(lefts[0], lefts[1]);
    EXPECT_LT(lefts[1], lefts[2]);
  }
}

TEST(CliMap, ErrorsAndStatuses) {
  TempDir dir;
  const std::string project = WriteProject(dir, "notes.qbp");
  const std::string empty = WriteProject(dir, "empty.qbp", false);
  std::filesystem::create_directory(dir.Path("folder"));
  std::filesystem::create_directory(dir.Path("shelf.svg"));
  const struct {
    std::string args;
    int status;
    std::string err;
  } cases[] = {
      {"map", 2, "quillboard-cli map: no project file given\n"},
      {"map " + Quote(project), 2,
       "quillboard-cli map: no output file given (-o MAP.png or -o MAP.svg)\n"},
      {"map " + Quote(project) + " -o m.gif", 2,
       "quillboard-cli map: -o must name a .png or an .svg file, not \"m.gif\"\n"},
      {"map " + Quote(project) + " -o m.png --scale 0", 2,
       "quillboard-cli map: --scale must be a whole number from 1 to 16, not \"0\"\n"},
      {"map " + Quote(project) + " -o m.png --scale", 2,
       "quillboard-cli map: missing value after --scale\n"},
      {"map " + Quote(project) + " -o m.png --lib 2", 2,
       "quillboard-cli map: unknown option --lib\n"},
      {"map " + Quote(project) + " " + Quote(project) + " -o m.png", 2,
       "quillboard-cli map: more than one project file given\n"},
      {"map " + Quote(empty) + " -o m.png", 1,
       "quillboard-cli map: the project lists no form to map\n"},
      {"map " + Quote(project) + " -o " + Quote(dir.Path("folder/x/y.png")), 1,
       "quillboard-cli map: " + dir.Path("folder/x/y.png") + ": cannot write\n"},
      {"map " + Quote(project) + " -o " + Quote(dir.Path("shelf.svg")), 1,
       "quillboard-cli map: " + dir.Path("shelf.svg") + ": cannot write\n"},
  };
  for (const auto& c : cases) {
    const CliRun run = RunCli(dir, c.args, dir.Root().string());
    EXPECT_EQ(run.status, c.status) << c.args << "\n" << run.err;
    // A wrong command line is followed by the usage line.
    const std::string said = c.status == 2 ? run.err.substr(0, c.err.size()) : run.err;
    EXPECT_EQ(said, c.err) << c.args;
  }
  // A project that is no file.
  const CliRun missing = RunCli(dir, "map " + Quote(dir.Path("none.qbp")) + " -o m.png");
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find(dir.Path("none.qbp")), std::string::npos) << missing.err;
  EXPECT_FALSE(std::filesystem::exists(dir.Path("m.png")));
}

}  // namespace
}  // namespace qb
