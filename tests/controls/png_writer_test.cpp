// The PNG encoder: checksums, chunk layout and the stored deflate stream, byte by byte.

#include "controls/png_writer.h"

#include <gtest/gtest.h>

#include <string>

namespace qb {
namespace {

std::vector<std::uint8_t> Bytes(const std::string& s) { return {s.begin(), s.end()}; }

TEST(PngChecksums, KnownValues) {
  auto check = Bytes("123456789");
  EXPECT_EQ(Crc32(check.data(), check.size()), 0xCBF43926u);
  auto wiki = Bytes("Wikipedia");
  EXPECT_EQ(Adler32(wiki.data(), wiki.size()), 0x11E60398u);
  EXPECT_EQ(Adler32(nullptr, 0), 1u);
}

TEST(PngEncoder, TwoPixelsByteForByte) {
  PalmCanvas c(2, 1);
  c.SetPixel(0, 0, kRed);
  c.SetPixel(1, 0, kBlue);
  const std::vector<std::uint8_t> expected = {
      0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A,
      // IHDR: 2 × 1, 8-bit RGB
      0, 0, 0, 13, 'I', 'H', 'D', 'R', 0, 0, 0, 2, 0, 0, 0, 1, 8, 2, 0, 0, 0, 0x7B, 0x40, 0xE8,
      0xDD,
      // IDAT: zlib header, one final stored block of 7 bytes, Adler-32
      0, 0, 0, 18, 'I', 'D', 'A', 'T', 0x78, 0x01, 0x01, 0x07, 0x00, 0xF8, 0xFF, 0x00, 0xFF, 0x00,
      0x00, 0x00, 0x00, 0xFF, 0x07, 0x00, 0x01, 0xFF, 0x55, 0x36, 0xBA, 0xC7,
      // IEND
      0, 0, 0, 0, 'I', 'E', 'N', 'D', 0xAE, 0x42, 0x60, 0x82};
  EXPECT_EQ(EncodePng(c), expected);
}

// The raw image rows out of a PNG of stored blocks.
std::vector<std::uint8_t> StoredData(const std::vector<std::uint8_t>& png, int* blocks) {
  std::size_t pos = 8;
  std::vector<std::uint8_t> raw;
  *blocks = 0;
  while (pos + 8 <= png.size()) {
    std::size_t len = (png[pos] << 24) | (png[pos + 1] << 16) | (png[pos + 2] << 8) | png[pos + 3];
    std::string type(png.begin() + pos + 4, png.begin() + pos + 8);
    if (type == "IDAT") {
      std::size_t at = pos + 8 + 2;
      bool last = false;
      while (!last) {
        last = png[at] & 1;
        std::size_t n = png[at + 1] | (png[at + 2] << 8);
        raw.insert(raw.end(), png.begin() + at + 5, png.begin() + at + 5 + n);
        at += 5 + n;
        ++*blocks;
      }
    }
    pos += 12 + len;
  }
  return raw;
}

TEST(PngEncoder, LargePicturesSpanSeveralStoredBlocksAndScale) {
  PalmCanvas c(167, 226, kGray);
  c.SetPixel(166, 225, kRed);
  int blocks = 0;
  auto raw = StoredData(EncodePng(c, 4), &blocks);
  const std::size_t row = 1 + 3 * 167 * 4;
  ASSERT_EQ(raw.size(), row * 226 * 4);
  EXPECT_GT(blocks, 1);
  // The last 4 × 4 pixels are red, the one before gray.
  std::size_t last = raw.size() - 3;
  EXPECT_EQ(raw[last], 0xFF);
  EXPECT_EQ(raw[last + 1], 0);
  EXPECT_EQ(raw[last - 3 * 4], 0x80);
  EXPECT_EQ(raw[raw.size() - row], 0);  // filter byte
}

}  // namespace
}  // namespace qb
