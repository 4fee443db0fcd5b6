#include "model/ini_codec.h"

#include <cstdint>
#include <limits>
#include <vector>

#include "model/text_util.h"

namespace qb {

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The value as a 64-bit number: decimal up to 4294967295 in magnitude, or up to eight
// hexadecimal digits. nullopt for anything else.
std::optional<std::int64_t> ParseWide(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  bool hex = false;
  if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    hex = true;
    text.remove_prefix(2);
  } else if (!text.empty() && text[0] == '$') {
    hex = true;
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  std::int64_t value = 0;
  if (hex) {
    if (text.size() > 8) return std::nullopt;
    for (char c : text) {
      int d = HexDigit(c);
      if (d < 0) return std::nullopt;
      value = value * 16 + d;
    }
    // Eight hexadecimal digits are a 32-bit pattern: "$FFFFFFFF" is -1.
    value = static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
  } else {
    for (char c : text) {
      if (c < '0' || c > '9') return std::nullopt;
      value = value * 10 + (c - '0');
      if (value > std::numeric_limits<std::uint32_t>::max()) return std::nullopt;
    }
  }
  return negative ? -value : value;
}

struct ColorIdent {
  Color value;
  const char* name;
};

constexpr Color kSystemColor = 0x80000000u;

// The toolkit's colour identifiers: the sixteen standard colours, the four extra named
// ones, and the system colours.
const std::vector<ColorIdent>& ColorIdents() {
  static const std::vector<ColorIdent> kIdents = {
      {0x000000, "clBlack"},
      {0x000080, "clMaroon"},
      {0x008000, "clGreen"},
      {0x008080, "clOlive"},
      {0x800000, "clNavy"},
      {0x800080, "clPurple"},
      {0x808000, "clTeal"},
      {0x808080, "clGray"},
      {0xC0C0C0, "clSilver"},
      {0x0000FF, "clRed"},
      {0x00FF00, "clLime"},
      {0x00FFFF, "clYellow"},
      {0xFF0000, "clBlue"},
      {0xFF00FF, "clFuchsia"},
      {0xFFFF00, "clAqua"},
      {0xFFFFFF, "clWhite"},
      {0xC0DCC0, "clMoneyGreen"},
      {0xF0CAA6, "clSkyBlue"},
      {0xF0FBFF, "clCream"},
      {0xA4A0A0, "clMedGray"},
      {kSystemColor | 0, "clScrollBar"},
      {kSystemColor | 1, "clBackground"},
      {kSystemColor | 2, "clActiveCaption"},
      {kSystemColor | 3, "clInactiveCaption"},
      {kSystemColor | 4, "clMenu"},
      {kSystemColor | 5, "clWindow"},
      {kSystemColor | 6, "clWindowFrame"},
      {kSystemColor | 7, "clMenuText"},
      {kSystemColor | 8, "clWindowText"},
      {kSystemColor | 9, "clCaptionText"},
      {kSystemColor | 10, "clActiveBorder"},
      {kSystemColor | 11, "clInactiveBorder"},
      {kSystemColor | 12, "clAppWorkSpace"},
      {kSystemColor | 13, "clHighlight"},
      {kSystemColor | 14, "clHighlightText"},
      {kSystemColor | 15, "clBtnFace"},
      {kSystemColor | 16, "clBtnShadow"},
      {kSystemColor | 17, "clGrayText"},
      {kSystemColor | 18, "clBtnText"},
      {kSystemColor | 19, "clInactiveCaptionText"},
      {kSystemColor | 20, "clBtnHighlight"},
      {kSystemColor | 21, "cl3DDkShadow"},
      {kSystemColor | 22, "cl3DLight"},
      {kSystemColor | 23, "clInfoText"},
      {kSystemColor | 24, "clInfoBk"},
      {0x1FFFFFFF, "clNone"},
      {0x20000000, "clDefault"},
  };
  return kIdents;
}

constexpr std::size_t kFontFieldCount = 6;

// Splits at every "," or ";" into trimmed fields; only the first six mean anything.
std::vector<std::string> FontFields(std::string_view text) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size() && fields.size() < kFontFieldCount; ++i) {
    if (i == text.size() || text[i] == ',' || text[i] == ';') {
      fields.push_back(Trim(text.substr(start, i - start)));
      start = i + 1;
    }
  }
  return fields;
}

void ApplyFontStyle(std::string_view field, Font* font) {
  font->bold = font->italic = font->underline = font->strikeout = false;
  for (char c : field) {
    switch (c) {
      case 'B':
      case 'b':
        font->bold = true;
        break;
      case 'I':
      case 'i':
        font->italic = true;
        break;
      case 'U':
      case 'u':
        font->underline = true;
        break;
      case 'S':
      case 's':
        font->strikeout = true;
        break;
      default:
        break;
    }
  }
}

}  // namespace

std::optional<int> ParseIniInteger(std::string_view text) {
  std::optional<std::int64_t> v = ParseWide(text);
  if (!v || *v < std::numeric_limits<int>::min() || *v > std::numeric_limits<int>::max())
    return std::nullopt;
  return static_cast<int>(*v);
}

std::optional<Color> ParseIniColor(std::string_view text) {
  std::optional<std::int64_t> v = ParseWide(text);
  if (!v || *v < std::numeric_limits<std::int32_t>::min()) return std::nullopt;
  return static_cast<Color>(static_cast<std::uint32_t>(*v));
}

std::string IniColorText(Color color) { return std::to_string(static_cast<std::int32_t>(color)); }

std::string ColorIdentText(Color color) {
  for (const ColorIdent& ident : ColorIdents())
    if (ident.value == color) return ident.name;
  static const char kHex[] = "0123456789ABCDEF";
  std::string out = "$";
  for (int shift = 28; shift >= 0; shift -= 4) out += kHex[(color >> shift) & 0xF];
  return out;
}

std::optional<Color> ParseColorIdent(std::string_view text) {
  for (const ColorIdent& ident : ColorIdents())
    if (SameText(text, ident.name)) return ident.value;
  return ParseIniColor(text);
}

std::string FontText(const Font& font) {
  std::string style;
  if (font.bold) style += 'B';
  if (font.italic) style += 'I';
  if (font.underline) style += 'U';
  if (font.strikeout) style += 'S';
  return font.name + ',' + std::to_string(font.size) + ',' + style + ',' +
         std::to_string(font.pitch) + ',' + ColorIdentText(font.color) + ',' +
         std::to_string(font.charset);
}

void ApplyFontText(std::string_view text, Font* font) {
  std::vector<std::string> fields = FontFields(text);
  auto number = [&](std::size_t i, int* target) {
    if (i < fields.size())
      if (std::optional<int> v = ParseIniInteger(fields[i])) *target = *v;
  };
  if (!fields.empty() && !fields[0].empty()) font->name = fields[0];
  number(1, &font->size);
  if (fields.size() > 2) ApplyFontStyle(fields[2], font);
  number(3, &font->pitch);
  if (fields.size() > 4)
    if (std::optional<Color> c = ParseColorIdent(fields[4])) font->color = *c;
  number(5, &font->charset);
}

}  // namespace qb
