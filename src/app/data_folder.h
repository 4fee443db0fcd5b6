#pragma once

// Where the program finds what it ships with: the Palm faces, the DOC converter and the
// manual. A built program has them beside itself; an installed one (prefix/bin/quillboard)
// in prefix/share/quillboard.

#include <string>

namespace qb {

inline constexpr const char* kInstalledDataFolder = "share/quillboard";
inline constexpr const char* kManualFolder = "manual";
inline constexpr const char* kManualStartPage = "index.html";

// The data folder for a program lying in program_dir.
std::string DataFolderFor(const std::string& program_dir);
// The manual's first page in a data folder.
std::string ManualPath(const std::string& data_folder);

}  // namespace qb
