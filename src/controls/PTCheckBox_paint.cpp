#include "controls/PTCheckBox_paint.h"

#include "controls/PTCheckBox.h"
#include "controls/palm_look.h"
#include "model/datamod.h"

namespace qb {

namespace {

// Everything hangs from b, the top of the text centred in the panel.
void DrawBox(PalmCanvas& canvas, int b) {
  canvas.ClearBrush();
  canvas.Polygon({{3, b + 3}, {10, b + 3}, {10, b + 10}, {3, b + 10}});
}

void DrawTick(PalmCanvas& canvas, int b) {
  canvas.Polyline({{5, b + 6}, {7, b + 8}, {13, b + 2}});
  canvas.Polyline({{5, b + 5}, {7, b + 7}, {13, b + 1}});
  canvas.Polyline({{6, b + 5}, {7, b + 6}, {12, b + 1}});
}

}  // namespace

void PaintPTCheckbox(TControl& control, PalmCanvas& canvas, const PaintContext& context) {
  auto& box = static_cast<TPTCheckbox&>(control);
  const Color ink = context.form.text;
  const Color background = TakeFormBackground(box, canvas, context);
  const int b = VCenteredTextY(canvas, box.Content(), box.Height());

  if (box.State() != 0) {
    canvas.SetPen(ink);
    DrawBox(canvas, b);
    DrawTick(canvas, b);
    // The tick breaks through the box.
    canvas.SetPixel(9, b + 3, background);
    canvas.SetPixel(10, b + 6, background);
  } else {
    canvas.SetPen(background);
    DrawTick(canvas, b);
    canvas.SetPen(ink);
    DrawBox(canvas, b);
  }

  canvas.SetTextColor(ink);
  canvas.TextOut(kPTCheckboxTextLeft, b + 1, box.Content());
  DrawSelectionMarks(canvas, box);
}

}  // namespace qb
