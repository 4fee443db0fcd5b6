// The safe writer and reader on a real disk: atomic replacement, links, permission bits,
// things that are not regular files, and writes that fail halfway.

#include "model/safe_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "model/ini_file.h"
#include "support/full_disk.h"
#include "support/temp_dir.h"

namespace qb {
namespace {

namespace fs = std::filesystem;
using test::ReadFileBytes;

mode_t ModeOf(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(::lstat(path.c_str(), &st), 0) << path;
  return st.st_mode & 07777;
}

class SafeFileTest : public ::testing::Test {
 protected:
  test::TempDir dir_;
  std::string Path(const char* name) const { return dir_.Path(name); }
};

TEST_F(SafeFileTest, CreatesAndReplacesWithExactBytes) {
  const std::string path = Path("a.bin");
  const std::string first("one\0two\r\n", 9);
  ASSERT_TRUE(WriteFileAtomic(path, first));
  EXPECT_EQ(ReadFileBytes(path), first);
  ASSERT_TRUE(WriteFileAtomic(path, "x"));
  EXPECT_EQ(ReadFileBytes(path), "x");
  ASSERT_TRUE(WriteFileAtomic(path, ""));
  EXPECT_EQ(ReadFileBytes(path), "");
  EXPECT_EQ(test::FolderListing(dir_.Root().string()), "a.bin\n");
}

TEST_F(SafeFileTest, KeepsThePermissionBitsOfTheFileItReplaces) {
  for (mode_t mode : {0600, 0640, 0444, 0755}) {
    const std::string path = Path("form.qbf");
    ASSERT_TRUE(test::WriteFileBytes(path, "old"));
    ASSERT_EQ(::chmod(path.c_str(), mode), 0);
    ASSERT_TRUE(WriteFileAtomic(path, "new"));
    EXPECT_EQ(ModeOf(path), mode) << std::oct << mode;
    EXPECT_EQ(ReadFileBytes(path), "new");
    fs::remove(path);
  }
}

TEST_F(SafeFileTest, SavingOverALinkReplacesItsTargetAndKeepsTheLink) {
  fs::create_directory(Path("real"));
  const std::string real = Path("real/form.qbf");
  ASSERT_TRUE(test::WriteFileBytes(real, "old"));
  ASSERT_EQ(::chmod(real.c_str(), 0600), 0);
  struct Case {
    const char* link;
    std::string target;
  };
  for (const Case& c : {Case{"absolute.qbf", real}, Case{"relative.qbf", "real/form.qbf"},
                        Case{"chain.qbf", "absolute.qbf"}}) {
    const std::string link = Path(c.link);
    fs::create_symlink(c.target, link);
    const std::string text = std::string("through ") + c.link;
    ASSERT_TRUE(WriteFileAtomic(link, text)) << c.link;
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(link))) << c.link;
    EXPECT_EQ(fs::read_symlink(link).string(), c.target);
    EXPECT_EQ(ReadFileBytes(real), text);
    EXPECT_EQ(ModeOf(real), 0600u);
  }
}

TEST_F(SafeFileTest, ADanglingLinkCreatesItsTarget) {
  const std::string link = Path("link.qbp");
  fs::create_symlink("made.qbp", link);
  ASSERT_TRUE(WriteFileAtomic(link, "made"));
  EXPECT_TRUE(fs::is_symlink(fs::symlink_status(link)));
  EXPECT_EQ(ReadFileBytes(Path("made.qbp")), "made");
}

TEST_F(SafeFileTest, ALinkLoopIsRefusedAndLeftAsItIs) {
  fs::create_symlink("loop-b", Path("loop-a"));
  fs::create_symlink("loop-a", Path("loop-b"));
  EXPECT_FALSE(WriteFileAtomic(Path("loop-a"), "data"));
  EXPECT_EQ(fs::read_symlink(Path("loop-a")).string(), "loop-b");
  EXPECT_EQ(test::FolderListing(dir_.Root().string()), "loop-a\nloop-b\n");
}

TEST_F(SafeFileTest, RefusesTargetsThatAreNotRegularFiles) {
  fs::create_directory(Path("folder"));
  ASSERT_EQ(::mkfifo(Path("fifo").c_str(), 0600), 0);
  for (const char* name : {"folder", "fifo"}) {
    EXPECT_FALSE(WriteFileAtomic(Path(name), "data")) << name;
  }
  EXPECT_TRUE(fs::is_directory(Path("folder")));
  EXPECT_TRUE(fs::is_fifo(Path("fifo")));
  EXPECT_EQ(test::FolderListing(dir_.Root().string()), "fifo\nfolder\n");
  EXPECT_FALSE(WriteFileAtomic(Path("missing/x"), "data"));
}

TEST_F(SafeFileTest, AWriteFailingHalfwayLeavesTheOldFileByteForByte) {
  const std::string path = Path("project.qbp");
  const std::string old = "[Project]\r\nName=old\r\nLib=2\r\n";
  const std::string next(10000, 'n');
  for (std::size_t allowed : {std::size_t{0}, std::size_t{1}, next.size() / 2, next.size() - 1}) {
    ASSERT_TRUE(test::WriteFileBytes(path, old));
    {
      test::FailingWrites disk_full(allowed);
      EXPECT_FALSE(WriteFileAtomic(path, next)) << allowed;
      EXPECT_GE(disk_full.Attempted(), allowed);
    }
    EXPECT_EQ(ReadFileBytes(path), old) << allowed;
    EXPECT_EQ(test::FolderListing(dir_.Root().string()), "project.qbp\n") << allowed;
  }
}

TEST_F(SafeFileTest, AFullTmpfsLeavesTheOldFileByteForByte) {
  test::FullTmpfs disk;
  if (!disk.Mounted()) GTEST_SKIP() << "mounting a tmpfs is not allowed here";
  const std::string path = disk.Path("form.qbf");
  const std::string old = "[FORM]\r\nName=Form1\r\n";
  ASSERT_TRUE(test::WriteFileBytes(path, old));
  disk.FillUp();
  EXPECT_FALSE(WriteFileAtomic(path, std::string(64 * 1024, 'x')));
  EXPECT_EQ(ReadFileBytes(path), old);
  EXPECT_EQ(test::FolderListing(disk.Path("")), "filler\nform.qbf\n");
}

// ---- Reading ----

struct ReadCase {
  const char* what;
  std::string (*make)(const test::TempDir&);
  std::uintmax_t cap;
  ReadStatus status;
};

std::string MakeFile(const test::TempDir& d) {
  test::WriteFileBytes(d.Path("f"), "12345");
  return d.Path("f");
}
std::string MakeFolder(const test::TempDir& d) {
  fs::create_directory(d.Path("dir"));
  return d.Path("dir");
}
std::string MakeFifo(const test::TempDir& d) {
  ::mkfifo(d.Path("fifo").c_str(), 0600);
  return d.Path("fifo");
}
std::string Missing(const test::TempDir& d) { return d.Path("none"); }
std::string MissingFolder(const test::TempDir& d) { return d.Path("none/f"); }
std::string DevZero(const test::TempDir&) { return "/dev/zero"; }

TEST(SafeRead, ReadsRegularFilesOfSaneSizeOnly) {
  const ReadCase cases[] = {
      {"file", MakeFile, 5, ReadStatus::kOk},
      {"file over the cap", MakeFile, 4, ReadStatus::kTooLarge},
      {"folder", MakeFolder, 100, ReadStatus::kNotRegular},
      {"fifo without writer", MakeFifo, 100, ReadStatus::kNotRegular},
      {"missing", Missing, 100, ReadStatus::kMissing},
      {"missing folder", MissingFolder, 100, ReadStatus::kMissing},
      {"/dev/zero", DevZero, 100, ReadStatus::kNotRegular},
  };
  for (const ReadCase& c : cases) {
    test::TempDir dir;
    const std::string path = c.make(dir);
    const auto start = std::chrono::steady_clock::now();
    ReadResult r = ReadRegularFile(path, c.cap);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5)) << c.what;
    EXPECT_EQ(r.status, c.status) << c.what;
    EXPECT_EQ(r.bytes, c.status == ReadStatus::kOk ? "12345" : "") << c.what;
  }
}

TEST(SafeRead, ProblemTextsNameThePath) {
  EXPECT_EQ(ReadProblemText("/a/f", ReadStatus::kMissing, 1), "/a/f does not exist");
  EXPECT_EQ(ReadProblemText("/a/f", ReadStatus::kNotRegular, 1), "/a/f is not a file");
  EXPECT_EQ(ReadProblemText("/a/f", ReadStatus::kTooLarge, 64u << 20),
            "/a/f is too large (more than 64 MB)");
  EXPECT_EQ(ReadProblemText("/a/f", ReadStatus::kUnreadable, 1), "Unable to read /a/f");
}

TEST_F(SafeFileTest, CanonicalPathsMakeSpellingsOfOneFileEqual) {
  fs::create_directory(Path("sub"));
  ASSERT_TRUE(test::WriteFileBytes(Path("sub/a.qbf"), "x"));
  fs::create_symlink(Path("sub/a.qbf"), Path("link.qbf"));
  const std::string canonical = CanonicalPathText(Path("sub/a.qbf"));
  EXPECT_EQ(CanonicalPathText(Path("sub/../sub/a.qbf")), canonical);
  EXPECT_EQ(CanonicalPathText(Path("sub/./a.qbf")), canonical);
  EXPECT_EQ(CanonicalPathText(Path("link.qbf")), canonical);
  EXPECT_NE(CanonicalPathText(Path("sub/b.qbf")), canonical);
}

}  // namespace
}  // namespace qb
