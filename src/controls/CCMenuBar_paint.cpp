#include "controls/CCMenuBar_paint.h"

#include "controls/CCMenuBar.h"
#include "controls/palm_look.h"

namespace qb {

void PaintCCMenuBar(TControl& control, PalmCanvas& canvas, const PaintContext&) {
  canvas.SetPen(kBlack);
  canvas.ClearBrush();
  canvas.Polygon({{1, 0}, {157, 0}, {158, 1}, {158, 12}, {157, 13}, {1, 13}, {0, 12}, {0, 1}});
  // The shadow: two-point polygons, both ends drawn.
  canvas.Polygon({{159, 2}, {159, 11}});
  canvas.Polygon({{2, 14}, {156, 14}});
  DrawSelectionMarks(canvas, control);
}

}  // namespace qb
