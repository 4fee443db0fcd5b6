#include "controls/CCCheckbox_paint.h"

#include "controls/CCCheckbox.h"
#include "controls/palm_look.h"

namespace qb {

namespace {

constexpr Point kTextAt = {kCCCheckboxTextLeft, 1};
// The pixels where the tick breaks through the box.
constexpr Point kBreaks[] = {{8, 3}, {9, 6}};

void DrawBox(PalmCanvas& canvas) {
  canvas.ClearBrush();
  canvas.Polygon({{2, 3}, {9, 3}, {9, 10}, {2, 10}});
}

void DrawTick(PalmCanvas& canvas) {
  canvas.Polyline({{4, 6}, {6, 8}, {12, 2}});
  canvas.Polyline({{4, 5}, {6, 7}, {12, 1}});
  canvas.Polyline({{5, 5}, {6, 6}, {11, 1}});
}

// The font's colour; a system colour (the toolkit's window text) draws black.
Color FontColor(const TControl& control) {
  constexpr Color kSystemColorFlag = 0x80000000u;
  const Color c = control.Font().color;
  return (c & kSystemColorFlag) != 0 ? kBlack : c;
}

}  // namespace

void PaintCCCheckbox(TControl& control, PalmCanvas& canvas, const PaintContext&) {
  auto& box = static_cast<TCCCheckbox&>(control);
  const Color background = box.Color();

  if (box.State() != 0) {
    canvas.SetPen(kBlack);
    DrawBox(canvas);
    DrawTick(canvas);
    for (const Point& p : kBreaks) canvas.SetPixel(p.x, p.y, background);
  } else {
    // Erases a tick drawn before.
    canvas.SetPen(background);
    DrawTick(canvas);
    canvas.SetPen(kBlack);
    DrawBox(canvas);
  }

  canvas.SetTextColor(FontColor(box));
  canvas.TextOut(kTextAt.x, kTextAt.y, box.Content());

  DrawSelectionMarks(canvas, box);
}

}  // namespace qb
