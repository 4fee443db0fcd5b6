#include "model/string_bits.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qb {
namespace {

// A picture drawn as text rows: '#' set, '.' clear.
BitPicture FromArt(const std::vector<std::string>& rows) {
  BitPicture picture(rows.empty() ? 0 : static_cast<int>(rows[0].size()),
                     static_cast<int>(rows.size()));
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x)
      picture.Set(x, y, rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == '#');
  return picture;
}

std::vector<std::string> ToArt(const BitPicture& picture) {
  std::vector<std::string> rows;
  for (int y = 0; y < picture.Height(); ++y) {
    std::string row;
    for (int x = 0; x < picture.Width(); ++x) row += picture.At(x, y) ? '#' : '.';
    rows.push_back(row);
  }
  return rows;
}

const std::vector<std::string> kLeftTriangle = {
    ".....#", "....##", "...###", "..####", ".#####", "######",
    ".#####", "..####", "...###", "....##", ".....#",
};

const std::vector<std::string> kUpTriangle = {
    ".....#.....", "....###....", "...#####...", "..#######..", ".#########.", "###########",
};

TEST(StringBits, LeftTriangleReadsAndWritesBack) {
  BitPicture picture = DecodeStringBits("040c1c3c7cfc7c3c1c0c04", 6, 11);
  EXPECT_EQ(ToArt(picture), kLeftTriangle);
  EXPECT_EQ(EncodeStringBits(FromArt(kLeftTriangle)), "040c1c3c7cfc7c3c1c0c04");
}

TEST(StringBits, UpTriangleReadsAndWritesBack) {
  EXPECT_EQ(ToArt(DecodeStringBits("0400e01f03f87fcffe", 11, 6)), kUpTriangle);
  EXPECT_EQ(EncodeStringBits(FromArt(kUpTriangle)), "0400e01f03f87fcffe");
}

struct EncodeCase {
  const char* what;
  std::vector<std::string> art;
  const char* text;
};

class StringBitsEncode : public ::testing::TestWithParam<EncodeCase> {};

TEST_P(StringBitsEncode, WritesCanonicalText) {
  const EncodeCase& c = GetParam();
  EXPECT_EQ(EncodeStringBits(FromArt(c.art)), c.text) << c.what;
  // And the text reads back as the same picture.
  EXPECT_EQ(ToArt(DecodeStringBits(c.text, static_cast<int>(c.art[0].size()),
                                   static_cast<int>(c.art.size()))),
            c.art)
      << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StringBitsEncode,
    ::testing::Values(EncodeCase{"leftmost of four", {"#..."}, "8"},
                      EncodeCase{"rightmost of four", {"...#"}, "1"},
                      EncodeCase{"five wide, padded with clear bits", {"#####", "#####"}, "f8f8"},
                      EncodeCase{"one pixel wide", {"#", ".", "#"}, "808"},
                      EncodeCase{"nine wide needs three digits", {"#.......#"}, "808"},
                      EncodeCase{"all clear", {"....", "...."}, "00"},
                      EncodeCase{"lower-case digits", {"#.#.##.#"}, "ad"}));

TEST(StringBits, UpperCaseReadsLikeLowerCase) {
  EXPECT_EQ(DecodeStringBits("FC", 8, 1), DecodeStringBits("fc", 8, 1));
  EXPECT_EQ(ToArt(DecodeStringBits("FC", 8, 1)), std::vector<std::string>{"######.."});
  EXPECT_EQ(EncodeStringBits(DecodeStringBits("FC", 8, 1)), "fc");
  EXPECT_EQ(EncodeStringBits(DecodeStringBits("ABCDEF", 24, 1)), "abcdef");
}

TEST(StringBits, ShortTextLeavesTheRestClear) {
  BitPicture picture = DecodeStringBits("ff", 8, 8);
  EXPECT_EQ(picture.CountSet(), 8);
  for (int x = 0; x < 8; ++x) EXPECT_TRUE(picture.At(x, 0)) << x;
  EXPECT_EQ(EncodeStringBits(picture), "ff00000000000000");
  EXPECT_EQ(EncodeStringBits(picture).size(), 16u);
}

TEST(StringBits, NonDigitsReadAsFourClearPixels) {
  EXPECT_EQ(ToArt(DecodeStringBits("g8", 8, 1)), std::vector<std::string>{"....#..."});
  EXPECT_EQ(ToArt(DecodeStringBits(" -f", 12, 1)), std::vector<std::string>{"........####"});
}

TEST(StringBits, BitsBeyondTheWidthAreIgnored) {
  // The padding bits of "ff" fall outside a five-pixel row; the second digit's high bit does not.
  EXPECT_EQ(ToArt(DecodeStringBits("ff7f", 5, 2)), (std::vector<std::string>{"#####", ".####"}));
  EXPECT_EQ(EncodeStringBits(DecodeStringBits("ff", 5, 1)), "f8");
}

TEST(StringBits, DigitsBeyondThePictureAreIgnored) {
  EXPECT_EQ(EncodeStringBits(DecodeStringBits("8fffff", 4, 1)), "8");
  EXPECT_EQ(DecodeStringBits("8fffff", 4, 1).CountSet(), 1);
}

TEST(StringBits, RowsStartAtWholeDigits) {
  // Six wide: two digits a row, so row 1 starts at the third digit.
  EXPECT_EQ(ToArt(DecodeStringBits("00f0", 6, 2)), (std::vector<std::string>{"......", "####.."}));
}

TEST(StringBits, EmptyAndNegativeSizes) {
  EXPECT_EQ(EncodeStringBits(DecodeStringBits("ffff", 0, 5)), "");
  EXPECT_EQ(EncodeStringBits(DecodeStringBits("ffff", 5, 0)), "");
  BitPicture negative(-3, -4);
  EXPECT_EQ(negative.Width(), 0);
  EXPECT_EQ(negative.Height(), 0);
  EXPECT_EQ(EncodeStringBits(negative), "");
  EXPECT_EQ(StringBitsDigitsPerRow(0), 0);
  EXPECT_EQ(StringBitsDigitsPerRow(1), 1);
  EXPECT_EQ(StringBitsDigitsPerRow(4), 1);
  EXPECT_EQ(StringBitsDigitsPerRow(5), 2);
}

TEST(BitPicture, OutsideIsClearAndUntouched) {
  BitPicture picture(3, 2);
  picture.Set(-1, 0, true);
  picture.Set(3, 0, true);
  picture.Set(0, 2, true);
  EXPECT_EQ(picture.CountSet(), 0);
  EXPECT_FALSE(picture.At(-1, -1));
  picture.Invert(2, 1);
  EXPECT_TRUE(picture.At(2, 1));
  picture.Invert(2, 1);
  EXPECT_FALSE(picture.At(2, 1));
  picture.Set(1, 1, true);
  picture.ClearAll();
  EXPECT_EQ(picture.CountSet(), 0);
}

}  // namespace
}  // namespace qb
