#include "controls/CCLabel_paint.h"

#include "controls/CCLabel.h"
#include "controls/palm_look.h"

namespace qb {

namespace {

// Labels and edits are always this high.

enum LabelStyle { kStylePlain = 0, kStyleUnderlined = 1, kStyleBoxed = 2 };

// The gray underline keeps the even pixels from x = 2 on: the first two pixels and every
// odd one are repainted.
void DotUnderline(PalmCanvas& canvas, int w, int y, Color background) {
  canvas.SetPixel(0, y, background);
  canvas.SetPixel(1, y, background);
  for (int x = 3; x <= w - 1; x += 2) canvas.SetPixel(x, y, background);
}

}  // namespace

void PaintCCLabel(TControl& control, PalmCanvas& canvas, const PaintContext&) {
  // TCCEdit is a TCCLabel and draws the same way.
  auto& label = static_cast<TCCLabel&>(control);
  const int w = label.Width();
  const int h = label.Height();
  const Color background = label.Color();

  if (label.Line() == kLineWhite || label.Style() == kStylePlain)
    canvas.ClearPen();
  else
    canvas.SetPen(kBlack);
  canvas.ClearBrush();

  if (label.Style() == kStyleUnderlined) {
    canvas.Polyline({{0, h - 1}, {w - 1, h - 1}});
    if (label.Line() == kLineGray) DotUnderline(canvas, w, h - 1, background);
  } else if (label.Style() == kStyleBoxed) {
    canvas.Polygon({{0, 0}, {w - 1, 0}, {w - 1, h - 1}, {0, h - 1}});
    if (label.Line() == kLineGray) GrayPassRect(canvas, 0, 0, w - 1, h - 1, background);
  }

  canvas.SetTextColor(kBlack);
  canvas.TextOut(AlignedTextX(canvas, label.Content(), w, label.Alignment()),
                 VCenteredTextY(canvas, label.Content(), h), label.Content());

  DrawSelectionMarks(canvas, label);
}

}  // namespace qb
