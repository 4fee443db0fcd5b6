#include "support/full_disk.h"

#include <sys/mount.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "model/safe_file.h"

namespace fs = std::filesystem;

namespace qb::test {

FullTmpfs::FullTmpfs(std::size_t bytes) {
  std::string pattern = (fs::temp_directory_path() / "qb-tmpfs-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) return;
  root_ = pattern;
  const std::string options = "size=" + std::to_string(bytes) + ",mode=0755";
  mounted_ = ::mount("tmpfs", root_.c_str(), "tmpfs", 0, options.c_str()) == 0;
}

FullTmpfs::~FullTmpfs() {
  if (mounted_) ::umount2(root_.c_str(), MNT_DETACH);
  if (!root_.empty()) {
    std::error_code ec;
    fs::remove_all(root_, ec);
  }
}

std::string FullTmpfs::Path(const std::string& name) const {
  return (fs::path(root_) / name).string();
}

void FullTmpfs::FillUp() {
  std::FILE* filler = std::fopen(Path("filler").c_str(), "wb");
  if (!filler) return;
  std::setvbuf(filler, nullptr, _IONBF, 0);
  const std::vector<char> block(4096, 'f');
  std::size_t size = block.size();
  // Whole blocks first, then single bytes into the last partly used page.
  while (size > 0) {
    if (std::fwrite(block.data(), 1, size, filler) != size || std::fflush(filler) != 0) {
      std::clearerr(filler);
      size /= 2;
    }
  }
  std::fclose(filler);
}

namespace {

struct HookState {
  std::size_t allowed = 0;
  std::size_t attempted = 0;
  std::size_t written = 0;
};

HookState& State() {
  static HookState state;
  return state;
}

}  // namespace

FailingWrites::FailingWrites(std::size_t allowed) : allowed_(allowed) {
  State() = HookState{allowed, 0, 0};
  attempted_ = &State().attempted;
  SetWriteChunkHookForTesting([](const char*, std::size_t size) -> long {
    HookState& s = State();
    s.attempted += size;
    const std::size_t room = s.allowed - s.written;
    if (room == 0) {
      errno = ENOSPC;
      return -1;
    }
    const std::size_t n = std::min(room, size);
    s.written += n;
    return static_cast<long>(n);
  });
}

FailingWrites::~FailingWrites() { SetWriteChunkHookForTesting(nullptr); }

std::string FolderListing(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
    names.push_back(it->path().filename().string());
  std::sort(names.begin(), names.end());
  std::string out;
  for (const std::string& n : names) out += n + "\n";
  return out;
}

}  // namespace qb::test
