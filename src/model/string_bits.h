#pragma once

// StringBits, the one-bit picture of an Image or Bitmap control as hexadecimal text: rows top
// to bottom, each row ceil(W / 4) digits, the leftmost pixel of a digit its most significant
// bit, the last digit of a row padded with clear bits. Written in lower case; read leniently.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qb {

// W × H pixel flags, all clear when made.
class BitPicture {
 public:
  BitPicture() = default;
  // Negative sizes count as 0.
  BitPicture(int width, int height);

  int Width() const { return width_; }
  int Height() const { return height_; }
  // False outside the picture.
  bool At(int x, int y) const;
  // Ignored outside the picture.
  void Set(int x, int y, bool on);
  void Invert(int x, int y);
  void ClearAll();
  int CountSet() const;
  bool operator==(const BitPicture&) const = default;

 private:
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  std::size_t IndexOf(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
           static_cast<std::size_t>(x);
  }

  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint8_t> bits_;
};

// Digits per row of a picture width wide: ceil(width / 4), 0 for no width.
int StringBitsDigitsPerRow(int width);

// Upper-case digits read like lower-case ones; any other character reads as four clear pixels;
// a short text leaves the missing pixels clear; bits beyond a row's width and digits beyond
// the picture are ignored.
BitPicture DecodeStringBits(std::string_view text, int width, int height);
// The canonical text: exactly H × ceil(W / 4) lower-case digits.
std::string EncodeStringBits(const BitPicture& picture);

}  // namespace qb
