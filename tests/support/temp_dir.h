#pragma once

// A private folder under the system's temporary folder, removed with everything in it when
// the object goes away; and whole-file byte helpers.

#include <filesystem>
#include <string>
#include <string_view>

namespace qb::test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& Root() const { return root_; }
  // The path of a file in the folder.
  std::string Path(std::string_view name) const;

 private:
  std::filesystem::path root_;
};

// The whole file; empty when it cannot be read.
std::string ReadFileBytes(const std::string& path);
// Replaces the file's content; false on failure.
bool WriteFileBytes(const std::string& path, std::string_view bytes);

}  // namespace qb::test
