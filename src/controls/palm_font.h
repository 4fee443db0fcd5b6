#pragma once

// Raster faces read from Windows font files: a .fon (FNT resources wrapped in an NE
// executable) or a plain .fnt, versions 2 and 3, one bit per pixel. Text in the model is
// UTF-8; it is drawn through Windows-1252, and a character the face lacks is drawn as the
// face's default character.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/code_page.h"

namespace qb {

// A non-owning view of one glyph's bits as the FNT stores them: byte columns of eight
// pixels, each column `height` bytes from top to bottom, the leftmost pixel in bit 7.
struct GlyphView {
  const std::uint8_t* bits = nullptr;
  int width = 0;
  int height = 0;
  bool Bit(int x, int y) const { return (bits[(x >> 3) * height + y] & (0x80 >> (x & 7))) != 0; }
};

class PalmFace {
 public:
  // Parses one FNT resource. Every offset is checked against the data; a file that does not
  // hold a usable one-bit raster font gives nullopt and a reason in *error (when given).
  static std::optional<PalmFace> FromFnt(std::span<const std::uint8_t> data, std::string* error);
  // The first usable raster font of a .fon file, or of a plain .fnt.
  static std::optional<PalmFace> FromFile(std::span<const std::uint8_t> data, std::string* error);
  static std::optional<PalmFace> Load(const std::string& path, std::string* error);

  const std::string& FaceName() const { return face_name_; }
  // The height of every character cell in pixels.
  int Height() const { return height_; }
  int Ascent() const { return ascent_; }
  int FirstChar() const { return first_char_; }
  int LastChar() const { return last_char_; }
  int DefaultChar() const { return default_char_; }

  // Whether the face holds a glyph for the Windows-1252 byte.
  bool HasGlyph(int code) const { return code >= first_char_ && code <= last_char_; }
  // The glyph of a Windows-1252 byte; the default character's for one outside the face.
  GlyphView Glyph(int code) const;

  // Width and height of a UTF-8 text; an empty text measures 0 × 0.
  int TextWidth(std::string_view utf8) const;
  int TextHeight(std::string_view utf8) const { return utf8.empty() ? 0 : height_; }

 private:
  struct Entry {
    int width;
    std::uint32_t offset;
  };
  std::vector<std::uint8_t> data_;  // the whole FNT resource; glyph views point into it
  std::vector<Entry> entries_;      // first_char_ … last_char_
  std::string face_name_;
  int height_ = 0;
  int ascent_ = 0;
  int first_char_ = 0;
  int last_char_ = -1;
  int default_char_ = 0;
};

// The face compiled into the program, drawn when a Palm face could not be loaded.
const PalmFace& BuiltinFace();

}  // namespace qb
