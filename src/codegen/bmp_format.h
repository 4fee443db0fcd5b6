#pragma once

// The on-disk headers of a Windows bitmap file. Every field is little-endian; the structs are
// packed so that they can be copied straight from and to the file's bytes.

#include <cstdint>

namespace qb {

#pragma pack(push, 1)

struct BmpFileHeader {
  std::uint8_t type[2];  // "BM"
  std::uint32_t file_size;
  std::uint16_t reserved1;
  std::uint16_t reserved2;
  std::uint32_t pixel_offset;  // from the start of the file
};

// The OS/2 1.x header: sizes are unsigned 16-bit and rows always run bottom-up.
struct BmpCoreHeader {
  std::uint32_t size;  // 12
  std::uint16_t width;
  std::uint16_t height;
  std::uint16_t planes;
  std::uint16_t bit_count;
};

// The Windows header (40 bytes); later versions extend it and start the same way.
struct BmpInfoHeader {
  std::uint32_t size;
  std::int32_t width;
  std::int32_t height;  // negative: rows run top-down
  std::uint16_t planes;
  std::uint16_t bit_count;
  std::uint32_t compression;
  std::uint32_t image_size;
  std::int32_t x_pixels_per_meter;
  std::int32_t y_pixels_per_meter;
  std::uint32_t colors_used;
  std::uint32_t colors_important;
};

#pragma pack(pop)

static_assert(sizeof(BmpFileHeader) == 14);
static_assert(sizeof(BmpCoreHeader) == 12);
static_assert(sizeof(BmpInfoHeader) == 40);

inline constexpr std::uint32_t kBmpRgb = 0;
inline constexpr std::uint32_t kBmpRle8 = 1;
inline constexpr std::uint32_t kBmpRle4 = 2;
inline constexpr std::uint32_t kBmpBitFields = 3;

}  // namespace qb
