#include "codegen/bitmap_string.h"

#include "model/code_page.h"

namespace qb {

namespace {

// Closes one literal and opens the next.
constexpr std::string_view kLiteralJoin = "\" + \"";
constexpr char kHexDigits[] = "0123456789abcdef";

}  // namespace

std::string BitmapWidthHex(int width) {
  // Panel sizes are never negative; a negative one is written as zero rather than wrapped.
  unsigned value = width > 0 ? static_cast<unsigned>(width) : 0u;
  std::string hex;
  do {
    hex.insert(hex.begin(), kHexDigits[value % 16]);
    value /= 16;
  } while (value != 0);
  if (hex.size() < 2) hex.insert(hex.begin(), '0');
  return hex;
}

std::string BitmapString(int width, std::string_view bits) {
  std::string out = BitmapWidthHex(width);
  out.append(kLiteralJoin);
  // Counted in characters, so that a character of a damaged bit text is never cut in two.
  const std::size_t cut = CharactersPrefixSize(bits, kBitmapPieceLength);
  if (cut == bits.size()) {
    out.append(bits);
  } else {
    out.append(bits.substr(0, cut));
    out.append(kLiteralJoin);
    out.append(bits.substr(cut));
  }
  return out;
}

}  // namespace qb
