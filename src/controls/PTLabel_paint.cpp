#include "controls/PTLabel_paint.h"

#include "controls/PTLabel.h"
#include "controls/palm_look.h"

namespace qb {

namespace {
// The height of a label whose text measures nothing.
}  // namespace

void PaintPTLabel(TControl& control, PalmCanvas& canvas, const PaintContext& context) {
  auto& label = static_cast<TPTLabel&>(control);
  TakeFormBackground(label, canvas, context);
  const int height = canvas.TextHeight(label.Content());
  label.SetBounds(label.Left(), label.Top(), canvas.TextWidth(label.Content()) + 1,
                  height != 0 ? height : kPTEmptyLabelHeight);
  canvas.SetTextColor(label.ColorText());
  canvas.TextOut(0, 0, label.Content());
  DrawSelectionMarks(canvas, label);
}

}  // namespace qb
