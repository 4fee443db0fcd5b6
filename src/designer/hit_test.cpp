#include "designer/hit_test.h"

namespace qb {

namespace {

bool Contains(const TControl& c, Point p) {
  return p.x >= c.Left() && p.y >= c.Top() && p.x < c.Left() + c.Width() &&
         p.y < c.Top() + c.Height();
}

// p is in the parent's coordinates.
TControl* Deepest(TControl& parent, Point p) {
  const auto& children = parent.Children();
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    TControl& child = **it;
    if (!child.Visible() || !Contains(child, p)) continue;
    TControl* inner = Deepest(child, {p.x - child.Left(), p.y - child.Top()});
    return inner ? inner : &child;
  }
  return nullptr;
}

}  // namespace

TControl& HitTest(TChildFrm& form, Point client_point) {
  TControl* hit = Deepest(form.Client(), client_point);
  return hit ? *hit : form.Client();
}

Point OriginInClient(const TChildFrm& form, const TControl& control) {
  Point origin;
  for (const TControl* c = &control; c && c != &form.Client(); c = c->Parent()) {
    origin.x += c->Left();
    origin.y += c->Top();
  }
  return origin;
}

Point ToLocal(const TChildFrm& form, const TControl& control, Point client_point) {
  Point origin = OriginInClient(form, control);
  return {client_point.x - origin.x, client_point.y - origin.y};
}

}  // namespace qb
