// The PNG encoder: the header byte by byte, the pictures pixel by pixel through an independent
// reader, and the compression that keeps flat pictures small.

#include "controls/png_writer.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/png_reader.h"
#include "support/temp_dir.h"

namespace qb {
namespace {

TEST(PngEncoder, SignatureAndHeaderByteForByte) {
  PalmCanvas c(2, 1);
  c.SetPixel(0, 0, kRed);
  c.SetPixel(1, 0, kBlue);
  const std::vector<std::uint8_t> png = EncodePng(c);
  const std::vector<std::uint8_t> expected = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A,
                                              // IHDR: 2 × 1, 8-bit RGB, no interlace, and its CRC
                                              0, 0, 0, 13, 'I', 'H', 'D', 'R', 0, 0, 0, 2, 0, 0, 0,
                                              1, 8, 2, 0, 0, 0, 0x7B, 0x40, 0xE8, 0xDD};
  ASSERT_GE(png.size(), expected.size());
  EXPECT_EQ(std::vector<std::uint8_t>(png.begin(), png.begin() + expected.size()), expected);
  // It ends with the empty IEND chunk.
  const std::vector<std::uint8_t> iend = {0, 0, 0, 0, 'I', 'E', 'N', 'D', 0xAE, 0x42, 0x60, 0x82};
  EXPECT_EQ(std::vector<std::uint8_t>(png.end() - 12, png.end()), iend);

  std::string error;
  auto image = test::DecodePng(png, &error);
  ASSERT_TRUE(image) << error;
  EXPECT_TRUE(test::SameImage(test::ImageOf(c), *image));
}

struct ScaleCase {
  int width, height, scale;
};

TEST(PngEncoder, ScaledPicturesPixelByPixel) {
  const ScaleCase cases[] = {{1, 1, 1}, {3, 2, 2}, {167, 226, 1}, {167, 226, 3}, {20, 7, 5}};
  for (const ScaleCase& sc : cases) {
    PalmCanvas c(sc.width, sc.height, kGray);
    // A pattern with a different colour in every corner and a diagonal.
    for (int i = 0; i < std::min(sc.width, sc.height); ++i) c.SetPixel(i, i, kNavy);
    c.SetPixel(0, 0, kRed);
    c.SetPixel(sc.width - 1, 0, kGreen);
    c.SetPixel(0, sc.height - 1, kBlue);
    c.SetPixel(sc.width - 1, sc.height - 1, kMaroon);
    std::string error;
    auto image = test::DecodePng(EncodePng(c, sc.scale), &error);
    ASSERT_TRUE(image) << error << " " << sc.width << "x" << sc.height << " *" << sc.scale;
    ASSERT_EQ(image->width, sc.width * sc.scale);
    ASSERT_EQ(image->height, sc.height * sc.scale);
    for (int y = 0; y < image->height; ++y)
      for (int x = 0; x < image->width; ++x)
        ASSERT_EQ(image->At(x, y), c.At(x / sc.scale, y / sc.scale))
            << "(" << x << ", " << y << ") of " << sc.width << "x" << sc.height << " *" << sc.scale;
  }
}

TEST(PngEncoder, FlatPicturesAreCompressed) {
  PalmCanvas c(167, 226, kGray);
  c.SetPixel(166, 225, kRed);
  const std::size_t raw = (1 + 3 * 167 * 3) * 226 * 3;
  const std::vector<std::uint8_t> png = EncodePng(c, 3);
  EXPECT_LT(png.size(), raw / 100) << png.size();
}

TEST(PngEncoder, ScaleBelowOneIsOne) {
  PalmCanvas c(4, 3, kWhite);
  EXPECT_EQ(EncodePng(c, 0), EncodePng(c, 1));
  EXPECT_EQ(EncodePng(c, -2), EncodePng(c, 1));
}

TEST(PngEncoder, FailuresAreNoFile) {
  test::TempDir dir;
  PalmCanvas c(4, 3, kWhite);
  // A folder where the file should be.
  EXPECT_FALSE(WritePng(dir.Root().string(), c));
  EXPECT_FALSE(WritePng(dir.Path("missing/a.png"), c));
  ASSERT_TRUE(WritePng(dir.Path("a.png"), c, 2));
  std::string error;
  auto image = test::ReadPng(dir.Path("a.png"), &error);
  ASSERT_TRUE(image) << error;
  EXPECT_EQ(image->width, 8);
}

}  // namespace
}  // namespace qb
