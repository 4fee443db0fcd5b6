#include "controls/form_picture.h"

#include "controls/designer_client.h"
#include "controls/device_artwork.h"
#include "controls/painters.h"
#include "controls/palm_look.h"

namespace qb {

const PalmCanvas& FormPicture::Render(TControl& root) {
  return Render(root, {0, 0, root.Width(), root.Height()});
}

const PalmCanvas& FormPicture::Render(TControl& root, const Rect& damage) {
  Rect whole{0, 0, root.Width(), root.Height()};
  Rect area = damage;
  if (picture_.Width() != root.Width() || picture_.Height() != root.Height()) {
    picture_.Reset(root.Width(), root.Height());
    area = whole;
  }
  for (int pass = 0; pass < kMaxPasses; ++pass) {
    if (!PaintTree(root, {0, 0}, area)) break;
    // A control changed its size: what lay under its old rectangle is stale too.
    if (picture_.Width() != root.Width() || picture_.Height() != root.Height())
      picture_.Reset(root.Width(), root.Height());
    area = whole = {0, 0, root.Width(), root.Height()};
  }
  PaintMarks(root, {0, 0}, area);
  return picture_;
}

const PalmCanvas& FormPicture::Artwork() {
  if (artwork_.Width() == 0) {
    artwork_.Reset(TDesignerClient::kClientWidth, TDesignerClient::kClientHeight);
    TDesignerClient client(nullptr);
    PaintContext context{fonts_, {}};
    PaintDeviceArtwork(client, artwork_, context);
  }
  return artwork_;
}

bool FormPicture::PaintTree(TControl& control, Point at, const Rect& clip) {
  if (!control.Visible()) return false;
  const Rect panel{at.x, at.y, at.x + control.Width(), at.y + control.Height()};
  const Rect area = panel.Intersect(clip);
  // A panel of no size is still painted (touching nothing) so that it can correct its size.
  if (area.Empty() && !panel.Empty()) return false;

  const int left = control.Left(), top = control.Top();
  const int width = control.Width(), height = control.Height();
  picture_.SetOrigin(at);
  picture_.SetClip(area);
  if (control.Class() == ControlClass::kDesignerClient)
    picture_.Blit(Artwork(), 0, 0);
  else
    PaintControl(control, picture_, fonts_, painters_(control.Class()));
  bool changed = control.Left() != left || control.Top() != top || control.Width() != width ||
                 control.Height() != height;

  // By index: a painter's notification must not leave us with a stale iterator.
  for (std::size_t i = 0; i < control.Children().size(); ++i) {
    TControl& child = *control.Children()[i];
    changed |= PaintTree(child, {at.x + child.Left(), at.y + child.Top()}, area);
  }
  return changed;
}

void FormPicture::PaintMarks(const TControl& control, Point at, const Rect& clip) {
  if (!control.Visible()) return;
  const Rect panel{at.x, at.y, at.x + control.Width(), at.y + control.Height()};
  const Rect area = panel.Intersect(clip);
  if (area.Empty()) return;
  if (control.Selected()) {
    picture_.SetOrigin(at);
    picture_.SetClip(area);
    DrawSelectionMarks(picture_, control, MarkSetOf(control));
  }
  for (const auto& child : control.Children())
    PaintMarks(*child, {at.x + child->Left(), at.y + child->Top()}, area);
}

Rect PictureRect(const TControl& control) {
  int x = 0, y = 0;
  for (const TControl* c = &control; c->Parent(); c = c->Parent()) {
    x += c->Left();
    y += c->Top();
  }
  return {x, y, x + control.Width(), y + control.Height()};
}

}  // namespace qb
