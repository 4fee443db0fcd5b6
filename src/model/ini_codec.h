#pragma once

// The value encodings of the INI-layout files: integers, colours, the toolkit's colour
// identifiers and the six-field font text.

#include <optional>
#include <string>
#include <string_view>

#include "model/colors.h"
#include "model/font.h"

namespace qb {

// A decimal integer with an optional sign, or hexadecimal after "0x", "0X" or "$" (up to
// eight digits, so "$80000008" reads as the system colour). Nothing else is accepted: no
// blanks, no trailing characters, nothing out of range.
std::optional<int> ParseIniInteger(std::string_view text);
// As above, and decimal values up to 4294967295 as well.
std::optional<Color> ParseIniColor(std::string_view text);
// A colour as an integer value: the toolkit's signed 32-bit number.
std::string IniColorText(Color color);

// "clBlack", "clWindowText" ... for the toolkit's named colours, else "$" and the eight
// hexadecimal digits 00BBGGRR.
std::string ColorIdentText(Color color);
// A colour identifier (any case) or a number; nullopt when it is neither.
std::optional<Color> ParseColorIdent(std::string_view text);

// "name,size,style,pitch,colour,charset", style being the letters of B, I, U, S set.
std::string FontText(const Font& font);
// Cuts the text at every "," or ";" and applies the trimmed fields in order. Unreadable
// numbers and colours keep their attribute, and so does an empty name; missing trailing
// fields leave the rest of the font alone.
void ApplyFontText(std::string_view text, Font* font);

}  // namespace qb
