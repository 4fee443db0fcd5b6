#pragma once

namespace qb {

// The on-device form library a project targets; stored everywhere as the integer value.
enum class LibraryId : int { kCControls = 1, kPToolboxLib = 2 };

inline constexpr const char* LibraryListName(LibraryId lib) {
  return lib == LibraryId::kCControls ? "CControls" : "PToolBox";
}
inline constexpr const char* LibraryStatusName(LibraryId lib) {
  return lib == LibraryId::kCControls ? "CControls" : "PToolboxLib";
}

}  // namespace qb
