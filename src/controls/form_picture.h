#pragma once

// The designer window's whole client picture as one image: the device artwork, the screen
// panel with its controls, the shown dialog with its controls, and (CControls) the menu bar
// and menus over the top. Each visible control is painted in z-order, clipped to its parent;
// the selection marks go over all of it.
// The designer sub-window, the zoom window, the command line and the tests all draw it.

#include "controls/control.h"
#include "controls/font_registry.h"
#include "controls/painters.h"
#include "controls/palm_canvas.h"

namespace qb {

class FormPicture {
 public:
  explicit FormPicture(const FontRegistry& fonts, PainterLookup painters = PainterFor)
      : fonts_(fonts), painters_(painters) {}

  // Paints the whole picture of root: a designer window's client area, or any panel alone
  // (a dialog, a control). Paints again while painting corrects a control's size.
  const PalmCanvas& Render(TControl& root);
  // Repaints only the part of the last picture that lies in damage (picture coordinates):
  // every visible control that overlaps it, clipped to it. A size corrected while painting
  // makes the whole picture paint again.
  const PalmCanvas& Render(TControl& root, const Rect& damage);
  const PalmCanvas& Picture() const { return picture_; }

  // Size corrections settle after one paint; a control that keeps changing its size is
  // painted at most this many times per picture.
  static constexpr int kMaxPasses = 4;

 private:
  // Paints control and its children at the picture position at, clipped to clip. True when
  // a painter changed a control's bounds.
  bool PaintTree(TControl& control, Point at, const Rect& clip);
  const PalmCanvas& Artwork();
  // The selection marks of control and its children, once more over the finished picture: a
  // marked control lying under another still shows that it is marked.
  void PaintMarks(const TControl& control, Point at, const Rect& clip);

  const FontRegistry& fonts_;
  PainterLookup painters_;
  PalmCanvas picture_;
  PalmCanvas artwork_;  // the device artwork never changes: painted once
};

// The rectangle a control covers in the picture of its topmost ancestor.
Rect PictureRect(const TControl& control);

}  // namespace qb
