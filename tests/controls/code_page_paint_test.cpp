// What the designer draws of a text: each character as its Windows-1252 glyph, the default
// glyph for one the code page lacks, checked pixel by pixel.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/palm_canvas.h"
#include "support/test_faces.h"

namespace qb {
namespace {

constexpr int kDefault = 0x7F;

struct DrawCase {
  const char* what;
  const char* utf8;
  std::vector<int> glyphs;  // the codes whose glyphs are drawn, in order
};

// Every pixel of the canvas: glyph i's first column spells its code, all else is white.
void ExpectGlyphs(const PalmCanvas& canvas, const std::vector<int>& codes) {
  ASSERT_EQ(canvas.Width(), static_cast<int>(codes.size()) * 2 + 2);
  for (int x = 0; x < canvas.Width(); ++x) {
    for (int y = 0; y < 8; ++y) {
      const std::size_t glyph = static_cast<std::size_t>(x / 2);
      const bool ink = x % 2 == 0 && glyph < codes.size() && ((codes[glyph] >> (7 - y)) & 1);
      EXPECT_EQ(canvas.At(x, y), ink ? kBlack : kWhite) << "pixel " << x << "," << y;
    }
  }
}

TEST(CodePagePaint, EachCharacterDrawsItsWindows1252Glyph) {
  const PalmFace face = test::CodeFace();
  const DrawCase cases[] = {
      {"ASCII", "Ok", {'O', 'k'}},
      {"n with tilde", "A\xC3\xB1o", {'A', 0xF1, 'o'}},
      {"euro sign", "\xE2\x82\xAC", {0x80}},
      {"ellipsis", "\xE2\x80\xA6", {0x85}},
      {"quotes", "\"\xE2\x80\x9C\xE2\x80\x9D", {'"', 0x93, 0x94}},
      {"arrow", "a\xE2\x86\x92", {'a', kDefault}},
      {"Cyrillic", "\xD0\x96\xD0\x96", {kDefault, kDefault}},
      // Read from an older file, "Año" has become UTF-8 before it is drawn; a stray
      // Windows-1252 byte in a text is drawn as the default glyph.
      {"stray byte", "A\xF1o", {'A', kDefault, 'o'}},
  };
  for (const DrawCase& c : cases) {
    SCOPED_TRACE(c.what);
    PalmCanvas canvas(static_cast<int>(c.glyphs.size()) * 2 + 2, 8);
    canvas.SetFace(&face);
    canvas.SetTextColor(kBlack);
    canvas.TextOut(0, 0, c.utf8);
    EXPECT_EQ(canvas.TextWidth(c.utf8), static_cast<int>(c.glyphs.size()) * 2);
    ExpectGlyphs(canvas, c.glyphs);
  }
}

}  // namespace
}  // namespace qb
