#include "controls/CCForm_paint.h"

#include "controls/CCForm.h"
#include "controls/palm_look.h"
#include "model/font.h"

namespace qb {

namespace {
// The title line under the tab: two rows across the screen.
constexpr int kTitleLineTop = 13;
constexpr int kTitleLineBottom = 15;
constexpr int kTabBottom = 12;
constexpr Point kTitleAt = {kCCFormTitleLeft, 2};
}  // namespace

void PaintCCForm(TControl& control, PalmCanvas& canvas, const PaintContext& context) {
  auto& form = static_cast<TCCForm&>(control);
  SetPanelBackground(form, canvas, form.ColorFormFill());
  DrawGrid(canvas, form.Width(), form.Height(), form.GridVisible(), form.GridSpace(),
           form.ColorFormFill());

  canvas.FillRect(0, kTitleLineTop, kScreenSize, kTitleLineBottom, form.ColorFormFrame());

  canvas.SetFace(&context.Face(kPilotBold));
  int t = canvas.TextWidth(form.Title());
  canvas.SetPen(form.ColorFormFrame());
  canvas.SetBrush(form.ColorFormFrame());
  canvas.Polygon({{1, 0}, {t + 3, 0}, {t + 4, 1}, {t + 4, kTabBottom}, {0, kTabBottom}, {0, 1}});

  if (!form.Title().empty()) {
    canvas.SetTextColor(form.ColorFormFill());
    canvas.TextOut(kTitleAt.x, kTitleAt.y, form.Title());
  }
}

}  // namespace qb
