// Runs the built makedoc.exe the way the generate dialog does: in a working folder, with the
// parameter text of each of the four runs.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

#if !defined(_WIN32)
#include <sys/wait.h>
#endif

#include "support/temp_dir.h"
#include "tools/doc_reader.h"
#include "tools/tool_test_util.h"

namespace qb::test {
namespace {

namespace fs = std::filesystem;

const fs::path kTool = QB_MAKEDOC_PATH;

int ExitCode(int status) {
#if defined(_WIN32)
  return status;
#else
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
}

// Runs the tool with `parameters` as the shell sees them, in `folder`; stdout and stderr go to
// files beside it.
int RunTool(const TempDir& folder, const std::string& parameters) {
  const std::string command = "cd '" + folder.Root().string() + "' && '" + kTool.string() + "' " +
                              parameters + " >../" + folder.Root().filename().string() +
                              ".out 2>../" + folder.Root().filename().string() + ".err";
  return ExitCode(std::system(command.c_str()));
}

std::string Stderr(const TempDir& folder) { return ReadFileBytes(folder.Root().string() + ".err"); }

// Now in seconds since 1904-01-01, worked out here on its own.
long long PalmNow() {
  using namespace std::chrono;
  return duration_cast<seconds>(system_clock::now().time_since_epoch()).count() + 2082844800LL;
}

class MakedocToolTest : public ::testing::Test {
 protected:
  void TearDown() override {
    std::error_code ec;
    const std::string base = dir_.Root().string();
    fs::remove(base + ".out", ec);
    fs::remove(base + ".err", ec);
  }
  TempDir dir_;
};

TEST_F(MakedocToolTest, LiesInTheProgramsFolderUnderTheNameTheDialogChecks) {
  EXPECT_EQ(kTool.filename(), "makedoc.exe");
  EXPECT_TRUE(fs::exists(fs::path(QB_BIN_DIR) / "makedoc.exe"));
}

TEST_F(MakedocToolTest, TheDialogsFourRunsWriteFourDatabases) {
  const struct {
    const char* temp_file;
    std::string text;
    const char* parameters;  // as the dialog builds them for project "Demo"
    const char* database;
    const char* name;
  } runs[] = {
      {"temp001.txt", "//Main Demo.pc\r\n" + MixedText(9000, 11),
       "temp001.txt Demo.pdb \"Demo.pc\"", "Demo.pdb", "Demo.pc"},
      {"temp002.txt", MixedText(4096, 12), "temp002.txt DemoForms.pdb \"DemoForms.pc\"",
       "DemoForms.pdb", "DemoForms.pc"},
      {"temp003.txt", "", "temp003.txt DemoEvents.pdb \"DemoEvents.pc\"", "DemoEvents.pdb",
       "DemoEvents.pc"},
      {"temp004.txt", "#define frmMain 1000\r\n\xE4\xF6\xFC\r\n",
       "temp004.txt DemoH.pdb \"Demo.h\"", "DemoH.pdb", "Demo.h"},
  };
  const auto before = PalmNow();
  for (const auto& run : runs) {
    SCOPED_TRACE(run.parameters);
    ASSERT_TRUE(WriteFileBytes(dir_.Path(run.temp_file), run.text));
    ASSERT_EQ(RunTool(dir_, run.parameters), 0) << Stderr(dir_);
    EXPECT_EQ(Stderr(dir_), "");
  }
  const auto after = PalmNow();
  for (const auto& run : runs) {
    SCOPED_TRACE(run.database);
    const std::string file = ReadFileBytes(dir_.Path(run.database));
    std::string error;
    const auto pdb = ParsePdb(file, &error);
    ASSERT_TRUE(pdb) << error;
    EXPECT_EQ(pdb->name, run.name);
    EXPECT_EQ(pdb->type, "TEXt");
    EXPECT_EQ(pdb->creator, "REAd");
    EXPECT_GE(pdb->creation_date, before);
    EXPECT_LE(pdb->creation_date, after);
    EXPECT_EQ(pdb->modification_date, pdb->creation_date);
    EXPECT_EQ(ParseDocInfo(pdb->records[0])->version, 2);
    EXPECT_EQ(ReadDocText(file, &error), run.text) << error;
  }
}

TEST_F(MakedocToolTest, ParameterTextAsOneArgument) {
  ASSERT_TRUE(WriteFileBytes(dir_.Path("temp001.txt"), "main text"));
  ASSERT_EQ(RunTool(dir_, "'temp001.txt Demo.pdb \"Demo.pc\"'"), 0) << Stderr(dir_);
  std::string error;
  const std::string file = ReadFileBytes(dir_.Path("Demo.pdb"));
  EXPECT_EQ(ParsePdb(file, &error)->name, "Demo.pc");
  EXPECT_EQ(ReadDocText(file, &error), "main text");
}

TEST_F(MakedocToolTest, ProjectNameWithASpace) {
  // The dialog quotes only the document name: "temp002.txt My AppForms.pdb "My AppForms.pc"".
  ASSERT_TRUE(WriteFileBytes(dir_.Path("temp002.txt"), "forms text"));
  ASSERT_EQ(RunTool(dir_, "temp002.txt My AppForms.pdb \"My AppForms.pc\""), 0) << Stderr(dir_);
  std::string error;
  const std::string file = ReadFileBytes(dir_.Path("My AppForms.pdb"));
  EXPECT_EQ(ParsePdb(file, &error)->name, "My AppForms.pc");
  EXPECT_EQ(ReadDocText(file, &error), "forms text");
}

TEST_F(MakedocToolTest, FailuresExitNonZeroWithAMessage) {
  EXPECT_EQ(RunTool(dir_, ""), 2);
  EXPECT_EQ(Stderr(dir_).substr(0, 42), "makedoc: missing text file name\nUsage: mak");

  EXPECT_EQ(RunTool(dir_, "temp001.txt Demo.pdb \"Demo.pc\""), 3);
  EXPECT_EQ(Stderr(dir_),
            "makedoc: cannot read text file \"temp001.txt\": No such file or directory\n");
  EXPECT_FALSE(fs::exists(dir_.Path("Demo.pdb")));

  ASSERT_TRUE(WriteFileBytes(dir_.Path("temp001.txt"), "text"));
  EXPECT_EQ(RunTool(dir_, "temp001.txt missing/Demo.pdb \"Demo.pc\""), 4);
  EXPECT_EQ(Stderr(dir_),
            "makedoc: cannot write database file \"missing/Demo.pdb\": "
            "No such file or directory\n");
}

}  // namespace
}  // namespace qb::test
