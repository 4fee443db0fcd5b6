#pragma once

// Two ways of making writes run out of space: a small tmpfs mounted for the test (when the
// test may mount, as root in CI) and filled up, and a fake low-level write that fails with
// ENOSPC after a given number of bytes.

#include <cstddef>
#include <optional>
#include <string>

namespace qb::test {

class FullTmpfs {
 public:
  // Mounts a tmpfs of `bytes` at a new folder; Mounted() tells whether it worked.
  explicit FullTmpfs(std::size_t bytes = 256 * 1024);
  ~FullTmpfs();
  FullTmpfs(const FullTmpfs&) = delete;
  FullTmpfs& operator=(const FullTmpfs&) = delete;

  bool Mounted() const { return mounted_; }
  std::string Path(const std::string& name) const;
  // Takes every free byte with a filler file (written after the test's own files).
  void FillUp();

 private:
  std::string root_;
  bool mounted_ = false;
};

// While alive, the safe writer's writes stop with ENOSPC once `allowed` bytes are written
// (the bytes "written" before are not stored: use it only for writes meant to fail).
class FailingWrites {
 public:
  explicit FailingWrites(std::size_t allowed);
  ~FailingWrites();
  FailingWrites(const FailingWrites&) = delete;
  FailingWrites& operator=(const FailingWrites&) = delete;
  // Bytes the writer tried to write, in all.
  std::size_t Attempted() const { return *attempted_; }

 private:
  std::size_t allowed_;
  std::size_t* attempted_;
};

// The names in a folder, sorted.
std::string FolderListing(const std::string& folder);

}  // namespace qb::test
