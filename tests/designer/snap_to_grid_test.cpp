#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/CCButton.h"
#include "controls/CCForm.h"
#include "controls/PTDialog.h"
#include "form/cSnapToGrid.h"

namespace qb {
namespace {

TEST(SnapToGrid, GridSizeIsTheLargestPowerOfTwoNotAboveTheValue) {
  struct Case {
    int value, size;
  };
  for (Case c : {Case{6, 4}, Case{4, 4}, Case{7, 4}, Case{8, 8}, Case{1, 1}, Case{3, 2}, Case{0, 0},
                 Case{-5, 0}, Case{40000, 16384}}) {
    TSnapToGrid snap;
    snap.SetGridSize(c.value);
    EXPECT_EQ(snap.GridSize(), c.size) << c.value;
  }
}

TEST(SnapToGrid, ChangesRoundToTheNearestMultipleWithHalvesToEven) {
  struct Case {
    int change, grid, rounded;
  };
  for (Case c : {Case{5, 4, 4}, Case{6, 4, 8}, Case{2, 4, 0}, Case{10, 4, 8}, Case{14, 4, 16},
                 Case{-2, 4, 0}, Case{-6, 4, -8}, Case{-5, 4, -4}, Case{7, 1, 7}, Case{7, 0, 7}}) {
    EXPECT_EQ(TSnapToGrid::RoundToGrid(c.change, c.grid), c.rounded)
        << c.change << " on " << c.grid;
  }
}

TEST(SnapToGrid, ResizeZonesAreFourPixelsAndAtMostHalfTheControl) {
  struct Case {
    int x, y, width, height, edges;
  };
  const std::vector<Case> cases = {
      {10, 7, 40, 14, 0},           // inside
      {3, 7, 40, 14, kEdgeLeft},    // x < 4
      {4, 7, 40, 14, 0},            // the zone is 4 pixels wide
      {37, 7, 40, 14, kEdgeRight},  // x > width - 4
      {36, 7, 40, 14, 0},
      {10, 0, 40, 14, kEdgeTop},
      {10, 11, 40, 14, kEdgeBottom},
      {0, 0, 40, 14, kEdgeLeft | kEdgeTop},
      {39, 13, 40, 14, kEdgeRight | kEdgeBottom},
      {39, 0, 40, 14, kEdgeRight | kEdgeTop},
      {0, 13, 40, 14, kEdgeLeft | kEdgeBottom},
      // A control 6 wide: x 3 lies in both zones by distance; the half decides.
      {2, 3, 6, 6, kEdgeLeft},
      {3, 3, 6, 6, 0},
      {4, 3, 6, 6, kEdgeRight},
      // 8 × 9: the middle rows move the control.
      {4, 4, 8, 9, 0},
      {4, 5, 8, 9, 0},
      {4, 6, 8, 9, kEdgeBottom},
  };
  for (const Case& c : cases)
    EXPECT_EQ(TSnapToGrid::EdgesAt(c.x, c.y, c.width, c.height), c.edges)
        << c.x << "," << c.y << " in " << c.width << "x" << c.height;
}

TEST(SnapToGrid, CursorFollowsTheEdges) {
  EXPECT_EQ(TSnapToGrid::CursorFor(0), CursorShape::kArrow);
  EXPECT_EQ(TSnapToGrid::CursorFor(kEdgeLeft), CursorShape::kSizeWE);
  EXPECT_EQ(TSnapToGrid::CursorFor(kEdgeRight), CursorShape::kSizeWE);
  EXPECT_EQ(TSnapToGrid::CursorFor(kEdgeTop), CursorShape::kSizeNS);
  EXPECT_EQ(TSnapToGrid::CursorFor(kEdgeBottom), CursorShape::kSizeNS);
  EXPECT_EQ(TSnapToGrid::CursorFor(kEdgeLeft | kEdgeTop), CursorShape::kSizeNWSE);
  EXPECT_EQ(TSnapToGrid::CursorFor(kEdgeRight | kEdgeBottom), CursorShape::kSizeNWSE);
  EXPECT_EQ(TSnapToGrid::CursorFor(kEdgeRight | kEdgeTop), CursorShape::kSizeNESW);
  EXPECT_EQ(TSnapToGrid::CursorFor(kEdgeLeft | kEdgeBottom), CursorShape::kSizeNESW);
}

// A panel with one button at (20, 30), 40 × 14, and the mover working on the panel. Positions
// given to the mover are panel positions, so the button's local point is (x - 20, y - 30).
class SnapDrag : public ::testing::Test {
 protected:
  void SetUp() override {
    button_ = static_cast<TCCButton*>(panel_.AddChild(std::make_unique<TCCButton>(nullptr)));
    button_->SetBounds(20, 30, 40, 14);
    snap_.SetSnapToGridWindow(&panel_);
    snap_.SetGridSize(4);
  }

  Point Local(Point p) const { return {p.x - button_->Left(), p.y - button_->Top()}; }

  void Drag(Point from, Point to, ShiftState keys = 0) {
    snap_.MouseMove(*button_, keys, Local(from), from);
    snap_.MouseDown(*button_, MouseButton::kLeft, keys | kSsLeft, Local(from), from);
    snap_.MouseMove(*button_, keys | kSsLeft, Local(to), to);
    snap_.MouseUp(*button_, MouseButton::kLeft, keys | kSsLeft, Local(to), to);
  }

  void ExpectBounds(int left, int top, int width, int height) {
    EXPECT_EQ(button_->Left(), left);
    EXPECT_EQ(button_->Top(), top);
    EXPECT_EQ(button_->Width(), width);
    EXPECT_EQ(button_->Height(), height);
  }

  TCCForm panel_{nullptr};
  TCCButton* button_ = nullptr;
  TSnapToGrid snap_;
};

TEST_F(SnapDrag, MovesByGridStepsUnlessCtrlIsHeld) {
  struct Case {
    int distance;
    ShiftState keys;
    int moved;
  };
  for (Case c : {Case{5, 0, 4}, Case{6, 0, 8}, Case{5, kSsCtrl, 5}, Case{6, kSsCtrl, 6}}) {
    button_->SetBounds(20, 30, 40, 14);
    Drag({30, 36}, {30 + c.distance, 36 + c.distance}, c.keys);
    ExpectBounds(20 + c.moved, 30 + c.moved, 40, 14);
  }
}

TEST_F(SnapDrag, AControlOffTheGridKeepsItsDistanceFromTheGridLines) {
  button_->SetBounds(13, 30, 40, 14);
  Drag({30, 36}, {34, 36});
  ExpectBounds(17, 30, 40, 14);
}

TEST_F(SnapDrag, TheControlMovesLiveWhileDragging) {
  snap_.MouseMove(*button_, 0, {10, 6}, {30, 36});
  snap_.MouseDown(*button_, MouseButton::kLeft, kSsLeft, {10, 6}, {30, 36});
  snap_.MouseMove(*button_, kSsLeft, {18, 6}, {38, 36});
  EXPECT_TRUE(snap_.Dragging());
  ExpectBounds(28, 30, 40, 14);
  snap_.MouseMove(*button_, kSsLeft, {2, 6}, {22, 36});
  ExpectBounds(12, 30, 40, 14);
  snap_.MouseUp(*button_, MouseButton::kLeft, kSsLeft, {2, 6}, {22, 36});
  EXPECT_FALSE(snap_.Dragging());
  EXPECT_EQ(snap_.Captured(), nullptr);
}

TEST_F(SnapDrag, EachEdgeResizesItsSide) {
  struct Case {
    Point from, to;
    int left, top, width, height;
  };
  const std::vector<Case> cases = {
      {{59, 36}, {65, 36}, 20, 30, 48, 14},  // right edge, +6 rounds to +8
      {{20, 36}, {15, 36}, 16, 30, 44, 14},  // left edge, -5 rounds to -4
      {{30, 30}, {30, 25}, 20, 26, 40, 18},  // top edge
      {{30, 43}, {30, 49}, 20, 30, 40, 22},  // bottom edge
      {{59, 43}, {63, 47}, 20, 30, 44, 18},  // bottom-right corner
  };
  for (const Case& c : cases) {
    button_->SetBounds(20, 30, 40, 14);
    Drag(c.from, c.to);
    ExpectBounds(c.left, c.top, c.width, c.height);
  }
}

TEST_F(SnapDrag, ShiftNearAnEdgeMovesInstead) {
  Drag({59, 36}, {63, 36}, kSsShift);
  ExpectBounds(24, 30, 40, 14);
}

TEST_F(SnapDrag, WithoutResizingEdgesMove) {
  snap_.SetisResizeable(false);
  Drag({59, 36}, {63, 36});
  ExpectBounds(24, 30, 40, 14);
}

TEST_F(SnapDrag, AnImmovableControlOnlyResizes) {
  snap_.SetisMoveable(false);
  Drag({30, 36}, {38, 40});
  ExpectBounds(20, 30, 40, 14);
  Drag({59, 36}, {63, 36});
  ExpectBounds(20, 30, 44, 14);
}

TEST_F(SnapDrag, AZeroGridLeavesChangesUnrounded) {
  snap_.SetGridSize(0);
  Drag({30, 36}, {33, 37});
  ExpectBounds(23, 31, 40, 14);
}

TEST_F(SnapDrag, HoverSetsTheCursorAndTheDragKeepsIt) {
  snap_.MouseMove(*button_, 0, {39, 13}, {59, 43});
  EXPECT_EQ(snap_.Cursor(), CursorShape::kSizeNWSE);
  snap_.MouseMove(*button_, 0, {10, 6}, {30, 36});
  EXPECT_EQ(snap_.Cursor(), CursorShape::kArrow);
  snap_.MouseMove(*button_, 0, {0, 6}, {20, 36});
  EXPECT_EQ(snap_.Cursor(), CursorShape::kSizeWE);
  snap_.MouseDown(*button_, MouseButton::kLeft, kSsLeft, {0, 6}, {20, 36});
  snap_.MouseMove(*button_, kSsLeft, {-10, 30}, {10, 66});
  EXPECT_EQ(snap_.Cursor(), CursorShape::kSizeWE);
}

TEST_F(SnapDrag, APressWithoutAHoverTakesTheEdgesAtThePress) {
  snap_.MouseDown(*button_, MouseButton::kLeft, kSsLeft, {39, 6}, {59, 36});
  snap_.MouseMove(*button_, kSsLeft, {47, 6}, {67, 36});
  snap_.MouseUp(*button_, MouseButton::kLeft, kSsLeft, {47, 6}, {67, 36});
  ExpectBounds(20, 30, 48, 14);
}

TEST_F(SnapDrag, TheShiftStateAtThePressDecidesBetweenMovingAndResizing) {
  struct Case {
    ShiftState hover_keys, press_keys;
    int left, width;
  };
  // The pointer rests on the right edge; the drag goes 8 pixels right.
  const std::vector<Case> cases = {
      {0, kSsShift, 28, 40},  // Shift pressed after the hover: moves
      {kSsShift, 0, 20, 48},  // Shift released before the press: resizes
      {0, 0, 20, 48},
      {kSsShift, kSsShift, 28, 40},
  };
  for (const Case& c : cases) {
    button_->SetBounds(20, 30, 40, 14);
    snap_.MouseMove(*button_, c.hover_keys, {39, 6}, {59, 36});
    snap_.MouseDown(*button_, MouseButton::kLeft, c.press_keys | kSsLeft, {39, 6}, {59, 36});
    snap_.MouseMove(*button_, c.press_keys | kSsLeft, {47, 6}, {67, 36});
    snap_.MouseUp(*button_, MouseButton::kLeft, c.press_keys | kSsLeft, {47, 6}, {67, 36});
    ExpectBounds(c.left, 30, c.width, 14);
  }
}

TEST_F(SnapDrag, AnEdgeDraggedAcrossTheOppositeOneLeavesOnePixel) {
  struct Case {
    Point from, to;
    ShiftState keys;
    int left, top, width, height;
  };
  // The button spans x 20..59 and y 30..43; the opposite edge stays where it was.
  const std::vector<Case> cases = {
      {{59, 36}, {10, 36}, 0, 20, 30, 1, 14},         // right edge far past the left
      {{59, 36}, {19, 36}, kSsCtrl, 20, 30, 1, 14},   // exactly to zero width
      {{59, 36}, {20, 36}, kSsCtrl, 20, 30, 1, 14},   // one pixel is allowed
      {{20, 36}, {90, 36}, 0, 59, 30, 1, 14},         // left edge past the right
      {{20, 36}, {60, 36}, kSsCtrl, 59, 30, 1, 14},   // left edge onto the right
      {{30, 43}, {30, 0}, 0, 20, 30, 40, 1},          // bottom edge above the top
      {{30, 30}, {30, 80}, 0, 20, 43, 40, 1},         // top edge below the bottom
      {{59, 43}, {0, 0}, 0, 20, 30, 1, 1},            // a corner across both
      {{20, 30}, {100, 100}, kSsCtrl, 59, 43, 1, 1},  // the other corner
  };
  for (const Case& c : cases) {
    button_->SetBounds(20, 30, 40, 14);
    Drag(c.from, c.to, c.keys);
    ExpectBounds(c.left, c.top, c.width, c.height);
  }
}

TEST_F(SnapDrag, AResizedToOnePixelControlCanBeGrabbedAndWidenedAgain) {
  Drag({59, 36}, {0, 36});
  ExpectBounds(20, 30, 1, 14);
  // Its one column is the left edge's zone: dragged out, it widens again.
  Drag({20, 36}, {12, 36});
  ExpectBounds(12, 30, 9, 14);
}

TEST_F(SnapDrag, MovingNeverChangesTheSize) {
  button_->SetBounds(20, 30, 0, 0);
  snap_.MouseDown(*button_, MouseButton::kLeft, kSsLeft, {0, 0}, {20, 30});
  snap_.MouseMove(*button_, kSsLeft, {-8, -8}, {12, 22});
  snap_.MouseUp(*button_, MouseButton::kLeft, kSsLeft, {-8, -8}, {12, 22});
  ExpectBounds(12, 22, 0, 0);
}

TEST_F(SnapDrag, RightButtonDragsToo) {
  snap_.MouseMove(*button_, 0, {10, 6}, {30, 36});
  snap_.MouseDown(*button_, MouseButton::kRight, kSsRight, {10, 6}, {30, 36});
  snap_.MouseMove(*button_, kSsRight, {18, 6}, {38, 36});
  snap_.MouseUp(*button_, MouseButton::kRight, kSsRight, {18, 6}, {38, 36});
  ExpectBounds(28, 30, 40, 14);
}

TEST_F(SnapDrag, EventsComeBeforeTheComponentsOwnHandling) {
  std::vector<std::string> events;
  snap_.OnMouseDown = [&](TControl& sender, MouseButton, ShiftState shift, int x, int y) {
    events.push_back("down " + std::to_string(shift) + " " + std::to_string(x) + "," +
                     std::to_string(y) + (snap_.Dragging() ? " dragging" : "") +
                     (&sender == button_ ? "" : " ?"));
  };
  snap_.OnMouseUp = [&](TControl&, MouseButton, ShiftState shift, int x, int y) {
    events.push_back("up " + std::to_string(shift) + " " + std::to_string(x) + "," +
                     std::to_string(y) + (snap_.Dragging() ? " dragging" : ""));
  };
  snap_.OnMouseMove = [&](TControl&, ShiftState, int x, int y) {
    events.push_back("move " + std::to_string(x) + "," + std::to_string(y));
  };
  // Alt and the double-click flag are not part of a mouse message's state.
  snap_.MouseDown(*button_, MouseButton::kLeft, kSsLeft | kSsShift | kSsAlt, {3, 4}, {23, 34});
  snap_.MouseMove(*button_, kSsLeft, {5, 4}, {25, 34});
  snap_.MouseUp(*button_, MouseButton::kLeft, kSsLeft, {5, 4}, {25, 34});
  EXPECT_EQ(events, (std::vector<std::string>{"down 9 3,4", "move 5,4", "up 8 5,4 dragging"}));
}

TEST_F(SnapDrag, OnlyDirectChildrenOfTheWorkingAreaAreHandled) {
  auto* dialog = static_cast<TPTDialog*>(panel_.AddChild(std::make_unique<TPTDialog>(nullptr)));
  auto* inner = dialog->AddChild(std::make_unique<TCCButton>(nullptr));
  EXPECT_TRUE(snap_.Handles(*button_));
  EXPECT_TRUE(snap_.Handles(*dialog));
  EXPECT_FALSE(snap_.Handles(panel_));
  EXPECT_FALSE(snap_.Handles(*inner));
  EXPECT_FALSE(snap_.MouseDown(*inner, MouseButton::kLeft, kSsLeft, {1, 1}, {1, 1}));
  EXPECT_FALSE(snap_.MouseDown(panel_, MouseButton::kLeft, kSsLeft, {1, 1}, {1, 1}));
  snap_.SetSnapToGridWindow(nullptr);
  EXPECT_FALSE(snap_.Handles(*button_));
}

TEST_F(SnapDrag, MiddleButtonAndDoubleClicksAreNotHandled) {
  EXPECT_FALSE(snap_.MouseDown(*button_, MouseButton::kMiddle, kSsMiddle, {5, 5}, {25, 35}));
  EXPECT_FALSE(
      snap_.MouseDown(*button_, MouseButton::kLeft, kSsLeft | kSsDouble, {5, 5}, {25, 35}));
  EXPECT_FALSE(snap_.Dragging());
  EXPECT_EQ(snap_.Captured(), nullptr);
}

TEST_F(SnapDrag, AControlDestroyedDuringTheDragEndsIt) {
  snap_.MouseDown(*button_, MouseButton::kLeft, kSsLeft, {10, 6}, {30, 36});
  auto other = std::make_unique<TCCButton>(nullptr);
  TCCButton* keep = other.get();
  panel_.AddChild(std::move(other));
  panel_.RemoveChild(button_);  // destroyed here
  EXPECT_FALSE(snap_.Dragging());
  EXPECT_EQ(snap_.Captured(), nullptr);
  snap_.MouseMove(*keep, kSsLeft, {5, 5}, {40, 40});
  EXPECT_EQ(keep->Left(), 0);
}

}  // namespace
}  // namespace qb

namespace qb {
namespace {

// A second button on the panel, carried along by drags of the first.
class FollowerDrag : public SnapDrag {
 protected:
  void SetUp() override {
    SnapDrag::SetUp();
    other_ = static_cast<TCCButton*>(panel_.AddChild(std::make_unique<TCCButton>(nullptr)));
    other_->SetBounds(70, 90, 20, 10);
  }
  void Press(Point from, ShiftState keys = 0) {
    snap_.MouseDown(*button_, MouseButton::kLeft, keys | kSsLeft, Local(from), from);
    snap_.SetFollowers({other_});
  }
  TCCButton* other_ = nullptr;
};

TEST_F(FollowerDrag, FollowersMoveByTheSameRoundedDistance) {
  Press({30, 36});
  snap_.MouseMove(*button_, kSsLeft, Local({36, 41}), {36, 41});
  ExpectBounds(28, 34, 40, 14);
  EXPECT_EQ(other_->Left(), 78);
  EXPECT_EQ(other_->Top(), 94);
  EXPECT_TRUE(snap_.DragMoved());
  snap_.MouseUp(*button_, MouseButton::kLeft, kSsLeft, Local({36, 41}), {36, 41});
  // The next drag carries nobody unless asked again.
  Drag({30, 36}, {38, 36});
  EXPECT_EQ(other_->Left(), 78);
}

TEST_F(FollowerDrag, AResizeLeavesTheFollowersAlone) {
  Press({59, 36});  // the right edge
  snap_.MouseMove(*button_, kSsLeft, Local({67, 36}), {67, 36});
  ExpectBounds(20, 30, 48, 14);
  EXPECT_EQ(other_->Left(), 70);
  EXPECT_FALSE(snap_.DragMoved());
  EXPECT_TRUE(snap_.DragResized());
}

TEST_F(FollowerDrag, ACancelledDragMovesNothing) {
  Press({30, 36});
  snap_.CancelDrag();
  EXPECT_FALSE(snap_.Dragging());
  snap_.MouseMove(*button_, kSsLeft, Local({40, 46}), {40, 46});
  ExpectBounds(20, 30, 40, 14);
  EXPECT_EQ(other_->Left(), 70);
  // The release still reaches the component.
  EXPECT_TRUE(snap_.MouseUp(*button_, MouseButton::kLeft, kSsLeft, Local({40, 46}), {40, 46}));
}

}  // namespace
}  // namespace qb
