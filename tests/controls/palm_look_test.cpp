// The shared drawing rules: selection marks, cut-corner outlines and their gray pass,
// rounded corners, text placement, rows, the scroll arrow, the pop-up box and grid dots.

#include "controls/palm_look.h"

#include <gtest/gtest.h>

#include "controls/CCButton.h"
#include "controls/CCForm.h"
#include "controls/PTDialog.h"
#include "support/pixel_art.h"
#include "support/test_faces.h"

namespace qb {
namespace {

using test::Art;
using test::PixelsAre;

TEST(SelectionMarks, FortyByFourteenPanel) {
  PalmCanvas c(40, 14);
  DrawSelectionSquares(c, 40, 14, kBlue);
  const std::string top = "bbb................bbb...............bbb";
  const std::string middle = "bbb..................................bbb";
  const std::string none(40, '.');
  EXPECT_TRUE(PixelsAre(
      c, {top, top, top, none, none, none, middle, middle, middle, none, none, top, top, top}));
}

TEST(SelectionMarks, ThirtyThreeWideHasItsMiddleSquaresAtFifteen) {
  PalmCanvas c(33, 10);
  DrawSelectionSquares(c, 33, 10, kNavy);
  const std::string top = "nnn............nnn............nnn";
  const std::string middle = "nnn...........................nnn";
  const std::string none(33, '.');
  EXPECT_TRUE(PixelsAre(c, {top, top, top, none, middle, middle, middle, top, top, top}));
}

TEST(SelectionMarks, SquaresInOrderClockwiseFromTopLeft) {
  auto s = SelectionSquares(40, 14);
  EXPECT_EQ(s[0], (Point{0, 0}));
  EXPECT_EQ(s[1], (Point{19, 0}));
  EXPECT_EQ(s[2], (Point{37, 0}));
  EXPECT_EQ(s[3], (Point{37, 6}));
  EXPECT_EQ(s[4], (Point{37, 11}));
  EXPECT_EQ(s[5], (Point{19, 11}));
  EXPECT_EQ(s[6], (Point{0, 11}));
  EXPECT_EQ(s[7], (Point{0, 6}));
}

TEST(SelectionMarks, CornersOnlyForTheGsi) {
  PalmCanvas c(8, 9);
  DrawSelectionSquares(c, 8, 9, kRed, MarkSet::kCorners);
  EXPECT_TRUE(PixelsAre(c, {"rrr..rrr", "rrr..rrr", "rrr..rrr", "........", "........", "........",
                            "rrr..rrr", "rrr..rrr", "rrr..rrr"}));
}

TEST(SelectionMarks, OnlyWhenSelectedAndInTheSelectColor) {
  TCCButton button(nullptr);
  button.SetBounds(0, 0, 8, 9);
  button.SetSelectColor(kMaroon);
  PalmCanvas c(8, 9);
  DrawSelectionMarks(c, button);
  EXPECT_TRUE(test::OnlyInside(c, {}, kWhite));
  button.SetSelected(true);
  DrawSelectionMarks(c, button, MarkSet::kCorners);
  EXPECT_EQ(c.At(0, 0), kMaroon);
  EXPECT_EQ(c.At(7, 8), kMaroon);
  EXPECT_EQ(c.At(3, 0), kWhite);
}

TEST(CutCorner, CutFromRadius) {
  EXPECT_EQ(CornerCut(0), 0);
  EXPECT_EQ(CornerCut(1), 1);
  EXPECT_EQ(CornerCut(2), 1);
  EXPECT_EQ(CornerCut(4), 3);
}

TEST(CutCorner, OutlineOfTheWholePanel) {
  PalmCanvas c(10, 8);
  c.ClearBrush();
  c.Polygon(CutCornerOutline(10, 8, 3));
  EXPECT_TRUE(PixelsAre(c, {"...####...", "..#....#..", ".#......#.", "#........#", "#........#",
                            ".#......#.", "..#....#..", "...####..."}));
}

TEST(CutCorner, GrayPassRepaintsEveryOtherPixelOfEachSpannedRectangle) {
  PalmCanvas c(10, 8);
  c.ClearBrush();
  c.Polygon(CutCornerOutline(10, 8, 3));
  GrayPassCutCorner(c, 10, 8, 3, kRed);
  EXPECT_TRUE(PixelsAre(c, {"...r#r#r.r", "rrrr...r.r", ".#.....r#r", "rrrr...r.r", "#r.r...r.r",
                            ".r.r...r#r", ".r#r...r.r", ".r.r#r#r.r"}));
}

TEST(CutCorner, GrayPassOfASquareOutlineDotsItsEdges) {
  // Cut 0, as the Select kind draws it.
  PalmCanvas c(7, 5);
  c.ClearBrush();
  c.Polygon(CutCornerOutline(7, 5, 0));
  GrayPassCutCorner(c, 7, 5, 0, kWhite);
  EXPECT_TRUE(PixelsAre(c, {"#.#.#.#", ".......", "#.....#", ".......", "#.#.#.#"}));
}

TEST(CutCorner, InsetOutlineAndCornerPixels) {
  PalmCanvas c(9, 7);
  c.ClearBrush();
  c.Polygon(CutCornerOutline(1, 1, 7, 5, 1));
  SetCornerPixels(c, 9, 7, 2, kRed);
  EXPECT_TRUE(PixelsAre(c, {".........", "..#####..", ".#r...r#.", ".#.....#.", ".#r...r#.",
                            "..#####..", "........."}));
}

TEST(RectOutline, GrayPassOddXAcrossOddYDown) {
  PalmCanvas c(6, 4);
  c.ClearBrush();
  c.Polygon({{0, 0}, {5, 0}, {5, 3}, {0, 3}});
  GrayPassRect(c, 0, 0, 5, 3, kRed);
  EXPECT_TRUE(PixelsAre(c, {"#r#r#r", "r....r", "#....#", "rr#r#r"}));
}

TEST(LinePen, WhiteClearsTheOthersAreSolid) {
  PalmCanvas c(1, 1);
  SetLinePen(c, kLineWhite, kRed);
  EXPECT_FALSE(c.PenSolid());
  SetLinePen(c, kLineGray, kRed);
  EXPECT_TRUE(c.PenSolid());
  EXPECT_EQ(c.PenColor(), kRed);
}

TEST(TextPlacement, CentredLeftAndRightWithHalvesToEven) {
  PalmFace face = test::BlockFace(3, 5);
  PalmCanvas c(1, 1);
  c.SetFace(&face);
  // "ab" is 6 × 5.
  EXPECT_EQ(CenteredText(c, "ab", 13, 10), (Point{4, 2}));  // 3.5 -> 4, 2.5 -> 2
  EXPECT_EQ(CenteredText(c, "ab", 11, 12), (Point{2, 4}));  // 2.5 -> 2, 3.5 -> 4
  EXPECT_EQ(AlignedTextX(c, "ab", 13, TextAlign::kLeft), 2);
  EXPECT_EQ(AlignedTextX(c, "ab", 13, TextAlign::kCenter), 4);
  EXPECT_EQ(AlignedTextX(c, "ab", 13, TextAlign::kRight), 5);
  EXPECT_EQ(VCenteredTextY(c, "", 11), 6);  // an empty text is 0 high: nearest(5.5)
}

TEST(Rows, UnselectedAndSelectedRowsWithTheirText) {
  PalmFace face = test::BlockFace(2, 3);
  PalmCanvas c(8, 11, kGray);
  c.SetFace(&face);
  RowColors colors;
  DrawRow(c, 0, 5, 6, "ab", false, colors);
  DrawRow(c, 1, 5, 6, "a", true, colors);
  EXPECT_TRUE(PixelsAre(c, {"gggggggg", "g.#.#..g", "g.#.#..g", "g.#.#..g", "g......g", "g......g",
                            "g#.####g", "g#.####g", "g#.####g", "g######g", "g######g"}));
}

TEST(Rows, ElevenPixelRowsStartOneBelowTheirBoundary) {
  PalmCanvas c(6, 25, kGray);
  RowColors colors{kRed, kBlack, kBlack, kWhite};
  DrawRow(c, 1, kRowHeight, 4, "", false, colors);
  // Row 1 covers y = 12 … 22.
  EXPECT_EQ(c.At(1, 11), kGray);
  EXPECT_EQ(c.At(1, 12), kRed);
  EXPECT_EQ(c.At(4, 22), kRed);
  EXPECT_EQ(c.At(4, 23), kGray);
  EXPECT_EQ(c.At(5, 12), kGray);
  EXPECT_EQ(c.At(0, 12), kGray);
}

TEST(ScrollArrow, SevenPointDownArrow) {
  PalmCanvas c(7, 7);
  DrawScrollArrow(c, 2, 0, kBlack);
  EXPECT_TRUE(
      PixelsAre(c, {"..###..", "..###..", "..###..", "#######", ".#####.", "..###..", "...#..."}));
}

TEST(PopUpBox, OutlineThenShadow) {
  PalmCanvas c(10, 8);
  c.SetBrush(kRed);
  DrawPopUpBoxOutline(c, 10, 8, kBlack);
  EXPECT_FALSE(c.BrushSolid());
  DrawPopUpBoxShadow(c, 10, 8, kBlack);
  EXPECT_TRUE(PixelsAre(c, {".#######..", "#.......#.", "#.......##", "#.......##", "#.......##",
                            "#.......#.", ".#######..", "..#####..."}));
}

TEST(Grid, DotsEveryFivePixelsForGridSpaceSix) {
  PalmCanvas c(160, 160);
  DrawGrid(c, 160, 160, 1, 6, kWhite);
  for (int y = 0; y < 160; ++y)
    for (int x = 0; x < 160; ++x)
      ASSERT_EQ(c.At(x, y), x % 5 == 0 && y % 5 == 0 ? kGray : kWhite) << x << ", " << y;
  EXPECT_EQ(c.At(155, 155), kGray);
}

TEST(Grid, WhiteDotsOnAGrayFill) {
  PalmCanvas c(8, 8, kGray);
  DrawGrid(c, 8, 8, 1, 4, kGray);
  EXPECT_TRUE(PixelsAre(c,
                        {"w..w..w.", "........", "........", "w..w..w.", "........", "........",
                         "w..w..w.", "........"},
                        test::DefaultLegend(kGray)));
}

TEST(Grid, NothingWhenHiddenOrWithoutAPitch) {
  for (auto [visible, space] : {std::pair{0, 6}, {1, 1}, {1, 0}, {1, -5}}) {
    PalmCanvas c(6, 6);
    DrawGrid(c, 6, 6, visible, space, kWhite);
    EXPECT_TRUE(test::OnlyInside(c, {}, kWhite)) << visible << " " << space;
  }
}

TEST(FormBackground, TakenFromTheFormOnlyWithAPalmForm) {
  FontRegistry fonts;
  TCCForm form(nullptr);
  form.SetColorFormFill(kGray);
  TCCButton button(nullptr);
  button.SetBounds(0, 0, 3, 2);
  button.SetColor(kWhite);
  PalmCanvas c(3, 2);
  EXPECT_EQ(TakeFormBackground(button, c, {fonts, ColorsOf(button)}), kWhite);
  EXPECT_TRUE(PixelsAre(c, {"...", "..."}));
  button.SetPalmForm(&form);
  EXPECT_EQ(TakeFormBackground(button, c, {fonts, ColorsOf(button)}), kGray);
  EXPECT_EQ(button.Color(), kWhite) << "drawing leaves the control's own Color";
  EXPECT_TRUE(PixelsAre(c, {"ggg", "ggg"}));
}

TEST(FormColors, FromTheScreenPanelTheDialogOrTheDefaults) {
  TCCButton button(nullptr);
  FormColors none = ColorsOf(button);
  EXPECT_FALSE(none.has_form);
  EXPECT_EQ(none.frame, kBlack);
  EXPECT_EQ(none.fill, kWhite);
  EXPECT_EQ(none.text, kBlack);
  EXPECT_EQ(none.selected_fill, kBlack);
  EXPECT_EQ(none.selected_text, kWhite);

  TCCForm form(nullptr);
  form.SetColorFormFill(1);
  form.SetColorFrame(2);
  form.SetColorFill(3);
  form.SetColorText(4);
  form.SetColorSelectedFill(5);
  form.SetColorSelectedFore(6);
  button.SetPalmForm(&form);
  FormColors f = ColorsOf(button);
  EXPECT_TRUE(f.has_form);
  EXPECT_EQ(
      (std::vector<Color>{f.background, f.frame, f.fill, f.text, f.selected_fill, f.selected_text}),
      (std::vector<Color>{1, 2, 3, 4, 5, 6}));

  TPTDialog dialog(nullptr);
  dialog.SetColorDialogFill(11);
  dialog.SetColorFrame(12);
  dialog.SetColorFill(13);
  dialog.SetColorText(14);
  dialog.SetColorSelectedFill(15);
  dialog.SetColorSelectedFore(16);
  button.SetPalmForm(&dialog);
  FormColors d = ColorsOf(button);
  EXPECT_EQ(
      (std::vector<Color>{d.background, d.frame, d.fill, d.text, d.selected_fill, d.selected_text}),
      (std::vector<Color>{11, 12, 13, 14, 15, 16}));
}

}  // namespace
}  // namespace qb
