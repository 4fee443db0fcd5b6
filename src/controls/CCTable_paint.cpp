#include "controls/CCTable_paint.h"

#include <algorithm>
#include <charconv>

#include "controls/CCTable.h"
#include "controls/palm_look.h"
#include "model/datamod.h"

namespace qb {

namespace {

constexpr char kCellSeparator = '~';
enum ColumnAlign { kColLeft = 0, kColCenter = 1, kColRight = 2 };

// The list entry as a decimal number; a missing or unreadable entry counts as 0.
int NumberAt(const StringList& list, int j) {
  if (j < 0 || j >= static_cast<int>(list.size())) return 0;
  const std::string& text = list[static_cast<std::size_t>(j)];
  int value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() ? value : 0;
}

int CellTextX(const PalmCanvas& canvas, std::string_view text, int x0, int w, int align) {
  switch (align) {
    case kColCenter:
      return x0 + NearestDiv(w - canvas.TextWidth(text), 2) + 1;
    case kColRight:
      return x0 + w - canvas.TextWidth(text) - 1;
    default:
      return x0 + 2;
  }
}

}  // namespace

void PaintCCTable(TControl& control, PalmCanvas& canvas, const PaintContext&) {
  auto& table = static_cast<TCCTable&>(control);
  const int w_panel = table.Width();
  const int h = table.Height();
  const Color background = table.Color();
  const int rows = std::min(table.VisibleRows(), static_cast<int>(table.Items().size()));

  // Columns without a width entry are skipped, as those of width 0 are.
  const int cols = std::min(table.Cols(), static_cast<int>(table.ColWidths().size()));
  int x0 = 0;
  bool first_drawn = true;
  for (int j = 0; j < cols; ++j) {
    const int w = NumberAt(table.ColWidths(), j);
    if (w <= 0) continue;
    const int x1 = j == table.Cols() - 1 ? w_panel - 1 : std::min(x0 + w, w_panel - 1);

    canvas.SetPen(kBlack);
    canvas.ClearBrush();
    canvas.Polygon({{x0, 0}, {x1, 0}, {x1, h - 1}, {x0, h - 1}});
    // Between columns the shared border is dotted; the outer left edge stays solid.
    if (!first_drawn)
      for (int y = 1; y <= h - 1; y += 2) canvas.SetPixel(x0, y, background);
    first_drawn = false;

    const int align = NumberAt(table.ColAlign(), j);
    canvas.SetTextColor(kBlack);
    for (int r = 0; r < rows; ++r) {
      const std::string cell =
          NthField(table.Items()[static_cast<std::size_t>(r)], kCellSeparator, j + 1);
      canvas.TextOut(CellTextX(canvas, cell, x0, w, align), r * kRowHeight + 1, cell);
    }
    x0 = x1;
  }

  // Drawn once after every column: the same marks each column would draw.
  DrawSelectionMarks(canvas, table);
}

}  // namespace qb
