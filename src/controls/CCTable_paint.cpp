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

}  // namespace

std::vector<CCTableColumn> CCTableColumns(const TCCTable& table) {
  const int w_panel = table.Width();
  // Columns without a width entry are skipped, as those of width 0 are.
  const int cols = std::min(table.Cols(), static_cast<int>(table.ColWidths().size()));
  std::vector<CCTableColumn> columns;
  int x0 = 0;
  for (int j = 0; j < cols; ++j) {
    const int w = NumberAt(table.ColWidths(), j);
    if (w <= 0) continue;
    const int x1 = j == table.Cols() - 1 ? w_panel - 1 : std::min(x0 + w, w_panel - 1);
    columns.push_back({j, x0, x1, w, NumberAt(table.ColAlign(), j)});
    x0 = x1;
  }
  return columns;
}

int CCTableCellTextX(const CCTableColumn& column, int text_width) {
  switch (column.align) {
    case kColCenter:
      return column.x0 + NearestDiv(column.width - text_width, 2) + 1;
    case kColRight:
      return column.x0 + column.width - text_width - 1;
    default:
      return column.x0 + 2;
  }
}

void PaintCCTable(TControl& control, PalmCanvas& canvas, const PaintContext&) {
  auto& table = static_cast<TCCTable&>(control);
  const int h = table.Height();
  const Color background = table.Color();
  const int rows = std::min(table.VisibleRows(), static_cast<int>(table.Items().size()));

  bool first_drawn = true;
  for (const CCTableColumn& column : CCTableColumns(table)) {
    const int x0 = column.x0;
    const int x1 = column.x1;
    canvas.SetPen(kBlack);
    canvas.ClearBrush();
    canvas.Polygon({{x0, 0}, {x1, 0}, {x1, h - 1}, {x0, h - 1}});
    // Between columns the shared border is dotted; the outer left edge stays solid.
    if (!first_drawn)
      for (int y = 1; y <= h - 1; y += 2) canvas.SetPixel(x0, y, background);
    first_drawn = false;

    canvas.SetTextColor(kBlack);
    for (int r = 0; r < rows; ++r) {
      const std::string cell =
          NthField(table.Items()[static_cast<std::size_t>(r)], kCellSeparator, column.index + 1);
      canvas.TextOut(CCTableCellTextX(column, canvas.TextWidth(cell)), r * kRowHeight + 1, cell);
    }
  }

  // Drawn once after every column: the same marks each column would draw.
  DrawSelectionMarks(canvas, table);
}

}  // namespace qb
