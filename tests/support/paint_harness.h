#pragma once

// Paints one control alone through the form picture, with small block faces in place of the
// Palm faces, so that drawing tests depend on the drawing rules and not on glyph shapes.

#include "controls/control.h"
#include "controls/font_registry.h"
#include "controls/form_picture.h"
#include "controls/palm_canvas.h"

namespace qb::test {

class PaintHarness {
 public:
  // Every character of every face is advance × height (see BlockFace).
  explicit PaintHarness(int advance = 3, int height = 5);

  // The control's picture, painted again while painting corrects its size.
  const PalmCanvas& Paint(TControl& control);
  FontRegistry& Fonts() { return fonts_; }

 private:
  FontRegistry fonts_;
  FormPicture picture_{fonts_};
};

}  // namespace qb::test
