#pragma once

// The on-disk layout of a Palm database holding a DOC text. Every multi-byte field is big-endian
// and stored as bytes, so the structs have no padding on any compiler and can be copied to the
// file as they are; the sizes are pinned below.

#include <array>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace qb::palmdoc {

// An unsigned integer kept in big-endian byte order, alignment 1.
template <typename T>
class BigEndian {
  static_assert(std::is_unsigned_v<T>);

 public:
  constexpr BigEndian() = default;
  constexpr BigEndian(T value) { Set(value); }  // NOLINT(google-explicit-constructor)

  constexpr T Value() const {
    T value = 0;
    for (std::uint8_t byte : bytes_) value = static_cast<T>((value << 8) | byte);
    return value;
  }
  constexpr void Set(T value) {
    for (std::size_t i = sizeof(T); i-- > 0;) {
      bytes_[i] = static_cast<std::uint8_t>(value & 0xFF);
      value = static_cast<T>(value >> 8);
    }
  }

 private:
  std::array<std::uint8_t, sizeof(T)> bytes_{};
};

using Be16 = BigEndian<std::uint16_t>;
using Be32 = BigEndian<std::uint32_t>;

inline constexpr std::size_t kNameSize = 32;  // including the terminating NUL

// The database header at the start of the file.
struct PdbHeader {
  std::array<char, kNameSize> name;  // NUL-padded
  Be16 attributes;
  Be16 version;
  Be32 creation_date;  // seconds since 1904-01-01 00:00
  Be32 modification_date;
  Be32 backup_date;
  Be32 modification_number;
  Be32 app_info_id;
  Be32 sort_info_id;
  std::array<char, 4> type;
  std::array<char, 4> creator;
  Be32 unique_id_seed;
  Be32 next_record_list_id;
  Be16 record_count;
};

// One entry of the record list that follows the header.
struct PdbRecordEntry {
  Be32 offset;  // from the start of the file
  std::uint8_t attributes;
  std::array<std::uint8_t, 3> unique_id;  // big-endian
};

// Record 0 of a DOC database: describes the text records that follow it.
struct DocHeader {
  Be16 version;  // kDocUncompressed or kDocCompressed
  Be16 spare;
  Be32 text_length;   // bytes of text before compression
  Be16 record_count;  // text records
  Be16 record_size;   // text bytes per record, the last may hold fewer
  Be32 current_position;
};

static_assert(sizeof(Be16) == 2 && alignof(Be16) == 1);
static_assert(sizeof(Be32) == 4 && alignof(Be32) == 1);
static_assert(sizeof(PdbHeader) == 78 && alignof(PdbHeader) == 1);
static_assert(offsetof(PdbHeader, type) == 60 && offsetof(PdbHeader, record_count) == 76);
static_assert(sizeof(PdbRecordEntry) == 8 && alignof(PdbRecordEntry) == 1);
static_assert(sizeof(DocHeader) == 16 && alignof(DocHeader) == 1);
static_assert(std::is_trivially_copyable_v<PdbHeader> && std::is_standard_layout_v<PdbHeader>);
static_assert(std::is_trivially_copyable_v<PdbRecordEntry>);
static_assert(std::is_trivially_copyable_v<DocHeader>);

inline constexpr std::array<char, 4> kDocType = {'T', 'E', 'X', 't'};
inline constexpr std::array<char, 4> kDocCreator = {'R', 'E', 'A', 'd'};
inline constexpr std::uint16_t kDocUncompressed = 1;
inline constexpr std::uint16_t kDocCompressed = 2;
// Two zero bytes between the record list and the first record.
inline constexpr std::size_t kFillerSize = 2;

}  // namespace qb::palmdoc
