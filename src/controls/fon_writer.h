#pragma once

// Writes raster faces as FNT resources and as .fon files (an NE executable holding a font
// directory and one font). The build-time font generator makes the default Palm faces with
// it, and the tests make small faces of their own. Standard library only, so that the
// generator can compile it without the rest of the core.

#include <cstdint>
#include <string>
#include <vector>

namespace qb {

struct RasterGlyph {
  int width = 0;
  // width × cell height pixels, row by row, non-zero for ink.
  std::vector<std::uint8_t> pixels;
};

struct RasterFaceSpec {
  std::string face_name;
  std::string copyright;  // at most 60 bytes are kept
  int height = 0;         // of every cell
  int ascent = 0;
  int points = 0;
  int weight = 400;
  int first_char = 0x20;
  int last_char = 0xFF;
  int default_char = 0x20;  // absolute codes
  int break_char = 0x20;
  std::vector<RasterGlyph> glyphs;  // first_char … last_char
};

// FNT version 2 (16-bit glyph offsets) or 3; empty when the face does not fit the version
// or its glyph list does not match its character range.
std::vector<std::uint8_t> WriteFnt(const RasterFaceSpec& face, int version);
// A .fon file with the face as its one font, written as version 2 when it fits, else 3.
std::vector<std::uint8_t> WriteFon(const RasterFaceSpec& face);

}  // namespace qb
