#include "controls/CCMenu_paint.h"

#include "controls/CCMenu.h"
#include "controls/palm_look.h"

namespace qb {

namespace {

constexpr Point kTopicAt = {4, 1};
// The topic bar's bottom row; the menu bar's bottom edge and shadow lie below it.
constexpr int kTopicBottom = 13;
constexpr int kShadowRow = 14;
constexpr int kFirstItemTop = 14;
constexpr int kItemLeft = 2;

void DrawTopic(PalmCanvas& canvas, const TCCMenu& menu, bool open) {
  if (open) {
    canvas.SetPen(kBlack);
    canvas.SetBrush(kBlack);
    const int tw = menu.TopicWidth();
    canvas.Polygon({{1, 0}, {tw, 0}, {tw, kTopicBottom}, {1, kTopicBottom}});
    canvas.SetTextColor(menu.Color());
  } else {
    canvas.SetTextColor(kBlack);
  }
  canvas.TextOut(kTopicAt.x, kTopicAt.y, menu.Topic());
}

// The drop box under the topic, with its shadow, joining the menu bar's edge and shadow.
void DrawDropBox(PalmCanvas& canvas, int uw, int w, int h) {
  canvas.Polygon({{0, kTopicBottom},
                  {uw - 2, kTopicBottom},
                  {uw - 2, h - 3},
                  {uw - 3, h - 2},
                  {1, h - 2},
                  {0, h - 3}});
  canvas.Polyline({{uw - 1, kTopicBottom}, {uw - 1, h - 4}});
  canvas.Polyline({{uw - 4, h - 1}, {2, h - 1}});
  canvas.Polyline({{w, kTopicBottom}, {0, kTopicBottom}});
  canvas.Polyline({{w, kShadowRow}, {uw - 2, kShadowRow}});
}

}  // namespace

void PaintCCMenu(TControl& control, PalmCanvas& canvas, const PaintContext&) {
  auto& menu = static_cast<TCCMenu&>(control);
  const int w = menu.Width();
  const int h = menu.Height();
  const bool open = menu.Test() != 0;

  DrawTopic(canvas, menu, open);
  if (open) {
    canvas.SetTextColor(kBlack);
    for (std::size_t i = 0; i < menu.Items().size(); ++i)
      canvas.TextOut(kItemLeft, static_cast<int>(i) * kRowHeight + kFirstItemTop, menu.Items()[i]);
  }

  canvas.SetPen(kBlack);
  canvas.ClearBrush();
  if (open && !menu.Items().empty()) {
    DrawDropBox(canvas, menu.UserWidth(), w, h);
  } else {
    canvas.Polyline({{0, kTopicBottom}, {w, kTopicBottom}});
    canvas.Polyline({{0, kShadowRow}, {w, kShadowRow}});
  }
  // The menu bar's top edge over the topic.
  canvas.Polyline({{0, 0}, {w, 0}});

  DrawSelectionMarks(canvas, menu);
}

}  // namespace qb
