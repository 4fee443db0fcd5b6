#include "support/paint_harness.h"

#include "support/test_faces.h"

namespace qb::test {

PaintHarness::PaintHarness(int advance, int height) {
  for (const auto& file : FontRegistry::Files())
    fonts_.SetFace(file.font_name, BlockFace(advance, height, file.font_name));
}

const PalmCanvas& PaintHarness::Paint(TControl& control) {
  ApplySizeRules(control, fonts_);
  return picture_.Render(control);
}

}  // namespace qb::test
