#include "controls/CCPopUp_paint.h"

#include "controls/CCPopUp.h"
#include "controls/list_rows.h"
#include "controls/palm_look.h"

namespace qb {

void PaintCCPopUp(TControl& control, PalmCanvas& canvas, const PaintContext&) {
  auto& popup = static_cast<TCCPopUp&>(control);
  if (popup.Test() == 0) return;
  // The height stays as it is: the pop-up shows as many rows as fit.
  DrawCCOpenList(canvas, popup.Width(), popup.Height(), popup.Items(), popup.SelectedItem(),
                 popup.VisibleItems(), popup.Color());
  DrawSelectionMarks(canvas, popup);
}

}  // namespace qb
