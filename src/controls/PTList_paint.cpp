#include "controls/PTList_paint.h"

#include "controls/PTList.h"
#include "controls/list_rows.h"
#include "controls/palm_look.h"

namespace qb {

namespace {

constexpr int kStandAlone = 0;
}  // namespace

void PaintPTList(TControl& control, PalmCanvas& canvas, const PaintContext& context) {
  auto& list = static_cast<TPTList&>(control);
  const int row_height = list.RowHeight();
  const int w = list.Width();
  const int h = list.Height();
  const FormColors& form = context.form;
  const bool shadowed = list.Style() != kStandAlone;

  canvas.FillRect(0, 0, w, h, form.fill);
  if (shadowed) {
    DrawPopUpBoxOutline(canvas, w, h, form.frame);
  } else {
    canvas.SetPen(form.frame);
    canvas.ClearBrush();
    canvas.Polygon({{0, 0}, {w - 1, 0}, {w - 1, h - 1}, {0, h - 1}});
  }

  ListRowsLayout layout;
  layout.row_height = row_height;
  layout.right = shadowed ? w - 3 : w - 2;
  layout.visible = list.MaxItems();
  layout.arrow = {w - 8, h - 10};
  layout.colors = {form.fill, form.text, form.selected_fill, form.selected_text};
  DrawListRows(canvas, list.Items(), list.SelectedItem(), layout);

  if (shadowed) {
    DrawPopUpBoxShadow(canvas, w, h, form.frame);
  } else {
    // The row after the last shown one started on the bottom edge.
    canvas.SetPen(form.frame);
    canvas.Polyline({{w - 1, h - 1}, {0, h - 1}});
  }

  DrawSelectionMarks(canvas, list);
}

}  // namespace qb
