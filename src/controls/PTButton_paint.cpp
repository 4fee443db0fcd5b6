#include "controls/PTButton_paint.h"

#include "controls/PTButton.h"
#include "controls/palm_look.h"

namespace qb {

namespace {

enum ButtonFrame { kFrameBold = 1, kFrameSquare = 2, kFrameNone = 3 };
constexpr int kRepeatButton = 1;
// The corner cut of the rounded frames.
constexpr int kFrameCut = 3;

// A coordinate of the bold ring: from the left or top edge when not negative, else from the
// right or bottom edge (−1 is the last pixel).
constexpr int Resolve(int v, int size) { return v >= 0 ? v : size + v; }

struct RingRun {
  int x0, x1;  // inclusive
};
struct RingRows {
  int y0, y1;  // inclusive
  RingRun runs[2];
  int run_count;
};

// The outer ring of the Bold frame, row by row.
constexpr RingRows kBoldRing[] = {
    {0, 0, {{5, -7}}, 1},
    {1, 1, {{3, -5}}, 1},
    {2, 2, {{2, 5}, {-7, -4}}, 2},
    {3, 3, {{1, 3}, {-5, -3}}, 2},
    {4, 4, {{1, 2}, {-4, -3}}, 2},
    {5, 5, {{0, 2}, {-4, -2}}, 2},
    {6, -7, {{0, 1}, {-3, -2}}, 2},
    {-6, -6, {{0, 2}, {-4, -2}}, 2},
    {-5, -5, {{1, 2}, {-4, -3}}, 2},
    {-4, -4, {{1, 3}, {-5, -3}}, 2},
    {-3, -3, {{2, 5}, {-7, -4}}, 2},
    {-2, -2, {{3, -5}}, 1},
    {-1, -1, {{5, -7}}, 1},
};

void DrawBoldRing(PalmCanvas& canvas, int w, int h, Color color) {
  for (const RingRows& rows : kBoldRing)
    for (int y = Resolve(rows.y0, h); y <= Resolve(rows.y1, h); ++y)
      for (int i = 0; i < rows.run_count; ++i)
        for (int x = Resolve(rows.runs[i].x0, w); x <= Resolve(rows.runs[i].x1, w); ++x)
          canvas.SetPixel(x, y, color);
}

}  // namespace

void PaintPTButton(TControl& control, PalmCanvas& canvas, const PaintContext& context) {
  auto& button = static_cast<TPTButton&>(control);
  const int w = button.Width();
  const int h = button.Height();
  const int frame_style = button.Frame();
  // Square and frameless buttons have no cut; every other value is drawn rounded.
  const bool square = frame_style == kFrameSquare || frame_style == kFrameNone;
  const int a = square ? 0 : kFrameCut;
  const FormColors& form = context.form;
  const bool repeat = form.has_form && button.ButtonType() == kRepeatButton;
  const Color fill = repeat ? form.fill : button.ColorFill();
  const Color text = repeat ? form.text : button.ColorText();
  TakeFormBackground(button, canvas, context);

  if (frame_style == kFrameNone)
    canvas.ClearPen();
  else
    canvas.SetPen(form.frame);
  canvas.SetBrush(fill);
  // The cut-corner outline one pixel inside the panel.
  canvas.Polygon(CutCornerOutline(1, 1, w - 2, h - 2, a));

  if (frame_style == kFrameBold)
    DrawBoldRing(canvas, w, h, form.frame);
  else
    SetCornerPixels(canvas, w, h, 2, square ? fill : form.frame);

  const Point at = CenteredText(canvas, button.Text(), w, h);
  canvas.SetTextColor(text);
  canvas.TextOut(at.x, at.y, button.Text());

  DrawSelectionMarks(canvas, button);
}

}  // namespace qb
