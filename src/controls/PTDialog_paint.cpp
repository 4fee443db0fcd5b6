#include "controls/PTDialog_paint.h"

#include "controls/PTDialog.h"
#include "controls/palm_look.h"
#include "model/datamod.h"
#include "model/font.h"

namespace qb {

namespace {
constexpr int kBodyTop = 14;
constexpr int kTitleBarBottom = 13;
constexpr int kTitleTop = 2;
}  // namespace

int PTDialogTitleX(int width, int text_width) { return NearestDiv(width - text_width, 2) + 1; }

void PaintPTDialog(TControl& control, PalmCanvas& canvas, const PaintContext& context) {
  auto& dialog = static_cast<TPTDialog&>(control);
  const int w = dialog.Width();
  const int h = dialog.Height();
  // Outside the frame the dialog shows the screen it lies on.
  if (const TControl* parent = dialog.Parent())
    SetPanelBackground(dialog, canvas, DrawnBackground(*parent));

  canvas.FillRect(2, kBodyTop, w - 2, h - 2, dialog.ColorDialogFill());
  // The grid follows the screen's dots, whatever the dialog's size.
  DrawGrid(canvas, kScreenSize, kScreenSize, dialog.GridVisible(), dialog.GridSpace(),
           dialog.ColorDialogFill());

  const Color frame = dialog.ColorDialogFrame();
  canvas.SetPen(frame);
  canvas.ClearBrush();
  canvas.Polyline({{2, 0}, {w - 2, 0}});
  canvas.Polyline({{1, 1}, {w - 1, 1}});
  canvas.Polygon({{0, 2}, {1, 2}, {1, h - 3}, {0, h - 3}});
  canvas.Polygon({{w - 2, 2}, {w - 1, 2}, {w - 1, h - 3}, {w - 2, h - 3}});
  canvas.Polyline({{1, h - 2}, {w - 1, h - 2}});
  canvas.Polyline({{2, h - 1}, {w - 2, h - 1}});
  canvas.SetPixel(2, h - 3, frame);
  canvas.SetPixel(w - 3, h - 3, frame);

  canvas.SetBrush(frame);
  constexpr int kBar = kPTDialogTitleBarInset;
  canvas.Polygon(
      {{kBar, 2}, {w - 1 - kBar, 2}, {w - 1 - kBar, kTitleBarBottom}, {kBar, kTitleBarBottom}});

  canvas.SetFace(&context.Face(kPilotBold));
  canvas.SetTextColor(dialog.ColorDialogFill());
  canvas.TextOut(PTDialogTitleX(w, canvas.TextWidth(dialog.Title())), kTitleTop, dialog.Title());

  DrawSelectionMarks(canvas, dialog);
}

}  // namespace qb
