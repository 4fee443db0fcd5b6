#pragma once

// The bit string of a one-bit picture as the generated code writes it: the width prefix and
// the bits as adjacent string literals, so that no literal grows past what the on-device
// compiler accepts.

#include <string>
#include <string_view>

namespace qb {

// The panel width in lower-case hexadecimal, at least two digits ("0a" for 10, "a0" for 160).
std::string BitmapWidthHex(int width);

// The text between the opening and the closing double quote of a bitmap argument:
// width prefix, then the bits; bits of 256 characters or more are split after the 255th
// character into a second literal. There is never a third piece.
std::string BitmapLiteral(int width, std::string_view bits);

}  // namespace qb
