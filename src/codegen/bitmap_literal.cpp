#include "codegen/bitmap_literal.h"

#include "model/datamod.h"

namespace qb {

namespace {

// Joins two adjacent literals inside the generated text.
constexpr std::string_view kLiteralJoin = "\" + \"";
// The longest bit string written as one literal.
constexpr std::size_t kMaxLiteral = 255;

}  // namespace

std::string BitmapWidthHex(int width) {
  static constexpr char kDigits[] = "0123456789abcdef";
  // Widths are never negative (the geometry clamps them); guard anyway.
  unsigned value = width < 0 ? 0u : static_cast<unsigned>(width);
  std::string hex;
  do {
    hex.insert(hex.begin(), kDigits[value % 16]);
    value /= 16;
  } while (value != 0);
  return LeftPad(hex, '0', 2);
}

std::string BitmapLiteral(int width, std::string_view bits) {
  std::string out = BitmapWidthHex(width);
  out += kLiteralJoin;
  if (bits.size() <= kMaxLiteral) {
    out += bits;
  } else {
    out += bits.substr(0, kMaxLiteral);
    out += kLiteralJoin;
    out += bits.substr(kMaxLiteral);
  }
  return out;
}

}  // namespace qb
