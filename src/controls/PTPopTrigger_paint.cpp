#include "controls/PTPopTrigger_paint.h"

#include "controls/PTPopTrigger.h"
#include "controls/palm_look.h"

namespace qb {

namespace {}  // namespace

void PaintPTPopTrigger(TControl& control, PalmCanvas& canvas, const PaintContext& context) {
  auto& trigger = static_cast<TPTPopTrigger&>(control);
  if (context.form.has_form) {
    TakeFormBackground(trigger, canvas, context);
    trigger.SetColorText(context.form.text);
  }
  const Color ink = trigger.ColorText();
  const int b = VCenteredTextY(canvas, trigger.Text(), trigger.Height());

  canvas.SetTextColor(ink);
  canvas.TextOut(kPTPopTriggerTextLeft, b, trigger.Text());
  canvas.SetPen(ink);
  canvas.SetBrush(ink);
  canvas.Polygon({{3, b + 4}, {10, b + 4}, {7, b + 7}, {6, b + 7}});

  DrawSelectionMarks(canvas, trigger);
}

}  // namespace qb
