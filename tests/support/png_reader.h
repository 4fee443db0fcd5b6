#pragma once

// Reads back the PNG files this program writes (8-bit RGB), for tests that compare written
// pictures pixel by pixel. Chunks and filters are decoded here, the deflate stream by zlib.

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "controls/palm_canvas.h"
#include "model/colors.h"

namespace qb::test {

struct PngImage {
  int width = 0;
  int height = 0;
  std::vector<Color> pixels;  // row by row
  Color At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// nullopt, with the reason in *error, for a file that is not such a PNG: bad signature or
// chunk checksum, another colour type or depth, a damaged deflate stream, short data.
std::optional<PngImage> DecodePng(const std::vector<std::uint8_t>& bytes, std::string* error);
std::optional<PngImage> ReadPng(const std::string& path, std::string* error);

// Both images the same size and every pixel equal; otherwise names the first difference.
::testing::AssertionResult SameImage(const PngImage& expected, const PngImage& actual);
// The canvas picture as an image.
PngImage ImageOf(const PalmCanvas& canvas);

}  // namespace qb::test
