#include "controls/device_artwork.h"

#include "controls/designer_client.h"
#include "controls/palm_look.h"

namespace qb {

namespace {

const Color kDesk = kSilver;
const Color kCase = MakeColor(58, 62, 68);
const Color kCaseEdge = MakeColor(108, 114, 122);
const Color kBezel = kBlack;
const Color kSilk = MakeColor(150, 160, 140);
const Color kPrint = MakeColor(40, 46, 40);
const Color kKey = MakeColor(88, 94, 102);
const Color kKeyEdge = MakeColor(24, 26, 30);
const Color kKeyLight = MakeColor(140, 146, 154);

// The screen's bezel, one pixel around the 160 × 160 screen at (4, 2).
constexpr int kBezelLeft = 3, kBezelTop = 1, kBezelRight = 164, kBezelBottom = 162;
// The silk-screen writing area below the screen.
constexpr int kSilkLeft = 4, kSilkTop = 166, kSilkRight = 162, kSilkBottom = 203;
constexpr int kIconsLeft = 6, kIconsRight = 162 - 17;
constexpr int kUpperIconTop = 169, kLowerIconTop = 186;
constexpr int kWritingLeft = 25, kWritingRight = 141, kWritingDivider = 83;
// The hardware buttons.
constexpr int kKeyCentreY = 215;
constexpr int kKeyCentres[] = {17, 47, 119, 149};
constexpr int kKeyRadius = 7;
constexpr int kRockerLeft = 72, kRockerRight = 94;

void Outline(PalmCanvas& canvas, const std::array<Point, 8>& points, Color pen, Color brush) {
  canvas.SetPen(pen);
  canvas.SetBrush(brush);
  canvas.Polygon(points);
}

void FrameRect(PalmCanvas& canvas, int left, int top, int right, int bottom, Color pen) {
  canvas.SetPen(pen);
  canvas.ClearBrush();
  canvas.Polygon({{left, top}, {right, top}, {right, bottom}, {left, bottom}});
}

void HomeIcon(PalmCanvas& canvas, int x, int y) {
  canvas.SetPen(kPrint);
  canvas.ClearBrush();
  canvas.Polygon({{x + 7, y + 1},
                  {x + 14, y + 7},
                  {x + 12, y + 7},
                  {x + 12, y + 13},
                  {x + 2, y + 13},
                  {x + 2, y + 7},
                  {x, y + 7}});
  canvas.SetBrush(kPrint);
  canvas.Polygon({{x + 6, y + 9}, {x + 8, y + 9}, {x + 8, y + 13}, {x + 6, y + 13}});
}

void MenuIcon(PalmCanvas& canvas, int x, int y) {
  FrameRect(canvas, x + 2, y + 2, x + 12, y + 12, kPrint);
  canvas.SetBrush(kPrint);
  canvas.Polygon({{x + 2, y + 2}, {x + 12, y + 2}, {x + 12, y + 4}, {x + 2, y + 4}});
  for (int row = 0; row < 3; ++row)
    canvas.Polyline({{x + 4, y + 6 + 2 * row}, {x + 11, y + 6 + 2 * row}});
}

void CalcIcon(PalmCanvas& canvas, int x, int y) {
  FrameRect(canvas, x + 2, y + 1, x + 12, y + 13, kPrint);
  FrameRect(canvas, x + 4, y + 3, x + 10, y + 5, kPrint);
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col < 3; ++col) canvas.SetPixel(x + 4 + 3 * col, y + 7 + 2 * row, kPrint);
}

void FindIcon(PalmCanvas& canvas, int x, int y) {
  Outline(canvas, CutCornerOutline(x + 1, y + 1, x + 9, y + 9, 2), kPrint, kSilk);
  canvas.Polyline({{x + 8, y + 8}, {x + 14, y + 14}});
  canvas.Polyline({{x + 9, y + 8}, {x + 14, y + 13}});
}

void WritingArea(PalmCanvas& canvas) {
  int top = kSilkTop + 3, bottom = kSilkBottom - 3;
  Outline(canvas, CutCornerOutline(kWritingLeft, top, kWritingRight, bottom, 3), kPrint, kSilk);
  canvas.Polyline({{kWritingDivider, top + 2}, {kWritingDivider, bottom - 1}});
  // The small marks at the foot of each half.
  for (int x : {kWritingLeft + 4, kWritingDivider + 4}) {
    canvas.SetBrush(kPrint);
    canvas.Polygon({{x, bottom - 5}, {x + 3, bottom - 2}, {x, bottom - 2}});
  }
  for (int x : {kWritingDivider - 5, kWritingRight - 5})
    canvas.Polygon({{x + 1, bottom - 5}, {x + 1, bottom - 2}, {x - 2, bottom - 2}});
}

void HardwareKey(PalmCanvas& canvas, int cx, int cy) {
  int r = kKeyRadius;
  Outline(canvas, CutCornerOutline(cx - r, cy - r, cx + r, cy + r, 4), kKeyEdge, kKey);
  canvas.SetPen(kKeyLight);
  canvas.Polyline({{cx - r + 4, cy - r + 1}, {cx + r - 3, cy - r + 1}});
  canvas.Polyline({{cx - r + 1, cy - r + 4}, {cx - r + 1, cy + r - 3}});
}

void ScrollRocker(PalmCanvas& canvas) {
  for (int half = 0; half < 2; ++half) {
    int top = kKeyCentreY - 8 + half * 9;
    Outline(canvas, CutCornerOutline(kRockerLeft, top, kRockerRight, top + 7, 2), kKeyEdge, kKey);
    int cx = (kRockerLeft + kRockerRight) / 2;
    canvas.SetPen(kKeyLight);
    canvas.SetBrush(kKeyLight);
    if (half == 0)
      canvas.Polygon({{cx, top + 2}, {cx + 3, top + 5}, {cx - 3, top + 5}});
    else
      canvas.Polygon({{cx - 3, top + 2}, {cx + 3, top + 2}, {cx, top + 5}});
  }
}

}  // namespace

void PaintDeviceArtwork(TControl&, PalmCanvas& canvas, const PaintContext&) {
  const int w = TDesignerClient::kClientWidth;
  const int h = TDesignerClient::kClientHeight;
  canvas.FillRect(0, 0, w, h, kDesk);
  Outline(canvas, CutCornerOutline(w, h, 6), kCaseEdge, kCase);
  FrameRect(canvas, kBezelLeft, kBezelTop, kBezelRight, kBezelBottom, kBezel);

  Outline(canvas, CutCornerOutline(kSilkLeft, kSilkTop, kSilkRight, kSilkBottom, 2), kSilk, kSilk);
  HomeIcon(canvas, kIconsLeft, kUpperIconTop);
  MenuIcon(canvas, kIconsLeft, kLowerIconTop);
  CalcIcon(canvas, kIconsRight, kUpperIconTop);
  FindIcon(canvas, kIconsRight, kLowerIconTop);
  WritingArea(canvas);

  for (int cx : kKeyCentres) HardwareKey(canvas, cx, kKeyCentreY);
  ScrollRocker(canvas);
}

}  // namespace qb
