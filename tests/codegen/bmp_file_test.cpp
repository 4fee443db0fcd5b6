// The BMP writer against bytes worked out by hand, the header checks against damaged files,
// and the built-in icons' sizes and depths.

#include "codegen/bmp_file.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "codegen/default_icons.h"

namespace qb {
namespace {

std::string Bytes(const std::vector<int>& values) {
  std::string out;
  for (int v : values) out.push_back(static_cast<char>(v));
  return out;
}

// ---- Writing --------------------------------------------------------------------------------

TEST(BmpWriter, OneBitRowsRunBottomUpPaddedToFourBytes) {
  IndexedBitmap bitmap{3, 2, 1, {0x000000, 0xFFFFFF}, {1, 0, 1, 0, 1, 1}};
  EXPECT_EQ(EncodeBmp(bitmap),
            Bytes({
                'B',  'M', 70, 0, 0,    0,    0,    0, 0, 0, 62, 0, 0, 0,        // file
                40,   0,   0,  0, 3,    0,    0,    0, 2, 0, 0,  0,              // size
                1,    0,   1,  0, 0,    0,    0,    0, 8, 0, 0,  0,              // planes
                0,    0,   0,  0, 0,    0,    0,    0, 2, 0, 0,  0, 0, 0, 0, 0,  // colours
                0,    0,   0,  0, 0xFF, 0xFF, 0xFF, 0,                           // palette
                0x60, 0,   0,  0,                                                // bottom row
                0xA0, 0,   0,  0,                                                // top row
            }));
}

TEST(BmpWriter, FourBitPixelsTakeTheHighNibbleFirst) {
  IndexedBitmap bitmap{3, 1, 4, {0x112233, 0x445566, 0x778899}, {1, 2, 0}};
  EXPECT_EQ(EncodeBmp(bitmap),
            Bytes({
                'B',  'M',  70,   0, 0,    0,    0,    0, 0, 0, 66, 0, 0, 0,        // file
                40,   0,    0,    0, 3,    0,    0,    0, 1, 0, 0,  0,              // size
                1,    0,    4,    0, 0,    0,    0,    0, 4, 0, 0,  0,              // planes
                0,    0,    0,    0, 0,    0,    0,    0, 3, 0, 0,  0, 0, 0, 0, 0,  // colours
                0x33, 0x22, 0x11, 0, 0x66, 0x55, 0x44, 0,                           // palette
                0x99, 0x88, 0x77, 0,                                                //
                0x12, 0x00, 0,    0,                                                // pixels
            }));
}

TEST(BmpWriter, EightBitRowOfFiveIsPaddedToEight) {
  IndexedBitmap bitmap{5, 1, 8, {0xFF0000}, {0, 0, 0, 0, 0}};
  const std::string bytes = EncodeBmp(bitmap);
  ASSERT_EQ(bytes.size(), 14u + 40u + 4u + 8u);
  EXPECT_EQ(bytes.substr(54), Bytes({0, 0, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

// ---- Checking ------------------------------------------------------------------------------

std::string ValidOneBit() { return EncodeBmp({3, 2, 1, {0, 0xFFFFFF}, {1, 0, 1, 0, 1, 1}}); }

TEST(BmpCheck, AcceptsWhatItWrites) {
  std::string error;
  auto info = InspectBmp(ValidOneBit(), &error);
  ASSERT_TRUE(info) << error;
  EXPECT_EQ(info->width, 3);
  EXPECT_EQ(info->height, 2);
  EXPECT_EQ(info->bits, 1);
}

TEST(BmpCheck, AcceptsTopDownRowsAndTheOldCoreHeader) {
  std::string top_down = ValidOneBit();
  top_down[22] = static_cast<char>(0xFE);  // height -2
  for (int i = 23; i < 26; ++i) top_down[static_cast<std::size_t>(i)] = static_cast<char>(0xFF);
  auto info = InspectBmp(top_down, nullptr);
  ASSERT_TRUE(info);
  EXPECT_EQ(info->height, 2);

  const std::string core = Bytes({'B',  'M', 40, 0,    0,    0,    0, 0, 0, 0, 32, 0, 0, 0,  //
                                  12,   0,   0,  0,    1,    0,    1, 0, 1, 0, 1,  0,        //
                                  0,    0,   0,  0xFF, 0xFF, 0xFF,                           //
                                  0x80, 0,   0,  0,    0,    0,    0, 0});
  info = InspectBmp(core, nullptr);
  ASSERT_TRUE(info);
  EXPECT_EQ(info->bits, 1);
}

struct Damage {
  const char* what;
  std::size_t offset;
  std::vector<int> bytes;  // written over the valid file at offset
  const char* reason;
};

class BmpDamage : public ::testing::TestWithParam<Damage> {};

TEST_P(BmpDamage, IsRefusedWithItsReason) {
  std::string file = ValidOneBit();
  const Damage& d = GetParam();
  for (std::size_t i = 0; i < d.bytes.size(); ++i)
    file[d.offset + i] = static_cast<char>(d.bytes[i]);
  std::string error;
  EXPECT_FALSE(InspectBmp(file, &error)) << d.what;
  EXPECT_EQ(error, d.reason) << d.what;
}

INSTANTIATE_TEST_SUITE_P(
    Headers, BmpDamage,
    ::testing::Values(
        Damage{"signature", 0, {'P', 'K'}, "the file does not start with a bitmap header"},
        Damage{"header size", 14, {41}, "the bitmap header is of an unknown kind"},
        Damage{
            "header beyond file", 14, {0, 1}, "the bitmap's pixels lie beyond the end of the file"},
        Damage{"zero width", 18, {0}, "the bitmap has no valid width and height"},
        Damage{"zero height", 22, {0}, "the bitmap has no valid width and height"},
        Damage{
            "huge width", 18, {0xFF, 0xFF, 0xFF, 0x7F}, "the bitmap has no valid width and height"},
        Damage{"two planes", 26, {2}, "the bitmap has more than one colour plane"},
        Damage{"three bits", 28, {3}, "the bitmap has an unsupported number of bits per pixel"},
        Damage{"RLE8 on one bit", 30, {1}, "the bitmap uses an unsupported compression"},
        Damage{"JPEG inside", 30, {4}, "the bitmap uses an unsupported compression"},
        Damage{"three colours at one bit",
               46,
               {3},
               "the bitmap's colour table is larger than its depth allows"},
        Damage{"pixels beyond end",
               10,
               {0xFF, 0, 0, 0},
               "the bitmap's pixels lie beyond the end of the file"},
        Damage{"offset inside palette",
               10,
               {58},
               "the bitmap's pixels lie beyond the end of the file"},
        Damage{"rows beyond end", 22, {3}, "the bitmap's pixels lie beyond the end of the file"}));

TEST(BmpCheck, ShortOrEmptyInputIsNoBitmap) {
  std::string error;
  EXPECT_FALSE(InspectBmp("", &error));
  EXPECT_EQ(error, "the file does not start with a bitmap header");
  EXPECT_FALSE(InspectBmp(ValidOneBit().substr(0, 30), &error));
  EXPECT_EQ(error, "the bitmap's pixels lie beyond the end of the file");
  EXPECT_FALSE(InspectBmp(ValidOneBit().substr(0, 69), &error));
}

// ---- Run-length data ----

// A 4 × 2 picture (or the given size) with its pixels as run-length data: two colours,
// RLE8 (compression 1) or RLE4 (compression 2).
std::string RleBitmap(int bits, const std::vector<int>& data, int width = 4, int height = 2) {
  IndexedBitmap plain{width,
                      height,
                      bits,
                      {0x000000, 0xFFFFFF},
                      std::vector<std::uint8_t>(static_cast<std::size_t>(width * height), 0)};
  std::string file = EncodeBmp(plain);
  const std::size_t offset = 14 + 40 + 8;
  file.resize(offset);
  file += Bytes(data);
  const auto put32 = [&](std::size_t at, std::size_t v) {
    for (int i = 0; i < 4; ++i)
      file[at + static_cast<std::size_t>(i)] = static_cast<char>(v >> (8 * i));
  };
  put32(2, file.size());
  put32(30, bits == 8 ? 1 : 2);
  put32(34, data.size());
  return file;
}

struct RleCase {
  const char* what;
  int bits;
  std::vector<int> data;
  bool accepted;
};

class BmpRle : public ::testing::TestWithParam<RleCase> {};

TEST_P(BmpRle, IsAcceptedOnlyWhenItFillsThePicture) {
  const RleCase& c = GetParam();
  std::string error;
  const auto info = InspectBmp(RleBitmap(c.bits, c.data), &error);
  EXPECT_EQ(info.has_value(), c.accepted) << c.what;
  if (!c.accepted) {
    EXPECT_EQ(error, "the bitmap's compressed pixels do not fill its width and height") << c.what;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Streams, BmpRle,
    ::testing::Values(
        RleCase{"two runs, two lines, end mark", 8, {4, 1, 0, 0, 4, 0, 0, 1}, true},
        RleCase{"runs split within a row", 8, {1, 1, 3, 0, 0, 0, 2, 1, 2, 0, 0, 1}, true},
        RleCase{"absolute pixels padded to a word",
                8,
                {0, 3, 1, 1, 1, 0, 1, 0, 0, 0, 4, 0, 0, 1},
                true},
        RleCase{"end of line after the last row, no end mark", 8, {4, 1, 0, 0, 4, 0, 0, 0}, true},
        RleCase{"a delta moving over pixels", 8, {2, 1, 0, 2, 2, 0, 0, 0, 4, 0, 0, 1}, true},
        RleCase{"four-bit runs", 4, {4, 0x11, 0, 0, 4, 0x10, 0, 1}, true},
        RleCase{"four-bit absolute pixels", 4, {0, 4, 0x10, 0x10, 0, 0, 4, 0, 0, 1}, true},
        RleCase{"one line only", 8, {4, 1, 0, 1}, false},
        RleCase{"nothing but the end mark", 8, {0, 1}, false},
        RleCase{"short row", 8, {3, 1, 0, 0, 4, 0, 0, 1}, false},
        RleCase{"run beyond the row", 8, {5, 1, 0, 0, 4, 0, 0, 1}, false},
        RleCase{"a third line", 8, {4, 1, 0, 0, 4, 0, 0, 0, 4, 0, 0, 1}, false},
        RleCase{"absolute pixels cut off", 8, {4, 1, 0, 0, 0, 4, 1, 1}, false},
        RleCase{"delta cut off", 8, {4, 1, 0, 0, 0, 2}, false},
        RleCase{"delta below the picture", 8, {0, 2, 0, 5, 0, 1}, false},
        RleCase{"stream ends mid-picture", 8, {4, 1, 0, 0, 2, 0}, false}),
    [](const auto& info) {
      std::string name = info.param.what;
      for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
      return name;
    });

TEST(BmpRle, AStreamLongerThanTheFileIsTruncated) {
  std::string file = RleBitmap(8, {4, 1, 0, 0, 4, 0, 0, 1});
  file[34] = 100;  // image size beyond the end
  std::string error;
  EXPECT_FALSE(InspectBmp(file, &error));
  EXPECT_EQ(error, "the bitmap's pixels lie beyond the end of the file");
}

// ---- Built-in icons ------------------------------------------------------------------------

struct IconShape {
  bool large;
  int depth;
  int width, height, bits;
  std::uint32_t colors;
};

class DefaultIcon : public ::testing::TestWithParam<IconShape> {};

TEST_P(DefaultIcon, HasItsSizeDepthAndColourTable) {
  const IconShape& s = GetParam();
  const std::string bytes = DefaultIconBmp(s.large, s.depth);
  auto info = InspectBmp(bytes, nullptr);
  ASSERT_TRUE(info);
  EXPECT_EQ(info->width, s.width);
  EXPECT_EQ(info->height, s.height);
  EXPECT_EQ(info->bits, s.bits);
  // colors_used, at offset 46.
  std::uint32_t colors = 0;
  for (int i = 3; i >= 0; --i)
    colors = colors << 8 | static_cast<unsigned char>(bytes[46 + static_cast<std::size_t>(i)]);
  EXPECT_EQ(colors, s.colors);
}

INSTANTIATE_TEST_SUITE_P(
    Icons, DefaultIcon,
    ::testing::Values(IconShape{true, 1, 32, 32, 1, 2}, IconShape{true, 2, 32, 32, 4, 4},
                      IconShape{true, 4, 32, 32, 4, 16}, IconShape{true, 8, 32, 32, 8, 256},
                      IconShape{false, 1, 15, 9, 1, 2}, IconShape{false, 2, 15, 9, 4, 4},
                      IconShape{false, 4, 15, 9, 4, 16}, IconShape{false, 8, 15, 9, 8, 256}));

TEST(DefaultIcon, LargeOneBitIconHasTheBoardOutline) {
  const std::string bytes = DefaultIconBmp(true, 1);
  // Rows of 32 pixels are 4 bytes; the top row is stored last. Row 30 (the board's bottom
  // edge, pixels 3 to 23 black) is the second row stored, after the empty bottom row.
  const std::size_t pixels = 14 + 40 + 8;
  EXPECT_EQ(bytes.substr(pixels, 4), Bytes({0, 0, 0, 0}));
  EXPECT_EQ(bytes.substr(pixels + 4, 4), Bytes({0x1F, 0xFF, 0xFF, 0x00}));
}

TEST(DefaultIcon, EveryDepthDiffers) {
  std::vector<std::string> all;
  for (bool large : {true, false})
    for (int depth : {1, 2, 4, 8}) all.push_back(DefaultIconBmp(large, depth));
  for (std::size_t i = 0; i < all.size(); ++i)
    for (std::size_t j = i + 1; j < all.size(); ++j) EXPECT_NE(all[i], all[j]) << i << " " << j;
}

}  // namespace
}  // namespace qb
