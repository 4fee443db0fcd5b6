#pragma once

// Reads X11 PCF bitmap fonts: metrics, bitmaps, encodings, accelerators and properties.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace fontgen {

struct PcfGlyph {
  int left_bearing = 0;
  int right_bearing = 0;
  int advance = 0;
  int ascent = 0;  // above the baseline
  int descent = 0;
  // (right_bearing − left_bearing) × (ascent + descent) pixels, row by row, 1 for ink.
  std::vector<std::uint8_t> pixels;
  int InkWidth() const { return right_bearing - left_bearing; }
  int InkHeight() const { return ascent + descent; }
  bool Ink(int x, int y) const { return pixels[static_cast<std::size_t>(y) * InkWidth() + x]; }
};

struct PcfFont {
  int ascent = 0;
  int descent = 0;
  std::map<std::string, std::string> properties;  // string properties, and numbers as text
  std::map<char32_t, PcfGlyph> glyphs;            // by code point of the font's encoding
};

std::optional<PcfFont> ReadPcf(const std::vector<std::uint8_t>& data, std::string* error);

}  // namespace fontgen
