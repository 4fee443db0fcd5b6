#pragma once

// The binary layout of Windows raster fonts: FNT resources (versions 2 and 3) and the NE
// executable that wraps them in a .fon file. Shared by the font reader, the font writer and
// the build-time font generator, so it depends on nothing but the standard library.
//
// Every structure is packed and its size pinned; fields are little-endian on disk and are
// read by copying the bytes into the structure, which needs a little-endian host.

#include <bit>
#include <cstdint>

#include "model/code_page.h"

namespace qb::fnt {

static_assert(std::endian::native == std::endian::little,
              "the raster-font structures are read by copying little-endian bytes");

#pragma pack(push, 1)

// The FNT header common to versions 2 and 3.
struct FntHeader {
  std::uint16_t version;
  std::uint32_t size;
  char copyright[60];
  std::uint16_t type;
  std::uint16_t points;
  std::uint16_t vert_res;
  std::uint16_t horiz_res;
  std::uint16_t ascent;
  std::uint16_t internal_leading;
  std::uint16_t external_leading;
  std::uint8_t italic;
  std::uint8_t underline;
  std::uint8_t strike_out;
  std::uint16_t weight;
  std::uint8_t char_set;
  std::uint16_t pix_width;
  std::uint16_t pix_height;
  std::uint8_t pitch_and_family;
  std::uint16_t avg_width;
  std::uint16_t max_width;
  std::uint8_t first_char;
  std::uint8_t last_char;
  std::uint8_t default_char;  // relative to first_char
  std::uint8_t break_char;    // relative to first_char
  std::uint16_t width_bytes;
  std::uint32_t device;
  std::uint32_t face;  // offset of the face name within the resource
  std::uint32_t bits_pointer;
  std::uint32_t bits_offset;
  std::uint8_t reserved;
};

// What version 3 adds after the common header.
struct FntHeaderV3Extra {
  std::uint32_t flags;
  std::uint16_t a_space;
  std::uint16_t b_space;
  std::uint16_t c_space;
  std::uint32_t color_pointer;
  std::uint32_t reserved1[4];
};

// One glyph of the character table: its advance width and the offset of its bits.
struct CharEntryV2 {
  std::uint16_t width;
  std::uint16_t offset;
};
struct CharEntryV3 {
  std::uint16_t width;
  std::uint32_t offset;
};

// The DOS header every executable starts with; only the magic and the NE offset matter.
struct MzHeader {
  std::uint16_t magic;  // "MZ"
  std::uint16_t bytes_last_page;
  std::uint16_t pages;
  std::uint16_t relocations;
  std::uint16_t header_paragraphs;
  std::uint16_t min_alloc;
  std::uint16_t max_alloc;
  std::uint16_t ss;
  std::uint16_t sp;
  std::uint16_t checksum;
  std::uint16_t ip;
  std::uint16_t cs;
  std::uint16_t relocation_offset;
  std::uint16_t overlay;
  std::uint16_t reserved[4];
  std::uint16_t oem_id;
  std::uint16_t oem_info;
  std::uint16_t reserved2[10];
  std::uint32_t new_header;  // file offset of the NE header
};

// The 16-bit "new executable" header. Table offsets are relative to this header, except
// the non-resident name table, which is a file offset.
struct NeHeader {
  std::uint16_t magic;  // "NE"
  std::uint8_t linker_version;
  std::uint8_t linker_revision;
  std::uint16_t entry_table;
  std::uint16_t entry_table_size;
  std::uint32_t crc;
  std::uint16_t flags;
  std::uint16_t auto_data;
  std::uint16_t heap;
  std::uint16_t stack;
  std::uint32_t cs_ip;
  std::uint32_t ss_sp;
  std::uint16_t segment_count;
  std::uint16_t module_ref_count;
  std::uint16_t nonresident_names_size;
  std::uint16_t segment_table;
  std::uint16_t resource_table;
  std::uint16_t resident_names;
  std::uint16_t module_ref_table;
  std::uint16_t imported_names;
  std::uint32_t nonresident_names;
  std::uint16_t movable_entries;
  std::uint16_t alignment_shift;
  std::uint16_t resource_segments;
  std::uint8_t target_os;
  std::uint8_t os2_flags;
  std::uint16_t return_thunks;
  std::uint16_t segment_ref_thunks;
  std::uint16_t swap_area;
  std::uint16_t expected_version;
};

// The resource table: an alignment shift, then type blocks, each followed by its entries.
struct NeTypeInfo {
  std::uint16_t type_id;  // 0 ends the table; 0x8000 | n for integer types
  std::uint16_t count;
  std::uint32_t reserved;
};
struct NeNameInfo {
  std::uint16_t offset;  // in units of 1 << alignment shift
  std::uint16_t length;  // same units
  std::uint16_t flags;
  std::uint16_t id;
  std::uint32_t reserved;
};

#pragma pack(pop)

static_assert(sizeof(FntHeader) == 118);
static_assert(sizeof(FntHeaderV3Extra) == 30);
static_assert(sizeof(FntHeader) + sizeof(FntHeaderV3Extra) == 148);
static_assert(sizeof(CharEntryV2) == 4);
static_assert(sizeof(CharEntryV3) == 6);
static_assert(sizeof(MzHeader) == 64);
static_assert(sizeof(NeHeader) == 64);
static_assert(sizeof(NeTypeInfo) == 8);
static_assert(sizeof(NeNameInfo) == 12);

inline constexpr std::uint16_t kMzMagic = 0x5A4D;  // "MZ"
inline constexpr std::uint16_t kNeMagic = 0x454E;  // "NE"
inline constexpr std::uint16_t kVersion2 = 0x0200;
inline constexpr std::uint16_t kVersion3 = 0x0300;
inline constexpr std::uint16_t kTypeFontDir = 0x8007;
inline constexpr std::uint16_t kTypeFont = 0x8008;
// The version-3 flags of 16-colour, 256-colour and RGB fonts.
inline constexpr std::uint32_t kColorFlags = 0x00E0;
// Bit 0 of type set means a vector font.
inline constexpr std::uint16_t kTypeVector = 0x0001;
inline constexpr std::uint8_t kAnsiCharset = 0;

// The faces are Windows-1252 faces; the code page itself is the program's text policy.
using ::qb::Cp1252FromUnicode;
using ::qb::UnicodeFromCp1252;

}  // namespace qb::fnt
