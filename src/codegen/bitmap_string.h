#pragma once

// The text that both generators put between the quotes of a one-bit picture literal: the
// picture width in hexadecimal, then the bits, long bit texts split in two literals.

#include <string>
#include <string_view>

namespace qb {

// Bit texts longer than this many characters are split after kBitmapPieceLength characters
// (characters, not bytes).
inline constexpr std::size_t kBitmapPieceLength = 255;

// The width in lower-case hexadecimal, at least two digits.
std::string BitmapWidthHex(int width);

// w "\" + \"" bits, with bits of 256 characters or more written as the first 255, then
// "\" + \"" and all the rest (never a third piece). The caller adds the outer quotes.
std::string BitmapString(int width, std::string_view bits);

}  // namespace qb
