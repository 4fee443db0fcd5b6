#pragma once

// Pieces that several CControls texts share.

namespace qb {

inline constexpr const char* kCcIncludeOpen = "#include \"";
// Opens the first line of a text that is converted into a memo.
inline constexpr const char* kCcMemoOpen = "/$ ";
// The project's file names: the project name followed by these.
inline constexpr const char* kCcHeaderSuffix = ".h";
inline constexpr const char* kCcFormsSuffix = "Forms.pc";
inline constexpr const char* kCcEventsSuffix = "Events.pc";

}  // namespace qb
