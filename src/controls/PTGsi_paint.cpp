#include "controls/PTGsi_paint.h"

#include "controls/PTGsi.h"
#include "controls/palm_look.h"

namespace qb {

void PaintPTGsi(TControl& control, PalmCanvas& canvas, const PaintContext& context) {
  auto& gsi = static_cast<TPTGsi&>(control);
  TakeFormBackground(gsi, canvas, context);
  canvas.SetPen(context.form.text);
  canvas.SetBrush(context.form.text);
  // An upward arrow.
  canvas.Polygon({{3, 0}, {4, 0}, {7, 3}, {5, 3}, {5, 8}, {2, 8}, {2, 2}, {0, 3}, {3, 0}});
  DrawSelectionMarks(canvas, gsi, MarkSetOf(gsi));
}

}  // namespace qb
