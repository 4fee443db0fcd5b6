#pragma once

#include "controls/painters.h"

namespace qb {

class TCCRadio;

// Across a Radio, item i's cell runs from column x0 to column x1 (both its frame lines) and a
// text of the given width starts at text_x. The drawing and the layout check both place the
// items so.
struct CCRadioColumns {
  int x0 = 0;
  int x1 = 0;
  int text_x = 0;
};
CCRadioColumns CCRadioItemColumns(const TCCRadio& radio, int i, int text_width);

// Radio buttons: a row or column of cells sharing their borders, the selected one inverted.
void PaintCCRadio(TControl& control, PalmCanvas& canvas, const PaintContext& context);

}  // namespace qb
