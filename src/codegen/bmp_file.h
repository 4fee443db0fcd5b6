#pragma once

// Writing palette bitmaps as Windows BMP files, and checking that a file's bytes are a
// bitmap before it is kept and later written out unchanged.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qb {

// A picture of palette indexes, rows top to bottom, one index per pixel.
struct IndexedBitmap {
  int width = 0;
  int height = 0;
  int bits = 1;                        // 1, 4 or 8 bits per pixel
  std::vector<std::uint32_t> palette;  // 0xRRGGBB, at most 2^bits entries
  std::vector<std::uint8_t> pixels;    // width * height indexes
};

// The file's bytes: bottom-up rows padded to four bytes, uncompressed.
std::string EncodeBmp(const IndexedBitmap& bitmap);

struct BmpInfo {
  int width = 0;
  int height = 0;
  int bits = 0;
};

// What the headers say, or nullopt with the reason in *error when the bytes are not a bitmap
// whose pixels all lie inside the file.
std::optional<BmpInfo> InspectBmp(std::string_view bytes, std::string* error);

}  // namespace qb
