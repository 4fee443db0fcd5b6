#include "support/png_reader.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace qb::test {

namespace {

constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr int kBytesPerPixel = 3;

std::uint32_t Be32(const std::uint8_t* p) {
  return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) |
         p[3];
}

std::optional<PngImage> Fail(std::string* error, const std::string& why) {
  if (error) *error = why;
  return std::nullopt;
}

// The image rows out of the zlib stream, which must hold exactly `expected` bytes.
bool Inflate(const std::vector<std::uint8_t>& z, std::size_t expected,
             std::vector<std::uint8_t>* raw, std::string* why) {
  raw->assign(expected + 1, 0);  // one spare byte shows data beyond the image
  uLongf size = static_cast<uLongf>(raw->size());
  const int result = uncompress(raw->data(), &size, z.data(), static_cast<uLong>(z.size()));
  if (result != Z_OK && result != Z_BUF_ERROR) {
    *why = "bad zlib stream";
    return false;
  }
  if (result == Z_BUF_ERROR && size == raw->size()) {
    *why = "wrong amount of pixel data";
    return false;
  }
  raw->resize(size);
  return true;
}

int Paeth(int a, int b, int c) {
  const int p = a + b - c;
  const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
  if (pa <= pb && pa <= pc) return a;
  return pb <= pc ? b : c;
}

// Undoes the per-row filters in place; false for an unknown filter type.
bool Unfilter(std::vector<std::uint8_t>& raw, int width, int height) {
  const std::size_t stride = static_cast<std::size_t>(width) * kBytesPerPixel;
  for (int y = 0; y < height; ++y) {
    std::uint8_t* row = &raw[y * (stride + 1)];
    const std::uint8_t* prior = y > 0 ? &raw[(y - 1) * (stride + 1) + 1] : nullptr;
    const int type = row[0];
    std::uint8_t* px = row + 1;
    for (std::size_t i = 0; i < stride; ++i) {
      const int a = i >= kBytesPerPixel ? px[i - kBytesPerPixel] : 0;
      const int b = prior ? prior[i] : 0;
      const int c = prior && i >= kBytesPerPixel ? prior[i - kBytesPerPixel] : 0;
      int add = 0;
      switch (type) {
        case 0:
          break;
        case 1:
          add = a;
          break;
        case 2:
          add = b;
          break;
        case 3:
          add = (a + b) / 2;
          break;
        case 4:
          add = Paeth(a, b, c);
          break;
        default:
          return false;
      }
      px[i] = static_cast<std::uint8_t>(px[i] + add);
    }
  }
  return true;
}

}  // namespace

std::optional<PngImage> DecodePng(const std::vector<std::uint8_t>& bytes, std::string* error) {
  if (bytes.size() < 8 || !std::equal(kSignature, kSignature + 8, bytes.begin()))
    return Fail(error, "not a PNG signature");
  PngImage image;
  std::vector<std::uint8_t> idat;
  bool ended = false;
  for (std::size_t pos = 8; !ended;) {
    if (pos + 12 > bytes.size()) return Fail(error, "truncated chunk");
    const std::size_t length = Be32(&bytes[pos]);
    if (length > bytes.size() - pos - 12) return Fail(error, "truncated chunk");
    const std::uint8_t* type = &bytes[pos + 4];
    const std::uint8_t* data = type + 4;
    if (Be32(data + length) != crc32(0, type, static_cast<uInt>(length + 4)))
      return Fail(error, "bad chunk CRC");
    const std::string name(type, type + 4);
    if (name == "IHDR") {
      if (length != 13) return Fail(error, "bad IHDR");
      image.width = static_cast<int>(Be32(data));
      image.height = static_cast<int>(Be32(data + 4));
      if (data[8] != 8 || data[9] != 2 || data[12] != 0)
        return Fail(error, "not 8-bit RGB without interlace");
      if (image.width <= 0 || image.height <= 0 || image.width > 1 << 14 || image.height > 1 << 14)
        return Fail(error, "bad size");
    } else if (name == "IDAT") {
      idat.insert(idat.end(), data, data + length);
    } else if (name == "IEND") {
      ended = true;
    }
    pos += 12 + length;
  }
  if (image.width == 0) return Fail(error, "no IHDR");
  std::vector<std::uint8_t> raw;
  std::string why;
  const std::size_t stride = static_cast<std::size_t>(image.width) * kBytesPerPixel + 1;
  if (!Inflate(idat, stride * image.height, &raw, &why)) return Fail(error, why);
  if (raw.size() != stride * image.height) return Fail(error, "wrong amount of pixel data");
  if (!Unfilter(raw, image.width, image.height)) return Fail(error, "unknown row filter");
  image.pixels.reserve(static_cast<std::size_t>(image.width) * image.height);
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) {
      const std::uint8_t* p = &raw[y * stride + 1 + static_cast<std::size_t>(x) * kBytesPerPixel];
      image.pixels.push_back(MakeColor(p[0], p[1], p[2]));
    }
  return image;
}

std::optional<PngImage> ReadPng(const std::string& path, std::string* error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return Fail(error, "cannot open " + path);
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
  return DecodePng(bytes, error);
}

::testing::AssertionResult SameImage(const PngImage& expected, const PngImage& actual) {
  if (expected.width != actual.width || expected.height != actual.height)
    return ::testing::AssertionFailure()
           << "size " << actual.width << " x " << actual.height << ", expected " << expected.width
           << " x " << expected.height;
  for (int y = 0; y < expected.height; ++y)
    for (int x = 0; x < expected.width; ++x)
      if (expected.At(x, y) != actual.At(x, y))
        return ::testing::AssertionFailure()
               << "first wrong pixel at (" << x << ", " << y << "): expected " << expected.At(x, y)
               << ", got " << actual.At(x, y);
  return ::testing::AssertionSuccess();
}

PngImage ImageOf(const PalmCanvas& canvas) {
  return {canvas.Width(), canvas.Height(), canvas.Pixels()};
}

}  // namespace qb::test
