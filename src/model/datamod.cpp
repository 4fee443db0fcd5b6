#include "model/datamod.h"

#include <cmath>
#include <iterator>

namespace qb {

int Nearest(double x) { return static_cast<int>(std::nearbyint(x)); }

int NearestDiv(int a, int b) {
  if (b == 0) return 0;
  if (b < 0) {
    a = -a;
    b = -b;
  }
  long long q = a / b;
  long long r = a % b;
  if (r < 0) {
    r += b;
    --q;
  }
  // Compare 2r with b: above goes up, equal goes to the even quotient.
  if (2 * r > b || (2 * r == b && (q & 1) != 0)) ++q;
  return static_cast<int>(q);
}

std::string FontLabel(std::string_view font_name) {
  if (font_name == "PilotBold") return "Bold";
  if (font_name == "PilotLarge") return "Large";
  if (font_name == "PilotBold12") return "LargeBold";
  return "Standard";
}

std::string FontNameFromLabel(std::string_view label) {
  if (label == "Bold") return "PilotBold";
  if (label == "Large") return "PilotLarge";
  if (label == "LargeBold") return "PilotBold12";
  return "PilotStandard";
}

namespace {

constexpr NamedColor kNamedColors[] = {
    {"Black", 0, 15},       {"Maroon", 128, 2},       {"Red", 255, 10},
    {"Green", 32768, 4},    {"Olive", 32896, 3},      {"Lime", 65280, 12},
    {"Yellow", 65535, 11},  {"Navy", 8388608, 6},     {"Purple", 8388736, 7},
    {"Teal", 8421376, 5},   {"Gray", 8421504, 1},     {"Silver", 12632256, 9},
    {"Blue", 16711680, 14}, {"Fuchsia", 16711935, 8}, {"Aqua", 16776960, 13},
    {"White", 16777215, 0},
};

constexpr FormatEntry kDateFormats[] = {
    {8, "Pref. Short Date"},   {9, "Pref. Long Date"}, {10, "MM/DD/YY"},
    {11, "DD/MM/YY"},          {12, "DD.MM.YY"},       {13, "DD-MM-YY"},
    {14, "YY/MM/DD"},          {15, "YY.MM.DD"},       {16, "YY-MM-DD"},
    {17, "MMM DD, YYYY"},      {18, "DD MMM YYYY"},    {19, "DD. MMM YYYY"},
    {20, "MMM YYYY"},          {21, "DD MMM, YYYY"},   {22, "YYYY.MM.DD"},
    {23, "YYYY MMM DD"},       {24, "MMM ''YY"},       {25, "MMM YY"},
    {26, "MM-DD-YY (OS4.0+)"},
};

constexpr FormatEntry kTimeFormats[] = {
    {0, "Minutes"},           {1, "Hours"},          {2, "System pref."}, {3, "h:mm (0-12)"},
    {4, "h:mm am/pm (0-12)"}, {5, "h:mm (0-24)"},    {6, "h.mm (0-12)"},  {7, "h.mm am/pm (0-12)"},
    {8, "h.mm (0-24)"},       {9, "h am/pm (0-12)"}, {10, "h (0-24)"},    {11, "h,mm (0-24)"},
};

}  // namespace

const NamedColor* NamedColors(int* count) {
  *count = static_cast<int>(std::size(kNamedColors));
  return kNamedColors;
}

std::vector<std::string> ColorListNames() {
  static constexpr Color kListOrder[] = {kBlack,  kMaroon,  kGreen,   32896, kNavy, 8388736,
                                         8421376, kGray,    kSilver,  kRed,  65280, 65535,
                                         kBlue,   16711935, 16776960, kWhite};
  std::vector<std::string> names;
  for (Color value : kListOrder) names.push_back(ColorName(value));
  return names;
}

std::string ColorName(Color value) {
  for (const auto& c : kNamedColors)
    if (c.value == value) return c.name;
  return {};
}

Color ColorFromName(std::string_view name) {
  for (const auto& c : kNamedColors)
    if (name == c.name) return c.value;
  return 0;
}

int ColorPaletteIndex(Color value) {
  for (const auto& c : kNamedColors)
    if (c.value == value) return c.palette_index;
  return -1;
}

const FormatEntry* DateTimeFormats(int picker_type, int* count) {
  if (picker_type == kPickerDate) {
    *count = static_cast<int>(std::size(kDateFormats));
    return kDateFormats;
  }
  if (picker_type == kPickerTime) {
    *count = static_cast<int>(std::size(kTimeFormats));
    return kTimeFormats;
  }
  *count = 0;
  return nullptr;
}

std::string DateTimeFormatLabel(int picker_type, int code) {
  int n = 0;
  const FormatEntry* table = DateTimeFormats(picker_type, &n);
  for (int i = 0; i < n; ++i)
    if (table[i].code == code) return table[i].label;
  return "(None)";
}

int DateTimeFormatCode(int picker_type, std::string_view label) {
  int n = 0;
  const FormatEntry* table = DateTimeFormats(picker_type, &n);
  for (int i = 0; i < n; ++i)
    if (label == table[i].label) return table[i].code;
  return 8;
}

std::string NthField(std::string_view text, char sep, int n) {
  if (n < 1) return {};
  std::size_t start = 0;
  for (int field = 1; field < n; ++field) {
    std::size_t next = text.find(sep, start);
    if (next == std::string_view::npos) return {};
    start = next + 1;
  }
  std::size_t end = text.find(sep, start);
  return std::string(text.substr(start, end == std::string_view::npos ? text.npos : end - start));
}

std::string LeftPad(std::string_view text, char pad, std::size_t width) {
  if (text.size() >= width) return std::string(text);
  return std::string(width - text.size(), pad) + std::string(text);
}

}  // namespace qb
