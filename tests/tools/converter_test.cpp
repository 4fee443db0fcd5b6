#include "converter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "palmdoc.h"
#include "support/full_disk.h"
#include "support/temp_dir.h"
#include "tools/doc_reader.h"
#include "tools/tool_test_util.h"

namespace qb::makedoc {
namespace {

namespace fs = std::filesystem;

constexpr const char* kUsage =
    "Usage: makedoc.exe [-c | -u] <text file> <database file> [\"<document name>\"]\n"
    "Writes the text file as a PalmDOC database (type TEXt, creator REAd) in the working folder.\n"
    "  -c, --compress      compress the text (the default)\n"
    "  -u, --uncompressed  store the text uncompressed\n"
    "  -h, --help          show this help\n";

// 2000-01-01 00:00 UTC.
const auto kNow = std::chrono::system_clock::time_point(std::chrono::seconds(946684800));

struct RunResult {
  int code;
  std::string out, err;
};

RunResult Convert(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int code = RunConverter(args, out, err, kNow);
  return {code, out.str(), err.str()};
}

class ConverterTest : public ::testing::Test {
 protected:
  test::TempDir dir_;

  // No half-written file may stay behind, whatever the outcome.
  void ExpectNoTemporaryFiles() {
    for (const auto& entry : fs::recursive_directory_iterator(dir_.Root())) {
      EXPECT_EQ(entry.path().string().find("makedoc-tmp"), std::string::npos) << entry.path();
      EXPECT_EQ(entry.path().filename().string().find(".~"), std::string::npos) << entry.path();
    }
  }
};

TEST_F(ConverterTest, WritesTheDatabase) {
  const std::string text = "Hello, Palm!\r\nSecond line\r\n";
  ASSERT_TRUE(test::WriteFileBytes(dir_.Path("in.txt"), text));
  const std::string out = dir_.Path("Demo.pdb");
  const RunResult run = Convert({dir_.Path("in.txt"), out, "Demo.pc"});
  EXPECT_EQ(run.code, kExitOk);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out,
            "makedoc: wrote \"" + out + "\" (27 bytes of text, 1 text record(s), compressed)\n");
  const std::string file = test::ReadFileBytes(out);
  std::string error;
  const auto pdb = test::ParsePdb(file, &error);
  ASSERT_TRUE(pdb) << error;
  EXPECT_EQ(pdb->name, "Demo.pc");
  EXPECT_EQ(pdb->creation_date, 3029529600u);
  EXPECT_EQ(pdb->modification_date, 3029529600u);
  EXPECT_EQ(test::ParseDocInfo(pdb->records[0])->version, 2);
  EXPECT_EQ(test::ReadDocText(file, &error), text) << error;
  ExpectNoTemporaryFiles();
}

TEST_F(ConverterTest, UncompressedOnRequest) {
  const std::string text = test::MixedText(5000, 9);
  ASSERT_TRUE(test::WriteFileBytes(dir_.Path("in.txt"), text));
  const RunResult run = Convert({"-u", dir_.Path("in.txt"), dir_.Path("o.pdb"), "T"});
  EXPECT_EQ(run.code, kExitOk);
  EXPECT_EQ(run.out, "makedoc: wrote \"" + dir_.Path("o.pdb") +
                         "\" (5000 bytes of text, 2 text record(s), uncompressed)\n");
  const std::string file = test::ReadFileBytes(dir_.Path("o.pdb"));
  std::string error;
  const auto pdb = test::ParsePdb(file, &error);
  ASSERT_TRUE(pdb) << error;
  EXPECT_EQ(test::ParseDocInfo(pdb->records[0])->version, 1);
  EXPECT_EQ(pdb->records[1], text.substr(0, 4096));
  EXPECT_EQ(pdb->records[2], text.substr(4096));
}

TEST_F(ConverterTest, ReplacesAnOlderDatabase) {
  ASSERT_TRUE(test::WriteFileBytes(dir_.Path("in.txt"), "new text"));
  ASSERT_TRUE(test::WriteFileBytes(dir_.Path("o.pdb"), std::string(5000, 'o')));
  ASSERT_EQ(Convert({dir_.Path("in.txt"), dir_.Path("o.pdb"), "T"}).code, kExitOk);
  std::string error;
  EXPECT_EQ(test::ReadDocText(test::ReadFileBytes(dir_.Path("o.pdb")), &error), "new text");
}

TEST_F(ConverterTest, InputMayBeTheOutput) {
  ASSERT_TRUE(test::WriteFileBytes(dir_.Path("x.pdb"), "text in a file named like a database"));
  ASSERT_EQ(Convert({dir_.Path("x.pdb"), dir_.Path("x.pdb"), "T"}).code, kExitOk);
  std::string error;
  EXPECT_EQ(test::ReadDocText(test::ReadFileBytes(dir_.Path("x.pdb")), &error),
            "text in a file named like a database");
}

TEST_F(ConverterTest, MissingInput) {
  const std::string in = dir_.Path("temp001.txt");
  const RunResult run = Convert({in, dir_.Path("o.pdb"), "T"});
  EXPECT_EQ(run.code, kExitInputError);
  EXPECT_EQ(run.err, "makedoc: cannot read text file \"" + in + "\": No such file or directory\n");
  EXPECT_EQ(run.out, "");
  EXPECT_FALSE(fs::exists(dir_.Path("o.pdb")));
}

TEST_F(ConverterTest, InputIsAFolder) {
  const RunResult run = Convert({dir_.Root().string(), dir_.Path("o.pdb"), "T"});
  EXPECT_EQ(run.code, kExitInputError);
  EXPECT_EQ(run.err,
            "makedoc: cannot read text file \"" + dir_.Root().string() + "\": is a folder\n");
  EXPECT_FALSE(fs::exists(dir_.Path("o.pdb")));
}

TEST_F(ConverterTest, InputTooLongForADatabase) {
  // A sparse file one byte over the limit; its size is checked before it is read.
  const std::string in = dir_.Path("big.txt");
  ASSERT_TRUE(test::WriteFileBytes(dir_.Path("big.txt"), ""));
  fs::resize_file(in, palmdoc::kMaxTextLength + 1);
  const RunResult run = Convert({in, dir_.Path("o.pdb"), "T"});
  EXPECT_EQ(run.code, kExitInputError);
  EXPECT_EQ(run.err, "makedoc: text file \"" + in +
                         "\" is longer than 268427264 bytes, the most a DOC database holds\n");
  EXPECT_FALSE(fs::exists(dir_.Path("o.pdb")));
}

TEST_F(ConverterTest, OutputFolderMissing) {
  ASSERT_TRUE(test::WriteFileBytes(dir_.Path("in.txt"), "text"));
  const std::string out = dir_.Path("no/such/folder/o.pdb");
  const RunResult run = Convert({dir_.Path("in.txt"), out, "T"});
  EXPECT_EQ(run.code, kExitOutputError);
  EXPECT_EQ(run.err,
            "makedoc: cannot write database file \"" + out + "\": No such file or directory\n");
  EXPECT_EQ(run.out, "");
}

TEST_F(ConverterTest, OutputIsAFolder) {
  ASSERT_TRUE(test::WriteFileBytes(dir_.Path("in.txt"), "text"));
  fs::create_directory(dir_.Path("o.pdb"));
  const RunResult run = Convert({dir_.Path("in.txt"), dir_.Path("o.pdb"), "T"});
  EXPECT_EQ(run.code, kExitOutputError);
  EXPECT_EQ(run.err,
            "makedoc: cannot write database file \"" + dir_.Path("o.pdb") + "\": Is a directory\n");
  EXPECT_TRUE(fs::is_directory(dir_.Path("o.pdb")));
  ExpectNoTemporaryFiles();
}

TEST_F(ConverterTest, ALinkPlantedBesideTheDatabaseIsNotFollowed) {
  ASSERT_TRUE(test::WriteFileBytes(dir_.Path("in.txt"), "text"));
  ASSERT_TRUE(test::WriteFileBytes(dir_.Path("victim"), "keep me"));
  // The name the converter once used for its temporary file.
  fs::create_symlink(dir_.Path("victim"), dir_.Path("o.pdb.makedoc-tmp"));
  ASSERT_EQ(Convert({dir_.Path("in.txt"), dir_.Path("o.pdb"), "T"}).code, kExitOk);
  EXPECT_EQ(test::ReadFileBytes(dir_.Path("victim")), "keep me");
  std::string error;
  EXPECT_EQ(test::ReadDocText(test::ReadFileBytes(dir_.Path("o.pdb")), &error), "text") << error;
}

TEST_F(ConverterTest, ADatabaseBehindALinkIsReplacedAndTheLinkStays) {
  ASSERT_TRUE(test::WriteFileBytes(dir_.Path("in.txt"), "new text"));
  fs::create_directory(dir_.Path("real"));
  ASSERT_TRUE(test::WriteFileBytes(dir_.Path("real/o.pdb"), "old"));
  fs::create_symlink("real/o.pdb", dir_.Path("o.pdb"));
  ASSERT_EQ(Convert({dir_.Path("in.txt"), dir_.Path("o.pdb"), "T"}).code, kExitOk);
  EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir_.Path("o.pdb"))));
  std::string error;
  EXPECT_EQ(test::ReadDocText(test::ReadFileBytes(dir_.Path("real/o.pdb")), &error), "new text")
      << error;
}

TEST_F(ConverterTest, AFullDiskKeepsTheOldDatabase) {
  ASSERT_TRUE(test::WriteFileBytes(dir_.Path("in.txt"), std::string(20000, 'x')));
  ASSERT_TRUE(test::WriteFileBytes(dir_.Path("o.pdb"), "old database"));
  for (std::size_t allowed : {0, 1, 100}) {
    test::FailingWrites disk_full(allowed);
    const RunResult run = Convert({dir_.Path("in.txt"), dir_.Path("o.pdb"), "T"});
    EXPECT_EQ(run.code, kExitOutputError);
    EXPECT_EQ(run.err, "makedoc: cannot write database file \"" + dir_.Path("o.pdb") +
                           "\": No space left on device\n");
    EXPECT_EQ(test::ReadFileBytes(dir_.Path("o.pdb")), "old database");
    ExpectNoTemporaryFiles();
  }
  test::FullTmpfs disk;
  if (!disk.Mounted()) return;  // the fake above stands for the real thing
  ASSERT_TRUE(test::WriteFileBytes(disk.Path("o.pdb"), "old database"));
  disk.FillUp();
  EXPECT_EQ(Convert({dir_.Path("in.txt"), disk.Path("o.pdb"), "T"}).code, kExitOutputError);
  EXPECT_EQ(test::ReadFileBytes(disk.Path("o.pdb")), "old database");
  EXPECT_EQ(test::FolderListing(disk.Path("")), "filler\no.pdb\n");
}

TEST_F(ConverterTest, BadParametersShowTheUsage) {
  const struct {
    std::vector<std::string> args;
    std::string first_line;
  } cases[] = {
      {{}, "makedoc: missing text file name\n"},
      {{"in.txt"}, "makedoc: missing database file name\n"},
      {{"-z", "in.txt", "o.pdb"}, "makedoc: unknown option \"-z\"\n"},
      {{"a", "b", "c", "d"}, "makedoc: too many parameters: a b c d\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.first_line);
    const RunResult run = Convert(c.args);
    EXPECT_EQ(run.code, kExitBadParameters);
    EXPECT_EQ(run.err, c.first_line + kUsage);
    EXPECT_EQ(run.out, "");
  }
}

TEST_F(ConverterTest, Help) {
  const RunResult run = Convert({"--help"});
  EXPECT_EQ(run.code, kExitOk);
  EXPECT_EQ(run.out, kUsage);
  EXPECT_EQ(run.err, "");
}

TEST_F(ConverterTest, LongDocumentNameIsCutWithANote) {
  ASSERT_TRUE(test::WriteFileBytes(dir_.Path("in.txt"), "text"));
  const std::string title = "A project name far too long for Palm";
  const RunResult run = Convert({dir_.Path("in.txt"), dir_.Path("o.pdb"), title});
  EXPECT_EQ(run.code, kExitOk);
  EXPECT_EQ(run.err,
            "makedoc: document name cut to 31 bytes: \"A project name far too long for\"\n");
  std::string error;
  EXPECT_EQ(test::ParsePdb(test::ReadFileBytes(dir_.Path("o.pdb")), &error)->name,
            "A project name far too long for");
}

}  // namespace
}  // namespace qb::makedoc
