// The canvas primitives and their exact pixel rules.

#include "controls/palm_canvas.h"

#include <gtest/gtest.h>

#include "support/pixel_art.h"
#include "support/test_faces.h"

namespace qb {
namespace {

using test::Art;
using test::PixelsAre;

TEST(CanvasPoint, SetsExactlyOnePixel) {
  PalmCanvas c(4, 3);
  c.SetPixel(2, 1, kBlack);
  EXPECT_TRUE(PixelsAre(c, {"....", "..#.", "...."}));
}

TEST(CanvasPolyline, LeavesOutOnlyTheVeryLastPoint) {
  PalmCanvas c(6, 4);
  c.SetPen(kBlack);
  c.Polyline({{0, 0}, {4, 0}, {4, 3}});
  EXPECT_TRUE(PixelsAre(c, {"#####.", "....#.", "....#.", "......"}));
}

TEST(CanvasPolyline, SingleSegmentLeavesOutItsEnd) {
  PalmCanvas c(5, 1);
  c.Polyline({{0, 0}, {4, 0}});
  EXPECT_TRUE(PixelsAre(c, {"####."}));
  PalmCanvas back(5, 1);
  back.Polyline({{4, 0}, {0, 0}});
  EXPECT_TRUE(PixelsAre(back, {".####"}));
}

TEST(CanvasPolyline, DiagonalAndOnePointAndClearedPen) {
  PalmCanvas c(4, 4);
  c.Polyline({{0, 0}, {3, 3}});
  c.Polyline({{3, 0}});  // one point: nothing to draw
  EXPECT_TRUE(PixelsAre(c, {"#...", ".#..", "..#.", "...."}));
  c.ClearPen();
  c.Polyline({{0, 3}, {3, 3}});
  EXPECT_TRUE(PixelsAre(c, {"#...", ".#..", "..#.", "...."}));
}

TEST(CanvasPolyline, ClosedPathKeepsItsStartPoint) {
  // The last point is the first one again; the first segment drew it.
  PalmCanvas c(3, 3);
  c.Polyline({{0, 0}, {2, 0}, {2, 2}, {0, 0}});
  EXPECT_TRUE(PixelsAre(c, {"###", ".##", "..#"}));
}

TEST(CanvasSegment, SameShallowLineWhicheverEndItStartsFrom) {
  PalmCanvas forward(8, 3), backward(8, 3);
  forward.ClearBrush();
  backward.ClearBrush();
  forward.Polygon({{0, 0}, {7, 2}});
  backward.Polygon({{7, 2}, {0, 0}});
  EXPECT_EQ(forward.Pixels(), backward.Pixels());
  // Half-way points round towards the start of the walk.
  EXPECT_TRUE(PixelsAre(forward, {"##......", "..####..", "......##"}));
}

TEST(CanvasPolygon, OutlineIncludesEveryVertexWithClearBrush) {
  PalmCanvas c(5, 4);
  c.ClearBrush();
  c.Polygon({{0, 0}, {4, 0}, {4, 3}, {0, 3}});
  EXPECT_TRUE(PixelsAre(c, {"#####", "#...#", "#...#", "#####"}));
}

TEST(CanvasPolygon, SolidBrushFillsTheInside) {
  PalmCanvas c(5, 4);
  c.SetPen(kBlack);
  c.SetBrush(kRed);
  c.Polygon({{0, 0}, {4, 0}, {4, 3}, {0, 3}});
  EXPECT_TRUE(PixelsAre(c, {"#####", "#rrr#", "#rrr#", "#####"}));
}

TEST(CanvasPolygon, SettingTheBrushColourMakesItSolidAgain) {
  PalmCanvas c(3, 3);
  c.ClearBrush();
  c.SetBrush(kBlue);
  EXPECT_TRUE(c.BrushSolid());
  c.Polygon({{0, 0}, {2, 0}, {2, 2}, {0, 2}});
  EXPECT_TRUE(PixelsAre(c, {"###", "#b#", "###"}));
}

TEST(CanvasPolygon, TwoPointPolygonIsALineWithBothEnds) {
  PalmCanvas c(5, 2);
  c.Polygon({{4, 1}, {0, 1}});
  EXPECT_TRUE(PixelsAre(c, {".....", "#####"}));
}

TEST(CanvasPolygon, ClearedPenCoversTheSamePixelsInTheBrushColour) {
  PalmCanvas c(6, 5);
  c.ClearPen();
  c.SetBrush(kBlue);
  c.Polygon({{1, 0}, {4, 0}, {5, 1}, {5, 3}, {4, 4}, {1, 4}, {0, 3}, {0, 1}});
  EXPECT_TRUE(PixelsAre(c, {".bbbb.", "bbbbbb", "bbbbbb", "bbbbbb", ".bbbb."}));
}

TEST(CanvasPolygon, NothingWithPenAndBrushCleared) {
  PalmCanvas c(3, 3);
  c.ClearPen();
  c.ClearBrush();
  c.Polygon({{0, 0}, {2, 0}, {2, 2}});
  EXPECT_TRUE(PixelsAre(c, {"...", "...", "..."}));
}

TEST(CanvasPolygon, ConcaveArrowIsFilledInsideOnly) {
  PalmCanvas c(8, 9);
  c.SetBrush(kBlack);
  // The GSI's upward arrow.
  c.Polygon({{3, 0}, {4, 0}, {7, 3}, {5, 3}, {5, 8}, {2, 8}, {2, 2}, {0, 3}, {3, 0}});
  EXPECT_TRUE(PixelsAre(c, {
                               "...##...",
                               "..####..",
                               ".######.",
                               "########",
                               "..####..",
                               "..####..",
                               "..####..",
                               "..####..",
                               "..####..",
                           }));
}

TEST(CanvasFillRect, LeavesOutRightColumnAndBottomRow) {
  PalmCanvas c(5, 4);
  c.SetBrush(kBlack);
  c.FillRect(1, 1, 4, 3);
  EXPECT_TRUE(PixelsAre(c, {".....", ".###.", ".###.", "....."}));
}

TEST(CanvasFillRect, EmptyInvertedOrClearBrushDrawsNothing) {
  PalmCanvas c(4, 4);
  c.SetBrush(kBlack);
  c.FillRect(2, 2, 2, 4);
  c.FillRect(3, 3, 1, 1);
  c.ClearBrush();
  c.FillRect(0, 0, 4, 4);
  EXPECT_TRUE(PixelsAre(c, {"....", "....", "....", "...."}));
  c.FillRect(0, 0, 2, 1, kRed);  // an explicit colour ignores the brush
  EXPECT_TRUE(PixelsAre(c, {"rr..", "....", "....", "...."}));
}

TEST(CanvasText, CellTopLeftAtThePointAndMeasuredByTheFace) {
  PalmFace face = test::BlockFace(3, 2);
  PalmCanvas c(9, 4);
  c.SetFace(&face);
  c.SetTextColor(kRed);
  c.TextOut(1, 1, "a b");
  EXPECT_TRUE(PixelsAre(c, {".........", ".rr....rr", ".rr....rr", "........."}));
  EXPECT_EQ(c.TextWidth("a b"), 9);
  EXPECT_EQ(c.TextHeight("a b"), 2);
  EXPECT_EQ(c.TextWidth(""), 0);
  EXPECT_EQ(c.TextHeight(""), 0);
}

TEST(CanvasText, CharacterMissingFromTheFaceDrawsTheDefaultGlyph) {
  PalmFace face = test::BlockFace(3, 1);
  PalmCanvas c(6, 1);
  c.SetFace(&face);
  c.TextOut(0, 0, "\xC3\xA9\xE4\xB8\xAD");  // é lies outside the face, 中 outside the code page
  EXPECT_TRUE(PixelsAre(c, {"##.##."}));
}

TEST(CanvasClip, NothingIsTouchedOutsideTheClip) {
  PalmFace face = test::BlockFace(4, 3);
  PalmCanvas c(12, 10);
  c.SetClip({3, 2, 8, 6});
  c.SetFace(&face);
  c.SetBrush(kBlack);
  c.FillRect(-5, -5, 50, 50);
  c.SetPen(kRed);
  c.Polyline({{-3, -3}, {20, 20}});
  c.Polygon({{0, 9}, {11, 0}, {11, 9}});
  c.TextOut(-2, 1, "WWWW");
  for (int i = 0; i < 12; ++i) c.SetPixel(i, i % 10, kBlue);
  EXPECT_TRUE(test::OnlyInside(c, {3, 2, 8, 6}, kWhite));
}

TEST(CanvasClip, KeptWithinTheCanvas) {
  PalmCanvas c(4, 4);
  c.SetClip({-10, -10, 100, 100});
  EXPECT_EQ(c.Clip(), (Rect{0, 0, 4, 4}));
  c.SetClip({5, 5, 9, 9});
  EXPECT_TRUE(c.Clip().Empty());
}

TEST(CanvasOrigin, TranslatesEveryPrimitive) {
  PalmFace face = test::BlockFace(2, 1);
  PalmCanvas c(6, 5);
  c.SetOrigin({2, 1});
  c.SetFace(&face);
  c.SetPixel(0, 0, kRed);
  c.Polyline({{1, 0}, {4, 0}});
  c.SetBrush(kBlue);
  c.FillRect(0, 1, 2, 2);
  c.Polygon({{0, 3}, {1, 3}});
  c.TextOut(2, 2, "x");
  EXPECT_EQ(c.Pixel(0, 0), kRed);
  EXPECT_TRUE(PixelsAre(c, {"......", "..r###", "..bb..", "....#.", "..##.."}));
}

TEST(CanvasBlit, CopiesClippedToTheClip) {
  PalmCanvas source(3, 2, kRed);
  PalmCanvas c(5, 4);
  c.SetClip({0, 0, 4, 3});
  c.Blit(source, 2, 1);
  EXPECT_TRUE(PixelsAre(c, {".....", "..rr.", "..rr.", "....."}));
}

TEST(CanvasReset, NewSizeFillAndTools) {
  PalmCanvas c(2, 2);
  c.SetOrigin({1, 1});
  c.ClearPen();
  c.Reset(3, 1, kRed);
  EXPECT_EQ(c.Origin(), (Point{0, 0}));
  EXPECT_TRUE(c.PenSolid());
  EXPECT_TRUE(PixelsAre(c, {"rrr"}));
  EXPECT_EQ(c.At(-1, 0), kBlack);
  EXPECT_EQ(c.At(3, 0), kBlack);
}

}  // namespace
}  // namespace qb
