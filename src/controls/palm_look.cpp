#include "controls/palm_look.h"

#include <algorithm>

#include "controls/CCForm.h"
#include "model/datamod.h"

namespace qb {

std::array<Point, 8> SelectionSquares(int w, int h) {
  int cx = NearestDiv(w, 2);
  int cy = NearestDiv(h, 2);
  int r = w - kMarkSize;
  int b = h - kMarkSize;
  return {{{0, 0}, {cx - 1, 0}, {r, 0}, {r, cy - 1}, {r, b}, {cx - 1, b}, {0, b}, {0, cy - 1}}};
}

void DrawSelectionSquares(PalmCanvas& canvas, int w, int h, Color color, MarkSet set) {
  canvas.SetPen(color);
  canvas.SetBrush(color);
  const auto squares = SelectionSquares(w, h);
  for (std::size_t i = 0; i < squares.size(); ++i) {
    // The corner squares are the even ones.
    if (set == MarkSet::kCorners && i % 2 != 0) continue;
    const Point& p = squares[i];
    canvas.Polygon({{p.x, p.y}, {p.x + 2, p.y}, {p.x + 2, p.y + 2}, {p.x, p.y + 2}});
  }
}

void DrawSelectionMarks(PalmCanvas& canvas, const TControl& control, MarkSet set) {
  if (control.Selected())
    DrawSelectionSquares(canvas, control.Width(), control.Height(), control.SelectColor(), set);
}

MarkSet MarkSetOf(const TControl& control) {
  return control.Class() == ControlClass::kPTGsi ? MarkSet::kCorners : MarkSet::kAll;
}

void SetLinePen(PalmCanvas& canvas, int line, Color color) {
  if (line == kLineWhite)
    canvas.ClearPen();
  else
    canvas.SetPen(color);
}

int CornerCut(int radius) { return radius > 1 ? radius - 1 : radius; }

std::array<Point, 8> CutCornerOutline(int left, int top, int right, int bottom, int c) {
  return {{{left + c, top},
           {right - c, top},
           {right, top + c},
           {right, bottom - c},
           {right - c, bottom},
           {left + c, bottom},
           {left, bottom - c},
           {left, top + c}}};
}

std::array<Point, 8> CutCornerOutline(int w, int h, int c) {
  return CutCornerOutline(0, 0, w - 1, h - 1, c);
}

namespace {

enum class Parity { kOddX, kOddY };

// Repaints the pixels of the rectangle spanned by a and b (both included) whose x or y is odd.
void RepaintOdd(PalmCanvas& canvas, Point a, Point b, Parity parity, Color color) {
  for (int y = std::min(a.y, b.y); y <= std::max(a.y, b.y); ++y)
    for (int x = std::min(a.x, b.x); x <= std::max(a.x, b.x); ++x)
      if ((parity == Parity::kOddX ? x : y) % 2 != 0) canvas.SetPixel(x, y, color);
}

// Per edge of the cut-corner outline, in outline order from the top edge.
constexpr Parity kCutCornerParity[8] = {
    Parity::kOddX,  // top
    Parity::kOddX,  // top-right cut
    Parity::kOddY,  // right
    Parity::kOddX,  // bottom-right cut
    Parity::kOddX,  // bottom
    Parity::kOddX,  // bottom-left cut
    Parity::kOddY,  // left
    Parity::kOddY,  // top-left cut
};

}  // namespace

void GrayPassCutCorner(PalmCanvas& canvas, int w, int h, int c, Color color) {
  const auto v = CutCornerOutline(w, h, c);
  for (std::size_t i = 0; i < v.size(); ++i)
    RepaintOdd(canvas, v[i], v[(i + 1) % v.size()], kCutCornerParity[i], color);
}

void GrayPassRect(PalmCanvas& canvas, int left, int top, int right, int bottom, Color color) {
  RepaintOdd(canvas, {left, top}, {right, top}, Parity::kOddX, color);
  RepaintOdd(canvas, {right, top}, {right, bottom}, Parity::kOddY, color);
  RepaintOdd(canvas, {right, bottom}, {left, bottom}, Parity::kOddX, color);
  RepaintOdd(canvas, {left, bottom}, {left, top}, Parity::kOddY, color);
}

void SetCornerPixels(PalmCanvas& canvas, int w, int h, int inset, Color color) {
  canvas.SetPixel(inset, inset, color);
  canvas.SetPixel(w - 1 - inset, inset, color);
  canvas.SetPixel(w - 1 - inset, h - 1 - inset, color);
  canvas.SetPixel(inset, h - 1 - inset, color);
}

Point CenteredText(const PalmCanvas& canvas, std::string_view text, int w, int h) {
  return {NearestDiv(w - canvas.TextWidth(text), 2), VCenteredTextY(canvas, text, h)};
}

int VCenteredTextY(const PalmCanvas& canvas, std::string_view text, int h) {
  return NearestDiv(h - canvas.TextHeight(text), 2);
}

int AlignedTextX(const PalmCanvas& canvas, std::string_view text, int w, TextAlign align) {
  switch (align) {
    case TextAlign::kCenter:
      return NearestDiv(w - canvas.TextWidth(text), 2);
    case TextAlign::kRight:
      return w - canvas.TextWidth(text) - kTextInset;
    case TextAlign::kLeft:
      break;
  }
  return kTextInset;
}

void DrawRow(PalmCanvas& canvas, int r, int h, int right, std::string_view text, bool selected,
             const RowColors& colors) {
  Color fill = selected ? colors.selected_fill : colors.fill;
  canvas.SetPen(fill);
  canvas.SetBrush(fill);
  int top = r * h + 1;
  int bottom = (r + 1) * h;
  canvas.Polygon({{1, top}, {right, top}, {right, bottom}, {1, bottom}});
  canvas.SetTextColor(selected ? colors.selected_text : colors.text);
  canvas.TextOut(kTextInset, top, text);
}

void DrawScrollArrow(PalmCanvas& canvas, int ax, int ay, Color color) {
  canvas.SetPen(color);
  canvas.SetBrush(color);
  canvas.Polygon({{ax, ay},
                  {ax + 2, ay},
                  {ax + 2, ay + 3},
                  {ax + 4, ay + 3},
                  {ax + 1, ay + 6},
                  {ax - 2, ay + 3},
                  {ax, ay + 3}});
}

void DrawPopUpBoxOutline(PalmCanvas& canvas, int w, int h, Color frame) {
  canvas.SetPen(frame);
  canvas.ClearBrush();
  canvas.Polygon({{1, 0},
                  {w - 3, 0},
                  {w - 2, 1},
                  {w - 2, h - 3},
                  {w - 3, h - 2},
                  {1, h - 2},
                  {0, h - 3},
                  {0, 1}});
}

void DrawPopUpBoxShadow(PalmCanvas& canvas, int w, int h, Color frame) {
  canvas.SetPen(frame);
  canvas.ClearBrush();
  // Two-point polygons: lines with both ends.
  canvas.Polygon({{w - 1, 2}, {w - 1, h - 4}});
  canvas.Polygon({{w - 4, h - 1}, {2, h - 1}});
  canvas.Polygon({{w - 3, h - 2}, {1, h - 2}});
}

void DrawGrid(PalmCanvas& canvas, int w, int h, int grid_visible, int grid_space, Color fill) {
  int pitch = grid_space - 1;
  if (grid_visible == 0 || pitch < 1) return;
  Color dot = fill == kGray ? kWhite : kGray;
  for (int y = 0; y < h; y += pitch)
    for (int x = 0; x < w; x += pitch) canvas.SetPixel(x, y, dot);
}

void SetPanelBackground(const TControl& control, PalmCanvas& canvas, Color color) {
  canvas.FillRect(0, 0, control.Width(), control.Height(), color);
}

Color TakeFormBackground(const TControl& control, PalmCanvas& canvas, const PaintContext& context) {
  if (!context.form.has_form) return control.Color();
  SetPanelBackground(control, canvas, context.form.background);
  return context.form.background;
}

Color DrawnBackground(const TControl& panel) {
  if (const auto* screen = As<TCCForm>(&panel)) return screen->ColorFormFill();
  return panel.Color();
}

}  // namespace qb
