#pragma once

// Shared tables and small helpers used across the designer, the property rules and the
// generators: Palm font labels, the sixteen named colours, date and time formats.

#include <string>
#include <string_view>
#include <vector>

#include "model/colors.h"

namespace qb {

// x rounded to the nearest integer, halves going to the even neighbour.
int Nearest(double x);
// a / b rounded the same way, computed exactly for integers.
int NearestDiv(int a, int b);

// "PilotBold" -> "Bold", "PilotLarge" -> "Large", "PilotBold12" -> "LargeBold", else "Standard".
std::string FontLabel(std::string_view font_name);
// "Bold", "Large", "LargeBold" -> their font names, anything else -> "PilotStandard".
std::string FontNameFromLabel(std::string_view label);

struct NamedColor {
  const char* name;
  Color value;
  int palette_index;
};
// The sixteen named colours, Black first and White last.
const NamedColor* NamedColors(int* count);

// The sixteen names in the order every colour list offers them: Black, Maroon, Green, Olive,
// Navy, Purple, Teal, Gray, Silver, Red, Lime, Yellow, Blue, Fuchsia, Aqua, White.
std::vector<std::string> ColorListNames();

// Empty for a value outside the table.
std::string ColorName(Color value);
// Exact, case-sensitive; anything else gives 0 (Black).
Color ColorFromName(std::string_view name);
// Palette index of a named colour, -1 for a value outside the table.
int ColorPaletteIndex(Color value);

// Select pickers: type 1 date, type 2 time.
inline constexpr int kPickerNone = 0;
inline constexpr int kPickerDate = 1;
inline constexpr int kPickerTime = 2;

// "(None)" for a code outside the table of its type, or any other type.
std::string DateTimeFormatLabel(int picker_type, int code);
// Any other label gives 8, for either type.
int DateTimeFormatCode(int picker_type, std::string_view label);
// The labels of one picker type in code order (empty for other types).
struct FormatEntry {
  int code;
  const char* label;
};
const FormatEntry* DateTimeFormats(int picker_type, int* count);

// The n-th (1-based) field of text delimited by sep; empty when there is none.
std::string NthField(std::string_view text, char sep, int n);
// text padded on the left with pad to width; longer texts unchanged.
std::string LeftPad(std::string_view text, char pad, std::size_t width);

}  // namespace qb
