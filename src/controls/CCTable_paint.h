#pragma once

#include <vector>

#include "controls/painters.h"

namespace qb {

class TCCTable;

// A column of a Table as it is drawn: index j among the columns, its frame lines at x0 and x1,
// the width its ColWidths entry gives and its ColAlign code. The drawing and the layout check
// both place the cells so.
struct CCTableColumn {
  int index = 0;
  int x0 = 0;
  int x1 = 0;
  int width = 0;
  int align = 0;
};
// The columns drawn, left to right: those without a width entry, or with a width of 0 or
// less, are left out.
std::vector<CCTableColumn> CCTableColumns(const TCCTable& table);
// Where a cell's text of the given width starts in its column.
int CCTableCellTextX(const CCTableColumn& column, int text_width);

// A table: framed columns with dotted separators and the cells of the visible rows.
void PaintCCTable(TControl& control, PalmCanvas& canvas, const PaintContext& context);

}  // namespace qb
