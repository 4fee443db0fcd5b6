#include "controls/CCDropDown_paint.h"

#include "controls/CCDropDown.h"
#include "controls/list_rows.h"
#include "controls/palm_look.h"

namespace qb {

namespace {

constexpr Point kClosedTextAt = {12, 1};

void DrawClosed(PalmCanvas& canvas, const TCCDropDown& drop) {
  // An index outside the items has no text to show: only the triangle is drawn.
  const int i = drop.SelectedItem();
  if (i >= 0 && i < static_cast<int>(drop.Items().size())) {
    canvas.SetTextColor(kBlack);
    canvas.TextOut(kClosedTextAt.x, kClosedTextAt.y, drop.Items()[static_cast<std::size_t>(i)]);
  }
  canvas.SetPen(kBlack);
  canvas.SetBrush(kBlack);
  canvas.Polygon({{1, 5}, {8, 5}, {5, 8}, {4, 8}});
}

}  // namespace

void PaintCCDropDown(TControl& control, PalmCanvas& canvas, const PaintContext&) {
  auto& drop = static_cast<TCCDropDown&>(control);
  const bool open = drop.TestItems() != 0;

  if (open)
    DrawCCOpenList(canvas, drop.Width(), drop.Height(), drop.Items(), drop.SelectedItem(),
                   drop.VisibleItems(), drop.Color());
  else
    DrawClosed(canvas, drop);

  DrawSelectionMarks(canvas, drop);
}

}  // namespace qb
