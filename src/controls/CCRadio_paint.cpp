#include "controls/CCRadio_paint.h"

#include <algorithm>

#include "controls/CCRadio.h"
#include "controls/palm_look.h"
#include "model/datamod.h"

namespace qb {

namespace {

// One cell: its rectangle (corners included) and where its text starts.
struct Cell {
  int x0, y0, x1, y1;
  Point text;
};

// Side by side: cells cw wide, the last one ending at the right edge at the latest.
Cell HorizontalCell(const PalmCanvas& canvas, std::string_view text, int i, int cw, int w, int h) {
  Cell cell{i * cw, 0, 0, h - 1, {}};
  cell.x1 = std::min(cell.x0 + cw, w - 1);
  const int middle = cell.x0 + NearestDiv(cell.x1 - cell.x0, 2);
  cell.text = {middle - NearestDiv(canvas.TextWidth(text), 2), VCenteredTextY(canvas, text, h)};
  return cell;
}

// Stacked: cells ch high, none below the bottom edge.
Cell VerticalCell(const PalmCanvas& canvas, std::string_view text, int i, int ch, int w, int h) {
  Cell cell{0, std::min(i * ch, h - 1), w - 1, 0, {}};
  cell.y1 = std::min(cell.y0 + ch, h - 1);
  const int middle = cell.y0 + NearestDiv(cell.y1 - cell.y0, 2);
  cell.text = {NearestDiv(w - canvas.TextWidth(text), 2),
               middle - NearestDiv(canvas.TextHeight(text), 2)};
  return cell;
}

}  // namespace

void PaintCCRadio(TControl& control, PalmCanvas& canvas, const PaintContext& context) {
  auto& radio = static_cast<TCCRadio&>(control);
  const int w = radio.Width();
  const int h = radio.Height();
  const int n = static_cast<int>(radio.Items().size());
  const int cw = n > 0 ? NearestDiv(w, n) : w;
  const int ch = n > 0 ? NearestDiv(h, n) : h;
  const FormColors& colors = context.form;
  const bool vertical = radio.Orientation() != 0;

  canvas.SetPen(colors.frame);
  for (int i = 0; i < n; ++i) {
    const std::string& text = radio.Items()[static_cast<std::size_t>(i)];
    const bool selected = i == radio.SelectedItem();
    const Cell cell = vertical ? VerticalCell(canvas, text, i, ch, w, h)
                               : HorizontalCell(canvas, text, i, cw, w, h);
    canvas.SetBrush(selected ? colors.selected_fill : colors.fill);
    canvas.Polygon(
        {{cell.x0, cell.y0}, {cell.x1, cell.y0}, {cell.x1, cell.y1}, {cell.x0, cell.y1}});
    canvas.SetTextColor(selected ? colors.selected_text : colors.text);
    canvas.TextOut(cell.text.x, cell.text.y, text);
  }

  DrawSelectionMarks(canvas, radio);
}

}  // namespace qb
