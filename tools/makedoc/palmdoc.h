#pragma once

// Builds PalmDOC databases: a Palm database of type "TEXt", creator "REAd", whose record 0
// describes the text and whose further records hold it in pieces of at most 4096 bytes, each
// piece on its own and optionally LZ77-compressed.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qb::palmdoc {

using Bytes = std::vector<std::uint8_t>;

inline constexpr std::size_t kRecordSize = 4096;
// The record count is 16-bit and record 0 takes one of them.
inline constexpr std::size_t kMaxTextRecords = 65534;
inline constexpr std::size_t kMaxTextLength = kMaxTextRecords * kRecordSize;
// The longest database name; the name field keeps a terminating NUL.
inline constexpr std::size_t kMaxNameLength = 31;

// Seconds between the Palm epoch (1904-01-01) and the Unix epoch (1970-01-01).
inline constexpr std::int64_t kPalmEpochOffset = 2082844800;

// A Palm date: seconds since 1904-01-01 00:00, kept modulo 2^32 as the format does (it wraps in
// February 2040); times before 1904 give 0.
std::uint32_t PalmTime(std::chrono::system_clock::time_point time);

// One record compressed with the PalmDOC scheme. Each record is compressed on its own, so
// back references never reach outside `record`; it is at most kRecordSize bytes.
Bytes CompressRecord(std::span<const std::uint8_t> record);

// `name` cut to kMaxNameLength bytes, without splitting a UTF-8 sequence at the cut.
std::string DatabaseName(std::string_view name);

struct DocOptions {
  std::string name;  // the document's name, cut as DatabaseName does
  bool compress = true;
  std::uint32_t palm_time = 0;  // creation and modification date
};

// The whole database file for `text`. Throws std::length_error when `text` is longer than
// kMaxTextLength.
Bytes BuildDatabase(std::string_view text, const DocOptions& options);

}  // namespace qb::palmdoc
