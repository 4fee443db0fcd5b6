#pragma once

// Paints one control alone through the form picture, with small block faces in place of the
// Palm faces, so that drawing tests depend on the drawing rules and not on glyph shapes. The
// size rules measure with the same faces while the harness lives.

#include "controls/control.h"
#include "controls/font_registry.h"
#include "controls/form_picture.h"
#include "controls/palm_canvas.h"
#include "controls/size_rules.h"

namespace qb::test {

class PaintHarness {
 public:
  // Every character of every face is advance × height (see BlockFace).
  explicit PaintHarness(int advance = 3, int height = 5);

  // The control's picture, at the size its rule gives it with the block faces (a control
  // made before the harness is held to it first).
  const PalmCanvas& Paint(TControl& control);
  FontRegistry& Fonts() { return fonts_; }

 private:
  FontRegistry fonts_;
  MeasuringFacesScope measuring_{fonts_};
  FormPicture picture_{fonts_};
};

}  // namespace qb::test
