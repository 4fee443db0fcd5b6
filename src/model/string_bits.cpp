#include "model/string_bits.h"

#include <algorithm>

namespace qb {

namespace {

constexpr int kBitsPerDigit = 4;
constexpr char kDigits[] = "0123456789abcdef";

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 0;
}

}  // namespace

BitPicture::BitPicture(int width, int height)
    : width_(std::max(width, 0)), height_(std::max(height, 0)) {
  bits_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), 0);
}

bool BitPicture::At(int x, int y) const { return Inside(x, y) && bits_[IndexOf(x, y)] != 0; }

void BitPicture::Set(int x, int y, bool on) {
  if (Inside(x, y)) bits_[IndexOf(x, y)] = on ? 1 : 0;
}

void BitPicture::Invert(int x, int y) { Set(x, y, !At(x, y)); }

void BitPicture::ClearAll() { std::fill(bits_.begin(), bits_.end(), 0); }

int BitPicture::CountSet() const {
  return static_cast<int>(std::count(bits_.begin(), bits_.end(), 1));
}

int StringBitsDigitsPerRow(int width) {
  return width > 0 ? (width + kBitsPerDigit - 1) / kBitsPerDigit : 0;
}

BitPicture DecodeStringBits(std::string_view text, int width, int height) {
  BitPicture picture(width, height);
  const int digits = StringBitsDigitsPerRow(picture.Width());
  if (digits == 0) return picture;
  // Only the digits that belong to the picture are looked at.
  const std::size_t usable = std::min(
      text.size(), static_cast<std::size_t>(digits) * static_cast<std::size_t>(picture.Height()));
  for (std::size_t i = 0; i < usable; ++i) {
    const int value = HexValue(text[i]);
    if (value == 0) continue;
    const int y = static_cast<int>(i / static_cast<std::size_t>(digits));
    const int x0 = static_cast<int>(i % static_cast<std::size_t>(digits)) * kBitsPerDigit;
    for (int bit = 0; bit < kBitsPerDigit; ++bit)
      if (value & (8 >> bit)) picture.Set(x0 + bit, y, true);  // Set ignores x beyond the width
  }
  return picture;
}

std::string EncodeStringBits(const BitPicture& picture) {
  const int digits = StringBitsDigitsPerRow(picture.Width());
  std::string text;
  text.reserve(static_cast<std::size_t>(digits) * static_cast<std::size_t>(picture.Height()));
  for (int y = 0; y < picture.Height(); ++y) {
    for (int d = 0; d < digits; ++d) {
      int value = 0;
      for (int bit = 0; bit < kBitsPerDigit; ++bit)
        if (picture.At(d * kBitsPerDigit + bit, y)) value |= 8 >> bit;
      text += kDigits[value];
    }
  }
  return text;
}

}  // namespace qb
