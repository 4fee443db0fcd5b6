#pragma once

// The file work of the generate dialog: the output folder text, texts written with CRLF
// line ends, bitmap files read whole, and the case-blind look-up of a library file.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qb {

// The folder text as a prefix for file names: a separator is appended unless the text is
// empty (the current folder) or already ends in one; on Windows a drive ("C:") is kept and
// a single drive letter becomes "C:\".
std::string OutputFolderPrefix(const std::string& text);

// The path made absolute, for messages; the path itself when that fails.
std::string FullPathText(const std::string& path);

// Each line followed by carriage return and line feed. Both write through WriteFileAtomic:
// false when it could not be written, the old file then left as it was.
bool WriteTextLines(const std::string& path, const std::vector<std::string>& lines);
bool WriteFileBytes(const std::string& path, const std::string& bytes);
// Creates the folder and its missing parents; true when it exists afterwards.
bool EnsureFolder(const std::string& folder);

// Icon bitmaps are small; anything larger than this is refused before it is read.
inline constexpr std::uintmax_t kMaxIconFileSize = 16u << 20;
// The whole file, or nullopt with the message in *error when it cannot be read or is too
// large for an icon.
std::optional<std::string> ReadIconFile(const std::string& path, std::string* error);

// Whether the folder (the current folder when empty) holds a file of that name in any case.
bool FolderHoldsFile(const std::string& folder, const std::string& name);

// Whether a regular file is there (a folder or a device is not one).
bool FileExists(const std::string& path);

}  // namespace qb
