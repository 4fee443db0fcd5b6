#pragma once

// Every file the program writes goes through WriteFileAtomic, and every document it reads
// through ReadRegularFile. Standard library and POSIX only, so the tools can share it.
//
// Writing: the bytes go to a temporary file created exclusively beside the target, are
// flushed to the disk, and the temporary file is renamed over the target. A failure at any
// step removes the temporary file and leaves the target byte for byte as it was. A target
// that is a symbolic link is followed, so the real file is replaced and the link stays; the
// replaced file's permission bits are kept. A target that exists but is not a regular file
// (a folder, a FIFO, a device) is refused.
//
// Reading: only a regular file is read, never more than the given cap, and never blocking
// on a FIFO.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace qb {

// Forms and projects are far below this; anything above is not a document of ours.
inline constexpr std::uintmax_t kMaxDocumentFileSize = 64u << 20;

// False when the bytes could not be written; the target is then untouched.
bool WriteFileAtomic(const std::string& path, std::string_view bytes);

// The path a write to `path` replaces: symbolic links followed (also a dangling one, whose
// target is then created). The path itself when it is not a link.
std::string WriteTargetFor(const std::string& path);

enum class ReadStatus { kOk, kMissing, kNotRegular, kTooLarge, kUnreadable };

struct ReadResult {
  ReadStatus status = ReadStatus::kUnreadable;
  std::string bytes;
  bool ok() const { return status == ReadStatus::kOk; }
};

ReadResult ReadRegularFile(const std::string& path, std::uintmax_t max_size);

// The path made absolute with every link, "." and ".." resolved as far as it exists, so
// that two spellings of one file compare equal; the path itself when that fails.
std::string CanonicalPathText(const std::string& path);

// Whether a regular file (after following links) exists at the path.
bool IsRegularFile(const std::string& path);

// A sentence for the user naming the path and why it could not be read.
std::string ReadProblemText(const std::string& path, ReadStatus status, std::uintmax_t max_size);

// Told of every write that succeeded, with the path as given and the bytes now in the file,
// so that whoever keeps what a file held hears of the program's own writes. Removing it by
// the number AddWriteObserver gave.
using WriteObserver = std::function<void(const std::string& path, std::string_view bytes)>;
int AddWriteObserver(WriteObserver observer);
void RemoveWriteObserver(int id);

// Tests replace the low-level write to simulate a full disk: the function gets the bytes
// still to write and returns how many it wrote, or -1 with errno set. Null restores it.
using WriteChunkHook = std::function<long(const char* data, std::size_t size)>;
void SetWriteChunkHookForTesting(WriteChunkHook hook);

}  // namespace qb
