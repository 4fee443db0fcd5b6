#include "support/test_faces.h"

#include <gtest/gtest.h>

#include "controls/fon_writer.h"

namespace qb::test {

PalmFace BlockFace(int advance, int height, const std::string& name) {
  RasterFaceSpec face_spec;
  face_spec.face_name = name;
  face_spec.height = height;
  face_spec.ascent = height;
  face_spec.first_char = 0x20;
  face_spec.last_char = 0x7F;
  face_spec.default_char = 0x7F;
  for (int c = face_spec.first_char; c <= face_spec.last_char; ++c) {
    RasterGlyph g;
    g.width = advance;
    g.pixels.assign(static_cast<std::size_t>(advance) * height, 0);
    if (c != ' ')
      for (int y = 0; y < height; ++y)
        for (int x = 0; x + 1 < advance; ++x)
          g.pixels[static_cast<std::size_t>(y) * advance + x] = 1;
    face_spec.glyphs.push_back(g);
  }
  std::string error;
  auto face = PalmFace::FromFnt(WriteFnt(face_spec, 2), &error);
  EXPECT_TRUE(face.has_value()) << error;
  return face ? *face : PalmFace();
}

PalmFace CodeFace() {
  RasterFaceSpec face_spec;
  face_spec.face_name = "Code";
  face_spec.height = 8;
  face_spec.ascent = 8;
  face_spec.first_char = 0x20;
  face_spec.last_char = 0xFF;
  face_spec.default_char = 0x7F;
  for (int c = face_spec.first_char; c <= face_spec.last_char; ++c) {
    RasterGlyph g;
    g.width = 2;
    g.pixels.assign(16, 0);
    for (int y = 0; y < 8; ++y) g.pixels[static_cast<std::size_t>(y) * 2] = (c >> (7 - y)) & 1;
    face_spec.glyphs.push_back(g);
  }
  std::string error;
  auto face = PalmFace::FromFnt(WriteFnt(face_spec, 2), &error);
  EXPECT_TRUE(face.has_value()) << error;
  return face ? *face : PalmFace();
}

}  // namespace qb::test
