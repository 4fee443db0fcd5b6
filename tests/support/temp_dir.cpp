#include "support/temp_dir.h"

#include <fstream>
#include <iterator>
#include <random>

namespace qb::test {

TempDir::TempDir() {
  std::mt19937_64 generator{std::random_device{}()};
  std::filesystem::path base = std::filesystem::temp_directory_path();
  for (;;) {
    root_ = base / ("qbtest-" + std::to_string(generator()));
    if (std::filesystem::create_directory(root_)) break;
  }
}

TempDir::~TempDir() {
  std::error_code ec;
  // Tests may leave read-only folders behind; give the rights back before removing.
  for (auto it = std::filesystem::recursive_directory_iterator(root_, ec);
       !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
    std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
  }
  std::filesystem::remove_all(root_, ec);
}

std::string TempDir::Path(std::string_view name) const { return (root_ / name).string(); }

std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

bool WriteFileBytes(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace qb::test
