#pragma once

// The rows of every list-like control (list box, open drop-down, pop-up, PToolboxLib list)
// and the open CControls list that drop-downs and pop-ups share.

#include "controls/control.h"
#include "controls/palm_canvas.h"
#include "controls/palm_look.h"

namespace qb {

struct ListRowsLayout {
  int row_height = kRowHeight;
  int right = 0;    // right edge of every row's polygon
  int visible = 0;  // rows the list shows
  Point arrow;      // anchor of the scroll arrow
  RowColors colors;
};

// Rows 0 … min(count − 1, visible): one more than the list shows, the last starting on the
// bottom edge, which the caller draws again. Then, when the list holds more items than it
// shows, the scroll arrow in the text colour, or in the selected text colour when the last
// shown row is the selected one.
void DrawListRows(PalmCanvas& canvas, const StringList& items, int selected_item,
                  const ListRowsLayout& layout);

// The rows of a CControls list: the background for rows and selected text, black for text
// and the selected row.
RowColors CCRowColors(Color background);

// An open drop-down or a pop-up of w × h showing visible rows: the shadowed box in black,
// the rows, the arrow with anchor (w − 8, h − 10), the shadow.
void DrawCCOpenList(PalmCanvas& canvas, int w, int h, const StringList& items, int selected_item,
                    int visible, Color background);

}  // namespace qb
