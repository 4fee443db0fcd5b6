#include "controls/PTGsi_paint.h"

#include "controls/PTGsi.h"
#include "controls/palm_look.h"

namespace qb {

void PaintPTGsi(TControl& control, PalmCanvas& canvas, const PaintContext& context) {
  auto& gsi = static_cast<TPTGsi&>(control);
  // Put back to its fixed size; the next paint draws it.
  if (gsi.Width() != kGsiWidth || gsi.Height() != kGsiHeight) {
    gsi.SetBounds(gsi.Left(), gsi.Top(), kGsiWidth, kGsiHeight);
    return;
  }
  TakeFormBackground(gsi, canvas, context);
  canvas.SetPen(context.form.text);
  canvas.SetBrush(context.form.text);
  // An upward arrow.
  canvas.Polygon({{3, 0}, {4, 0}, {7, 3}, {5, 3}, {5, 8}, {2, 8}, {2, 2}, {0, 3}, {3, 0}});
  DrawSelectionMarks(canvas, gsi, MarkSetOf(gsi));
}

}  // namespace qb
