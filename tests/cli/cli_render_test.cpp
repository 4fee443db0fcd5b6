// quillboard-cli render, run as the program it is: the pictures it writes, and its errors and
// exit statuses.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "cli_run.h"
#include "support/full_disk.h"
#include "support/png_reader.h"
#include "support/temp_dir.h"

namespace qb {
namespace {

using test::ReadPng;
using test::TempDir;

const std::string kData = std::string(QB_TEST_DATA_DIR) + "/render/";

using test::CliRun;
using test::Quote;
using test::RunCli;

void ExpectSameAsGolden(const std::string& form, const std::string& lib, const std::string& extra,
                        const std::string& golden) {
  TempDir dir;
  const std::string out = dir.Path("out.png");
  const CliRun run =
      RunCli(dir, "render " + Quote(kData + form) + " --lib " + lib + " -o " + Quote(out) + extra);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  std::string error;
  const auto expected = ReadPng(kData + golden, &error);
  ASSERT_TRUE(expected) << error;
  const auto actual = ReadPng(out, &error);
  ASSERT_TRUE(actual) << error;
  EXPECT_TRUE(test::SameImage(*expected, *actual))
      << "keep the picture with QB_KEEP_RENDERED to look at it";
  if (const char* keep = std::getenv("QB_KEEP_RENDERED"))
    std::filesystem::copy_file(out, std::string(keep) + "/" + golden,
                               std::filesystem::copy_options::overwrite_existing);
}

TEST(CliRender, CControlsFormWithEveryKindMatchesItsGoldenPicture) {
  ExpectSameAsGolden("every_kind_cc.qbf", "1", " --show-menu MenuEdit", "every_kind_cc.png");
}

TEST(CliRender, PToolboxFormWithEveryKindMatchesItsGoldenPicture) {
  ExpectSameAsGolden("every_kind_pt.qbf", "2", "", "every_kind_pt.png");
}

TEST(CliRender, ScaleEnlargesEveryPixelWithoutSmoothing) {
  TempDir dir;
  const std::string form = Quote(kData + "every_kind_pt.qbf");
  ASSERT_EQ(RunCli(dir, "render " + form + " --lib 2 -o " + Quote(dir.Path("1.png"))).status, 0);
  ASSERT_EQ(
      RunCli(dir, "render " + form + " --lib 2 --scale 3 -o " + Quote(dir.Path("3.png"))).status,
      0);
  std::string error;
  const auto one = ReadPng(dir.Path("1.png"), &error);
  const auto three = ReadPng(dir.Path("3.png"), &error);
  ASSERT_TRUE(one && three) << error;
  ASSERT_EQ(three->width, 3 * one->width);
  ASSERT_EQ(three->height, 3 * one->height);
  for (int y = 0; y < three->height; ++y)
    for (int x = 0; x < three->width; ++x)
      ASSERT_EQ(three->At(x, y), one->At(x / 3, y / 3)) << x << ", " << y;
}

struct Failure {
  const char* name;
  std::string args;  // after "render"
  int status;
  std::string message;  // the whole error output
};

class CliRenderFailure : public ::testing::TestWithParam<Failure> {};

TEST_P(CliRenderFailure, ReportsAndWritesNothing) {
  TempDir dir;
  test::WriteFileBytes(dir.Path("plain.txt"), "just some text\n");
  test::WriteFileBytes(dir.Path("cc.qbf"), "[FORM]\r\nName=Form1\r\nLib=1\r\n");
  test::WriteFileBytes(dir.Path("nolib.qbf"), "[FORM]\r\nName=Form1\r\n");
  std::string args = GetParam().args;
  // $D stands for the test's folder.
  for (std::size_t at; (at = args.find("$D")) != std::string::npos;)
    args.replace(at, 2, dir.Root().string());
  std::string message = GetParam().message;
  for (std::size_t at; (at = message.find("$D")) != std::string::npos;)
    message.replace(at, 2, dir.Root().string());
  const CliRun run = RunCli(dir, "render " + args);
  EXPECT_EQ(run.status, GetParam().status);
  EXPECT_EQ(run.err, message);
  EXPECT_FALSE(std::filesystem::exists(dir.Path("out.png")));
}

const std::string kUsageLine =
    "usage: quillboard-cli render FORM.qbf --lib 1|2 -o OUT.png [--scale N] [--show-menu NAME]\n";

INSTANTIATE_TEST_SUITE_P(
    Errors, CliRenderFailure,
    ::testing::Values(
        Failure{"MissingFile", "$D/none.qbf --lib 1 -o $D/out.png", 1,
                "quillboard-cli render: $D/none.qbf: no such file\n"},
        Failure{"Folder", "$D --lib 1 -o $D/out.png", 1,
                "quillboard-cli render: $D: no such file\n"},
        Failure{"NotAForm", "$D/plain.txt --lib 1 -o $D/out.png", 1,
                "quillboard-cli render: $D/plain.txt is not a Quillboard form: it has no [FORM] "
                "section.\n"},
        Failure{"OtherLibrary", "$D/cc.qbf --lib 2 -o $D/out.png", 1,
                "quillboard-cli render: $D/cc.qbf: is a form of library 1, not of library 2\n"},
        Failure{"NoLibInFile", "$D/nolib.qbf --lib 1 -o $D/out.png", 1,
                "quillboard-cli render: $D/nolib.qbf: is a form of library 0, not of library 1\n"},
        Failure{"UnknownMenu", "$D/cc.qbf --lib 1 -o $D/out.png --show-menu Nope", 1,
                "quillboard-cli render: $D/cc.qbf: the form has no menu named \"Nope\"\n"},
        Failure{"UnwritableOutput", "$D/cc.qbf --lib 1 -o $D/missing/out.png", 1,
                "quillboard-cli render: $D/missing/out.png: cannot write\n"},
        Failure{"NoArguments", "", 2, "quillboard-cli render: no form file given\n" + kUsageLine},
        Failure{"NoLib", "$D/cc.qbf -o $D/out.png", 2,
                "quillboard-cli render: no library given (--lib 1 or --lib 2)\n" + kUsageLine},
        Failure{"BadLib", "$D/cc.qbf --lib 3 -o $D/out.png", 2,
                "quillboard-cli render: --lib must be 1 (CControls) or 2 (PToolboxLib), not "
                "\"3\"\n" +
                    kUsageLine},
        Failure{"NoOutput", "$D/cc.qbf --lib 1", 2,
                "quillboard-cli render: no output file given (-o OUT.png)\n" + kUsageLine},
        Failure{"MissingValue", "$D/cc.qbf --lib 1 -o", 2,
                "quillboard-cli render: missing value after -o\n" + kUsageLine},
        Failure{"ScaleZero", "$D/cc.qbf --lib 1 -o $D/out.png --scale 0", 2,
                "quillboard-cli render: --scale must be a whole number from 1 to 16, not "
                "\"0\"\n" +
                    kUsageLine},
        Failure{"ScaleNotANumber", "$D/cc.qbf --lib 1 -o $D/out.png --scale 2x", 2,
                "quillboard-cli render: --scale must be a whole number from 1 to 16, not "
                "\"2x\"\n" +
                    kUsageLine},
        Failure{"ScaleTooLarge", "$D/cc.qbf --lib 1 -o $D/out.png --scale 17", 2,
                "quillboard-cli render: --scale must be a whole number from 1 to 16, not "
                "\"17\"\n" +
                    kUsageLine},
        Failure{"UnknownOption", "$D/cc.qbf --lib 1 -o $D/out.png --zoom 2", 2,
                "quillboard-cli render: unknown option --zoom\n" + kUsageLine},
        Failure{"TwoForms", "$D/cc.qbf $D/cc.qbf --lib 1 -o $D/out.png", 2,
                "quillboard-cli render: more than one form file given\n" + kUsageLine}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CliRender, AFullDiskKeepsTheOldPicture) {
  test::FullTmpfs disk;
  if (!disk.Mounted()) GTEST_SKIP() << "mounting a tmpfs is not allowed here";
  TempDir dir;
  test::WriteFileBytes(dir.Path("cc.qbf"), "[FORM]\r\nName=Form1\r\nLib=1\r\n");
  const std::string out = disk.Path("out.png");
  ASSERT_TRUE(test::WriteFileBytes(out, "old picture"));
  disk.FillUp();
  const CliRun run = RunCli(
      dir, "render " + Quote(dir.Path("cc.qbf")) + " --lib 1 -o " + Quote(out) + " --scale 4");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "quillboard-cli render: " + out + ": cannot write\n");
  EXPECT_EQ(test::ReadFileBytes(out), "old picture");
  EXPECT_EQ(test::FolderListing(disk.Path("")), "filler\nout.png\n");
}

TEST(CliRender, APictureBehindALinkIsReplacedAndTheLinkStays) {
  TempDir dir;
  test::WriteFileBytes(dir.Path("cc.qbf"), "[FORM]\r\nName=Form1\r\nLib=1\r\n");
  std::filesystem::create_directory(dir.Path("real"));
  ASSERT_TRUE(test::WriteFileBytes(dir.Path("real/out.png"), "old picture"));
  std::filesystem::create_symlink(dir.Path("real/out.png"), dir.Path("out.png"));
  const CliRun run = RunCli(
      dir, "render " + Quote(dir.Path("cc.qbf")) + " --lib 1 -o " + Quote(dir.Path("out.png")));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(std::filesystem::is_symlink(std::filesystem::symlink_status(dir.Path("out.png"))));
  std::string error;
  EXPECT_TRUE(test::ReadPng(dir.Path("real/out.png"), &error)) << error;
}

TEST(Cli, UnknownOrMissingCommandShowsTheUsage) {
  TempDir dir;
  const std::string usage =
      "usage:\n  quillboard-cli render FORM.qbf --lib 1|2 -o OUT.png [--scale N] [--show-menu "
      "NAME]\n"
      "  quillboard-cli generate PROJECT.qbp [--out DIR] [--first FORM] [--pde | --memo] "
      "[--color | --no-color] [--force] [--no-keep-code]\n"
      "  quillboard-cli check PROJECT.qbp [--format text|json]\n"
      "  quillboard-cli map PROJECT.qbp -o MAP.png|MAP.svg [--scale N]\n"
      "check prints what will look wrong or fail on the device: one line per finding,\n"
      "  \"<severity>: <form>: <control>: <message> (<rule>)\" (no control part for a form), "
      "or\n"
      "  with --format json an array of objects {\"severity\": \"error\" or \"warning\",\n"
      "  \"form\", \"control\" (empty for a form), \"message\", \"rule\"}, one object per "
      "line;\n"
      "  it exits 0 when no finding is an error, 1 when one is, 2 for a wrong command line.\n";
  CliRun run = RunCli(dir, "");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "quillboard-cli: no command given\n" + usage);
  run = RunCli(dir, "draw x");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "quillboard-cli: unknown command \"draw\"\n" + usage);
}

}  // namespace
}  // namespace qb
