#include "cli/program_dir.h"

#include <filesystem>
#include <system_error>

namespace qb::cli {

std::string ProgramDir(const char* argv0) {
  namespace fs = std::filesystem;
  std::error_code ec;
  // Linux names the running executable here.
  const fs::path self = fs::read_symlink("/proc/self/exe", ec);
  if (!ec && !self.empty()) return self.parent_path().string();
  if (argv0 && *argv0) {
    const fs::path started = fs::absolute(argv0, ec);
    if (!ec && started.has_parent_path()) return started.parent_path().string();
  }
  return ".";
}

}  // namespace qb::cli
