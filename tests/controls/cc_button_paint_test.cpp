// Buttons, switches, labels, edits and check boxes of CControls, pixel by pixel. The block
// face draws every character as a 2 × 5 ink block in a 3-pixel advance.

#include <gtest/gtest.h>

#include "controls/CCButton.h"
#include "controls/CCCheckbox.h"
#include "controls/CCEdit.h"
#include "controls/CCForm.h"
#include "controls/CCLabel.h"
#include "controls/CCSwitch.h"
#include "support/paint_harness.h"
#include "support/pixel_art.h"

namespace qb {
namespace {

using test::DefaultLegend;
using test::PaintHarness;
using test::PixelsAre;

TEST(CCButtonPaint, RadiusZeroIsARectangleWithBackgroundInnerCorners) {
  TCCButton button(nullptr);
  button.SetColor(kWhite);
  button.SetBounds(0, 0, 10, 7);
  button.SetRadius(0);
  button.SetColorFill(kSilver);
  button.SetContent("A");
  PaintHarness h;
  EXPECT_TRUE(PixelsAre(h.Paint(button), {
                                             "##########",
                                             "#.ss##ss.#",
                                             "#sss##sss#",
                                             "#sss##sss#",
                                             "#sss##sss#",
                                             "#.ss##ss.#",
                                             "##########",
                                         }));
}

TEST(CCButtonPaint, RadiusFourCutsThreePixelsAndRoundsTheCutInBlack) {
  TCCButton button(nullptr);
  button.SetColor(kWhite);
  button.SetBounds(0, 0, 12, 9);
  button.SetColorFill(kSilver);
  button.SetContent("");
  PaintHarness h;
  EXPECT_TRUE(PixelsAre(h.Paint(button), {
                                             "...######...",
                                             ".##ssssss##.",
                                             ".#ssssssss#.",
                                             "#ssssssssss#",
                                             "#ssssssssss#",
                                             "#ssssssssss#",
                                             ".#ssssssss#.",
                                             ".##ssssss##.",
                                             "...######...",
                                         }));
}

TEST(CCButtonPaint, RadiusFourWithGrayLineLeavesTheCornersInTheBackground) {
  TCCButton button(nullptr);
  button.SetColor(kWhite);
  button.SetBounds(0, 0, 12, 9);
  button.SetColorFill(kSilver);
  button.SetLine(2);
  button.SetContent("");
  PaintHarness harness;
  const PalmCanvas& c = harness.Paint(button);
  EXPECT_EQ(c.At(1, 1), kWhite);
  EXPECT_EQ(c.At(10, 7), kWhite);
  // Dotted: the top edge keeps its even pixels.
  EXPECT_TRUE(PixelsAre(c, {"....#.#.#..."}));
}

TEST(CCButtonPaint, SelectionMarksAreDrawnLast) {
  TCCButton button(nullptr);
  button.SetColor(kWhite);
  button.SetBounds(0, 0, 40, 14);
  button.SetContent("");
  button.SetSelected(true);
  button.SetSelectColor(kNavy);
  PaintHarness h;
  const PalmCanvas& c = h.Paint(button);
  // Over the outline and the black corner pixels.
  for (Point p : {Point{0, 0}, {1, 1}, {2, 2}, {19, 0}, {37, 0}, {39, 6}, {38, 12}, {0, 11}})
    EXPECT_EQ(c.At(p.x, p.y), kNavy) << p.x << ", " << p.y;
  EXPECT_EQ(c.At(22, 0), kBlack);
}

TEST(CCButtonPaint, SelectTakesItsWidthFromTheTextAndTheFormsFrameAndFill) {
  TCCForm form(nullptr);
  form.SetColorFormFill(kSilver);
  form.SetColorFrame(kRed);
  TCCButton select(nullptr);
  select.SetTag(kSelectTag);
  select.SetPalmForm(&form);
  select.SetColor(kWhite);
  select.SetBounds(0, 0, 40, 8);
  select.SetRadius(0);
  select.SetLine(2);
  select.SetContent("AB");
  PaintHarness h;
  const PalmCanvas& c = h.Paint(select);
  EXPECT_EQ(select.Width(), 13);
  EXPECT_EQ(select.Color(), kWhite) << "drawing leaves the control's own Color";
  // Text one pixel right of centre; a gray red outline on the form's fill.
  EXPECT_TRUE(PixelsAre(c, {
                               "rsrsrsrsrsrsr",
                               "sswwwwwwwwwss",
                               "rwwww##w##wwr",
                               "swwww##w##wws",
                               "rwwww##w##wwr",
                               "swwww##w##wws",
                               "rswww##w##wsr",
                               "ssrsrsrsrsrss",
                           }));
}

TEST(CCSwitchPaint, OnWithGrayLineTakesTheFormsColours) {
  TCCForm form(nullptr);
  form.SetColorFrame(kRed);
  form.SetColorFill(kSilver);
  form.SetColorSelectedFill(kNavy);
  form.SetColorSelectedFore(65535);  // yellow
  TCCSwitch sw(nullptr);
  sw.SetPalmForm(&form);
  sw.SetBounds(0, 0, 8, 7);
  sw.SetLine(2);
  sw.SetState(1);
  sw.SetContent("A");
  PaintHarness h;
  // Selected fill inside, the gray pass in the object fill, the text in the selected text.
  EXPECT_TRUE(PixelsAre(h.Paint(sw), {
                                         "rsrsrsrs",
                                         "snyynnns",
                                         "rnyynnnr",
                                         "snyynnns",
                                         "rnyynnnr",
                                         "snyynnns",
                                         "rsrsrsrs",
                                     }));
}

TEST(CCSwitchPaint, CornerPixelsFollowRadiusLineAndState) {
  TCCForm form(nullptr);
  form.SetColorFrame(kRed);
  form.SetColorFill(kSilver);
  TCCSwitch sw(nullptr);
  sw.SetPalmForm(&form);
  sw.SetBounds(0, 0, 12, 9);
  sw.SetContent("");
  PaintHarness h;
  sw.SetRadius(4);
  EXPECT_EQ(h.Paint(sw).At(1, 1), kRed);  // rounded in the frame colour
  sw.SetRadius(0);
  sw.SetState(1);
  EXPECT_EQ(h.Paint(sw).At(1, 1), kBlack);  // left as drawn: the selected fill
  sw.SetRadius(3);
  sw.SetState(0);
  // Cut 2: (1, 1) lies on the diagonal, and is painted over in the fill.
  EXPECT_EQ(h.Paint(sw).At(1, 1), kSilver);
  EXPECT_EQ(h.Paint(sw).At(0, 0), kWhite);
}

TEST(CCLabelPaint, GrayUnderlineOfA32WideLabelKeepsEvenPixelsFromTwoToThirty) {
  TCCLabel label(nullptr);
  label.SetColor(kWhite);
  label.SetBounds(0, 0, 32, 20);
  label.SetLine(2);
  label.SetStyle(1);
  label.SetContent("");
  PaintHarness h;
  const PalmCanvas& c = h.Paint(label);
  EXPECT_EQ(label.Height(), 13);
  const std::string blank(32, '.');
  EXPECT_TRUE(PixelsAre(c, {blank, blank, blank, blank, blank, blank, blank, blank, blank, blank,
                            blank, blank, "..#.#.#.#.#.#.#.#.#.#.#.#.#.#.#."}));
}

TEST(CCLabelPaint, BlackUnderlineLeavesOutTheLastPixel) {
  TCCLabel label(nullptr);
  label.SetColor(kWhite);
  label.SetBounds(0, 0, 6, 13);
  label.SetStyle(1);
  label.SetContent("");
  EXPECT_TRUE(PixelsAre(PaintHarness().Paint(label), {"#####."}, DefaultLegend(), {0, 12}));
}

TEST(CCLabelPaint, BoxedGrayLabelWithRightAlignedText) {
  TCCLabel label(nullptr);
  label.SetColor(kWhite);
  label.SetBounds(0, 0, 8, 13);
  label.SetLine(2);
  label.SetStyle(2);
  label.SetAlignment(TextAlign::kRight);
  label.SetContent("A");
  PaintHarness h;
  EXPECT_TRUE(PixelsAre(h.Paint(label), {
                                            "#.#.#.#.",
                                            "........",
                                            "#......#",
                                            "........",
                                            "#..##..#",
                                            "...##...",
                                            "#..##..#",
                                            "...##...",
                                            "#..##..#",
                                            "........",
                                            "#......#",
                                            "........",
                                            "#.#.#.#.",
                                        }));
}

TEST(CCLabelPaint, LineWhiteOrStylePlainDrawsNoLine) {
  for (auto [line, style] : {std::pair{0, 1}, {0, 2}, {1, 0}, {2, 0}}) {
    TCCLabel label(nullptr);
    label.SetColor(kWhite);
    label.SetBounds(0, 0, 6, 13);
    label.SetLine(line);
    label.SetStyle(style);
    label.SetContent("");
    EXPECT_TRUE(test::OnlyInside(PaintHarness().Paint(label), {}, kWhite))
        << "line " << line << " style " << style;
  }
}

TEST(CCLabelPaint, EditDrawsLikeALabelWithCentredText) {
  TCCEdit edit(nullptr);
  edit.SetColor(kWhite);
  edit.SetBounds(0, 0, 9, 30);
  edit.SetLine(1);
  edit.SetStyle(2);
  edit.SetAlignment(TextAlign::kCenter);
  edit.SetContent("A");
  PaintHarness h;
  const PalmCanvas& c = h.Paint(edit);
  EXPECT_EQ(edit.Height(), 13);
  // x = nearest((9 − 3) ÷ 2) = 3, y = nearest((13 − 5) ÷ 2) = 4.
  EXPECT_TRUE(PixelsAre(c, {"#########", "#.......#", "#.......#", "#.......#", "#..##...#"}));
}

TEST(CCCheckboxPaint, TickedBreaksThroughTheBox) {
  TCCCheckbox box(nullptr);
  box.SetColor(kWhite);
  box.SetBounds(0, 0, 20, 30);
  box.SetState(1);
  box.SetContent("A");
  PaintHarness h;
  const PalmCanvas& c = h.Paint(box);
  EXPECT_EQ(box.Height(), 13);
  EXPECT_TRUE(PixelsAre(c, {
                               "....................",
                               ".............##.....",
                               "..........##.##.....",
                               "..######.###.##.....",
                               "..#.....###..##.....",
                               "..#.##.###...##.....",
                               "..#.#####...........",
                               "..#..###.#..........",
                               "..#...#..#..........",
                               "..#......#..........",
                               "..########..........",
                               "....................",
                               "....................",
                           }));
}

TEST(CCCheckboxPaint, ClearedErasesTheTickAndKeepsTheWholeBox) {
  TCCCheckbox box(nullptr);
  box.SetColor(kWhite);
  box.SetBounds(0, 0, 12, 13);
  box.SetState(1);
  box.SetContent("");
  PaintHarness h;
  h.Paint(box);
  box.SetState(0);
  EXPECT_TRUE(PixelsAre(h.Paint(box), {
                                          "............",
                                          "............",
                                          "............",
                                          "..########..",
                                          "..#......#..",
                                          "..#......#..",
                                          "..#......#..",
                                          "..#......#..",
                                          "..#......#..",
                                          "..#......#..",
                                          "..########..",
                                          "............",
                                          "............",
                                      }));
}

}  // namespace
}  // namespace qb
