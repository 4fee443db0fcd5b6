#include "controls/CCButton_paint.h"

#include "controls/CCButton.h"
#include "controls/palm_look.h"

namespace qb {

namespace {
// The Select kind is as wide as its text plus this.
// Radius whose cut is rounded by the corner pixels.
constexpr int kRoundedRadius = 4;
}  // namespace

void PaintCCButton(TControl& control, PalmCanvas& canvas, const PaintContext& context) {
  auto& button = static_cast<TCCButton&>(control);
  const int w = button.Width();
  const int h = button.Height();
  const int c = CornerCut(button.Radius());
  const Color frame = context.form.frame;
  const Color background = TakeFormBackground(button, canvas, context);

  canvas.SetBrush(button.ColorFill());
  SetLinePen(canvas, button.Line(), frame);
  canvas.Polygon(CutCornerOutline(w, h, c));

  const bool rounded = button.Radius() == kRoundedRadius && button.Line() == kLineBlack;
  SetCornerPixels(canvas, w, h, 1, rounded ? kBlack : background);
  if (button.Line() == kLineGray) GrayPassCutCorner(canvas, w, h, c, background);

  Point at = CenteredText(canvas, button.Content(), w, h);
  if (button.IsSelect()) ++at.x;
  canvas.SetTextColor(button.ColorText());
  canvas.TextOut(at.x, at.y, button.Content());

  DrawSelectionMarks(canvas, button);
}

}  // namespace qb
