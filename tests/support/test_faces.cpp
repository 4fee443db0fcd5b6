#include "support/test_faces.h"

#include <gtest/gtest.h>

#include "controls/fon_writer.h"

namespace qb::test {

PalmFace BlockFace(int advance, int height, const std::string& name) {
  RasterFaceSpec spec;
  spec.face_name = name;
  spec.height = height;
  spec.ascent = height;
  spec.first_char = 0x20;
  spec.last_char = 0x7F;
  spec.default_char = 0x7F;
  for (int c = spec.first_char; c <= spec.last_char; ++c) {
    RasterGlyph g;
    g.width = advance;
    g.pixels.assign(static_cast<std::size_t>(advance) * height, 0);
    if (c != ' ')
      for (int y = 0; y < height; ++y)
        for (int x = 0; x + 1 < advance; ++x)
          g.pixels[static_cast<std::size_t>(y) * advance + x] = 1;
    spec.glyphs.push_back(g);
  }
  std::string error;
  auto face = PalmFace::FromFnt(WriteFnt(spec, 2), &error);
  EXPECT_TRUE(face.has_value()) << error;
  return face ? *face : PalmFace();
}

}  // namespace qb::test
