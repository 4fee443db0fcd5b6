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

// Side by side: cells as high as the control, the text centred vertically.
Cell HorizontalCell(const PalmCanvas& canvas, std::string_view text, const CCRadioColumns& across,
                    int h) {
  return {across.x0, 0, across.x1, h - 1, {across.text_x, VCenteredTextY(canvas, text, h)}};
}

// Stacked: cells ch high, none below the bottom edge.
Cell VerticalCell(const PalmCanvas& canvas, std::string_view text, const CCRadioColumns& across,
                  int i, int ch, int h) {
  Cell cell{across.x0, std::min(i * ch, h - 1), across.x1, 0, {}};
  cell.y1 = std::min(cell.y0 + ch, h - 1);
  const int middle = cell.y0 + NearestDiv(cell.y1 - cell.y0, 2);
  cell.text = {across.text_x, middle - NearestDiv(canvas.TextHeight(text), 2)};
  return cell;
}

}  // namespace

CCRadioColumns CCRadioItemColumns(const TCCRadio& radio, int i, int text_width) {
  const int w = radio.Width();
  // Stacked cells span the width.
  if (radio.Orientation() != 0) return {0, w - 1, NearestDiv(w - text_width, 2)};
  // Side by side: cells cw wide, the last one ending at the right edge at the latest.
  const int n = static_cast<int>(radio.Items().size());
  const int cw = n > 0 ? NearestDiv(w, n) : w;
  const int x0 = i * cw;
  const int x1 = std::min(x0 + cw, w - 1);
  const int middle = x0 + NearestDiv(x1 - x0, 2);
  return {x0, x1, middle - NearestDiv(text_width, 2)};
}

void PaintCCRadio(TControl& control, PalmCanvas& canvas, const PaintContext& context) {
  auto& radio = static_cast<TCCRadio&>(control);
  const int h = radio.Height();
  const int n = static_cast<int>(radio.Items().size());
  const int ch = n > 0 ? NearestDiv(h, n) : h;
  const FormColors& colors = context.form;
  const bool vertical = radio.Orientation() != 0;

  canvas.SetPen(colors.frame);
  for (int i = 0; i < n; ++i) {
    const std::string& text = radio.Items()[static_cast<std::size_t>(i)];
    const bool selected = i == radio.SelectedItem();
    const CCRadioColumns across = CCRadioItemColumns(radio, i, canvas.TextWidth(text));
    const Cell cell = vertical ? VerticalCell(canvas, text, across, i, ch, h)
                               : HorizontalCell(canvas, text, across, h);
    canvas.SetBrush(selected ? colors.selected_fill : colors.fill);
    canvas.Polygon(
        {{cell.x0, cell.y0}, {cell.x1, cell.y0}, {cell.x1, cell.y1}, {cell.x0, cell.y1}});
    canvas.SetTextColor(selected ? colors.selected_text : colors.text);
    canvas.TextOut(cell.text.x, cell.text.y, text);
  }

  DrawSelectionMarks(canvas, radio);
}

}  // namespace qb
