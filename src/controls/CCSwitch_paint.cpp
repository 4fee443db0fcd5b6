#include "controls/CCSwitch_paint.h"

#include "controls/CCSwitch.h"
#include "controls/palm_look.h"

namespace qb {

namespace {
constexpr int kRoundedRadius = 4;
}  // namespace

void PaintCCSwitch(TControl& control, PalmCanvas& canvas, const PaintContext& context) {
  auto& sw = static_cast<TCCSwitch&>(control);
  const int w = sw.Width();
  const int h = sw.Height();
  const int c = CornerCut(sw.Radius());
  const FormColors& colors = context.form;
  const bool on = sw.State() != 0;
  TakeFormBackground(sw, canvas, context);

  SetLinePen(canvas, sw.Line(), colors.frame);
  canvas.SetBrush(on ? colors.selected_fill : colors.fill);
  canvas.Polygon(CutCornerOutline(w, h, c));

  if (sw.Radius() == kRoundedRadius && sw.Line() == kLineBlack)
    SetCornerPixels(canvas, w, h, 1, colors.frame);
  else if (!on)
    SetCornerPixels(canvas, w, h, 1, colors.fill);
  if (sw.Line() == kLineGray) GrayPassCutCorner(canvas, w, h, c, colors.fill);

  const Point at = CenteredText(canvas, sw.Content(), w, h);
  canvas.SetTextColor(on ? colors.selected_text : colors.text);
  canvas.TextOut(at.x, at.y, sw.Content());

  DrawSelectionMarks(canvas, sw);
}

}  // namespace qb
