#include "form/cSnapToGrid.h"

#include "model/datamod.h"

namespace qb {

namespace {

bool HandledButton(MouseButton button) {
  return button == MouseButton::kLeft || button == MouseButton::kRight;
}

// The flags a mouse message carries.
ShiftState MessageShift(ShiftState shift) {
  return shift & (kSsShift | kSsCtrl | kSsLeft | kSsRight | kSsMiddle);
}

}  // namespace

void TSnapToGrid::SetGridSize(int value) {
  if (value <= 0) {
    grid_size_ = 0;
    return;
  }
  if (value > kMaxGridSize) value = kMaxGridSize;
  int size = 1;
  while (size * 2 <= value) size *= 2;
  grid_size_ = size;
}

bool TSnapToGrid::Handles(const TControl& target) const {
  const TControl* window = window_.Get();
  return window && target.Parent() == window;
}

int TSnapToGrid::EdgesAt(int x, int y, int width, int height) {
  int edges = 0;
  // Each zone covers at most half of the control, so that a small control can still be moved.
  if (x < kResizeZone && 2 * x < width) edges |= kEdgeLeft;
  if (x > width - kResizeZone && 2 * x > width) edges |= kEdgeRight;
  if (y < kResizeZone && 2 * y < height) edges |= kEdgeTop;
  if (y > height - kResizeZone && 2 * y > height) edges |= kEdgeBottom;
  return edges;
}

int TSnapToGrid::EdgesFor(const TControl& target, ShiftState shift, Point local) const {
  if ((shift & kSsShift) || !is_resizeable_) return 0;
  return EdgesAt(local.x, local.y, target.Width(), target.Height());
}

CursorShape TSnapToGrid::CursorFor(int edges) {
  bool horizontal = edges & (kEdgeLeft | kEdgeRight);
  bool vertical = edges & (kEdgeTop | kEdgeBottom);
  if (horizontal && vertical) {
    bool falling = ((edges & kEdgeLeft) && (edges & kEdgeTop)) ||
                   ((edges & kEdgeRight) && (edges & kEdgeBottom));
    return falling ? CursorShape::kSizeNWSE : CursorShape::kSizeNESW;
  }
  if (horizontal) return CursorShape::kSizeWE;
  if (vertical) return CursorShape::kSizeNS;
  return CursorShape::kArrow;
}

int TSnapToGrid::RoundToGrid(int change, int grid) {
  // A zero grid (a size set to 0 or less) leaves changes as they are instead of dividing by it.
  if (grid <= 1) return change;
  return NearestDiv(change, grid) * grid;
}

bool TSnapToGrid::DragResized() const {
  const TControl* control = dragged_.Get();
  return dragging_ && control &&
         (control->Width() != start_width_ || control->Height() != start_height_);
}

bool TSnapToGrid::DragMoved() const {
  const TControl* control = dragged_.Get();
  return dragging_ && control && (control->Left() != start_left_ || control->Top() != start_top_);
}

void TSnapToGrid::SetFollowers(const std::vector<TControl*>& followers) {
  followers_.clear();
  for (TControl* control : followers)
    if (control && control != dragged_.Get())
      followers_.push_back({WeakRef<TControl>(control), control->Left(), control->Top()});
}

void TSnapToGrid::CancelDrag() {
  dragging_ = false;
  dragged_.Reset();
  followers_.clear();
}

bool TSnapToGrid::MouseDown(TControl& target, MouseButton button, ShiftState shift, Point local,
                            Point screen) {
  if (!Handles(target) || !HandledButton(button) || (shift & kSsDouble)) return false;
  shift = MessageShift(shift);
  // The press decides, not the last move: Shift pressed while the pointer rested on an edge
  // still moves, and a press without a move before it finds its edge.
  edges_ = EdgesFor(target, shift, local);
  followers_.clear();
  captured_.Reset(&target);
  if (OnMouseDown) OnMouseDown(target, button, shift, local.x, local.y);
  dragging_ = true;
  dragged_.Reset(&target);
  start_ = screen;
  start_left_ = target.Left();
  start_top_ = target.Top();
  start_width_ = target.Width();
  start_height_ = target.Height();
  return true;
}

bool TSnapToGrid::MouseMove(TControl& target, ShiftState shift, Point local, Point screen) {
  if (!Handles(target)) return false;
  shift = MessageShift(shift);
  if (OnMouseMove) OnMouseMove(target, shift, local.x, local.y);
  if (Dragging()) {
    Drag(shift, screen);
    return true;
  }
  edges_ = EdgesFor(target, shift, local);
  cursor_ = CursorFor(edges_);
  return true;
}

void TSnapToGrid::Drag(ShiftState shift, Point screen) {
  TControl* control = dragged_.Get();
  int dx = screen.x - start_.x;
  int dy = screen.y - start_.y;
  int d_left = 0, d_top = 0, d_width = 0, d_height = 0;
  if (edges_ == 0) {
    if (!is_moveable_) return;
    d_left = dx;
    d_top = dy;
  }
  if (edges_ & kEdgeLeft) {
    d_left = dx;
    d_width = -dx;
  }
  if (edges_ & kEdgeRight) d_width = dx;
  if (edges_ & kEdgeTop) {
    d_top = dy;
    d_height = -dy;
  }
  if (edges_ & kEdgeBottom) d_height = dy;
  if (!(shift & kSsCtrl)) {
    d_left = RoundToGrid(d_left, grid_size_);
    d_top = RoundToGrid(d_top, grid_size_);
    d_width = RoundToGrid(d_width, grid_size_);
    d_height = RoundToGrid(d_height, grid_size_);
  }
  // An edge dragged across the opposite one stops a pixel short of it: a control of no size
  // could never be grabbed again. The opposite edge stays where it was.
  int width = start_width_ + d_width;
  if ((edges_ & (kEdgeLeft | kEdgeRight)) && width < kMinSize) {
    if (edges_ & kEdgeLeft) d_left = start_width_ - kMinSize;
    width = kMinSize;
  }
  int height = start_height_ + d_height;
  if ((edges_ & (kEdgeTop | kEdgeBottom)) && height < kMinSize) {
    if (edges_ & kEdgeTop) d_top = start_height_ - kMinSize;
    height = kMinSize;
  }
  control->SetBounds(start_left_ + d_left, start_top_ + d_top, width, height);
  if (edges_ != 0) return;
  for (const Follower& follower : followers_)
    if (TControl* other = follower.control.Get())
      other->SetBounds(follower.left + d_left, follower.top + d_top, other->Width(),
                       other->Height());
}

bool TSnapToGrid::MouseUp(TControl& target, MouseButton button, ShiftState shift, Point local,
                          Point /*screen*/) {
  if (!Handles(target) || !HandledButton(button)) return false;
  shift = MessageShift(shift);
  if (OnMouseUp) OnMouseUp(target, button, shift, local.x, local.y);
  dragging_ = false;
  dragged_.Reset();
  captured_.Reset();
  followers_.clear();
  return true;
}

}  // namespace qb
