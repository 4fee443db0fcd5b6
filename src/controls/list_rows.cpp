#include "controls/list_rows.h"

#include <algorithm>

namespace qb {

void DrawListRows(PalmCanvas& canvas, const StringList& items, int selected_item,
                  const ListRowsLayout& layout) {
  const int count = static_cast<int>(items.size());
  const int last = std::min(count - 1, layout.visible);
  const int h = std::max(layout.row_height, 1);
  // Rows below the canvas touch no pixel; a long list need not walk them.
  const int rows_on_canvas = canvas.Height() / h + 1;
  for (int r = 0; r <= last && r <= rows_on_canvas; ++r)
    DrawRow(canvas, r, h, layout.right, items[static_cast<std::size_t>(r)], r == selected_item,
            layout.colors);
  if (layout.visible < count) {
    const bool last_shown_selected = selected_item == layout.visible - 1;
    DrawScrollArrow(canvas, layout.arrow.x, layout.arrow.y,
                    last_shown_selected ? layout.colors.selected_text : layout.colors.text);
  }
}

RowColors CCRowColors(Color background) { return {background, kBlack, kBlack, background}; }

void DrawCCOpenList(PalmCanvas& canvas, int w, int h, const StringList& items, int selected_item,
                    int visible, Color background) {
  DrawPopUpBoxOutline(canvas, w, h, kBlack);
  ListRowsLayout layout;
  layout.right = w - 3;
  layout.visible = visible;
  layout.arrow = {w - 8, h - 10};
  layout.colors = CCRowColors(background);
  DrawListRows(canvas, items, selected_item, layout);
  DrawPopUpBoxShadow(canvas, w, h, kBlack);
}

}  // namespace qb
