#include "app/data_folder.h"

#include <filesystem>

namespace qb {

namespace fs = std::filesystem;

std::string DataFolderFor(const std::string& program_dir) {
  std::error_code ec;
  fs::path folder = fs::path(program_dir).lexically_normal();
  if (folder.filename().empty()) folder = folder.parent_path();  // "…/bin/"
  // Only a program in a "bin" folder is an installed one; a build folder may lie anywhere.
  const fs::path installed = folder.parent_path() / kInstalledDataFolder;
  if (folder.filename() == "bin" && fs::is_directory(installed, ec)) return installed.string();
  return program_dir;
}

std::string ManualPath(const std::string& data_folder) {
  return (fs::path(data_folder) / kManualFolder / kManualStartPage).string();
}

}  // namespace qb
