#include "controls/CCListBox_paint.h"

#include "controls/CCListBox.h"
#include "controls/list_rows.h"
#include "controls/palm_look.h"

namespace qb {

void PaintCCListBox(TControl& control, PalmCanvas& canvas, const PaintContext&) {
  auto& list = static_cast<TCCListBox&>(control);
  const int w = list.Width();
  const int h = list.Height();

  canvas.SetPen(kBlack);
  canvas.ClearBrush();
  canvas.Polygon({{0, 0}, {w - 1, 0}, {w - 1, h - 1}, {0, h - 1}});

  ListRowsLayout layout;
  layout.right = w - 2;
  layout.visible = list.VisibleItems();
  layout.arrow = {w - 7, h - 9};
  layout.colors = CCRowColors(list.Color());
  DrawListRows(canvas, list.Items(), list.SelectedItem(), layout);

  // The row after the last shown one started on the bottom edge.
  canvas.SetPen(kBlack);
  canvas.Polyline({{w - 1, h - 1}, {0, h - 1}});

  DrawSelectionMarks(canvas, list);
}

}  // namespace qb
