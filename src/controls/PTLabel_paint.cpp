#include "controls/PTLabel_paint.h"

#include "controls/PTLabel.h"
#include "controls/palm_look.h"

namespace qb {

void PaintPTLabel(TControl& control, PalmCanvas& canvas, const PaintContext& context) {
  auto& label = static_cast<TPTLabel&>(control);
  TakeFormBackground(label, canvas, context);
  canvas.SetTextColor(label.ColorText());
  canvas.TextOut(0, 0, label.Content());
  DrawSelectionMarks(canvas, label);
}

}  // namespace qb
