#pragma once

// The move/resize component: drags the direct children of its working area, moving them or,
// near an edge, resizing them, with every change rounded to the grid.

#include <functional>
#include <vector>

#include "controls/control.h"
#include "form/mouse.h"
#include "model/weak_ref.h"

namespace qb {

// The edge flags of a resize drag.
enum EdgeFlag : int { kEdgeLeft = 1, kEdgeRight = 2, kEdgeTop = 4, kEdgeBottom = 8 };

class TSnapToGrid {
 public:
  // Width of the resize zone along each edge.
  static constexpr int kResizeZone = 4;
  static constexpr int kMaxGridSize = 32767;  // the size is a 16-bit value
  // The smallest width or height a resize drag leaves.
  static constexpr int kMinSize = 1;

  using MouseEvent =
      std::function<void(TControl& sender, MouseButton button, ShiftState shift, int x, int y)>;
  using MoveEvent = std::function<void(TControl& sender, ShiftState shift, int x, int y)>;

  TControl* SnapToGridWindow() const { return window_.Get(); }
  void SetSnapToGridWindow(TControl* window) { window_.Reset(window); }
  int GridSize() const { return grid_size_; }
  // Stores the largest power of two not above the value; 0 for values up to 0.
  void SetGridSize(int value);
  bool isMoveable() const { return is_moveable_; }
  void SetisMoveable(bool on) { is_moveable_ = on; }
  bool isResizeable() const { return is_resizeable_; }
  void SetisResizeable(bool on) { is_resizeable_ = on; }

  // Called before the component's own handling.
  MouseEvent OnMouseDown;
  MouseEvent OnMouseUp;
  MoveEvent OnMouseMove;

  // Whether the component acts on input for this control: a direct child of the working area.
  bool Handles(const TControl& target) const;

  // Input for a control. `local` is the position within the control, `screen` the position in
  // the coordinates drag distances are measured in (the client area). Each returns whether
  // the component acted; only left and right buttons are handled, and double clicks are not.
  bool MouseDown(TControl& target, MouseButton button, ShiftState shift, Point local, Point screen);
  bool MouseMove(TControl& target, ShiftState shift, Point local, Point screen);
  bool MouseUp(TControl& target, MouseButton button, ShiftState shift, Point local, Point screen);

  // The control holding the mouse capture between a press and its release.
  TControl* Captured() const { return captured_.Get(); }
  bool Dragging() const { return dragging_ && dragged_.Get() != nullptr; }
  // Whether the drag in progress has changed the control's size (asked at the release, before
  // the drag ends).
  bool DragResized() const;
  // Whether the drag in progress has moved the control (asked at the release, like the size).
  bool DragMoved() const;
  int Edges() const { return edges_; }
  // Other controls that a move drag in progress carries along by the same rounded distance
  // (the rest of a selection). Set after the press; a resize drag leaves them where they are.
  void SetFollowers(const std::vector<TControl*>& followers);
  // Ends the drag of the press without a release: the control stays where it is, and the
  // release still reaches the handlers.
  void CancelDrag();
  CursorShape Cursor() const { return cursor_; }

  // The edges a drag starting at (x, y) within a control of that size would move.
  static int EdgesAt(int x, int y, int width, int height);
  static CursorShape CursorFor(int edges);
  // A change replaced by the nearest multiple of the grid, halves to even.
  static int RoundToGrid(int change, int grid);

 private:
  void Drag(ShiftState shift, Point screen);
  // The edges a drag would move, given the shift state of the message.
  int EdgesFor(const TControl& target, ShiftState shift, Point local) const;

  WeakRef<TControl> window_;
  int grid_size_ = 1;
  bool is_moveable_ = true;
  bool is_resizeable_ = true;

  WeakRef<TControl> captured_;
  WeakRef<TControl> dragged_;
  bool dragging_ = false;
  int edges_ = 0;
  CursorShape cursor_ = CursorShape::kArrow;
  Point start_;
  int start_left_ = 0;
  int start_top_ = 0;
  int start_width_ = 0;
  int start_height_ = 0;
  struct Follower {
    WeakRef<TControl> control;
    int left = 0;
    int top = 0;
  };
  std::vector<Follower> followers_;
};

}  // namespace qb
