// The PToolboxLib controls, pixel by pixel. The block face draws every character as a 2 × 5
// ink block in a 3-pixel advance.

#include <gtest/gtest.h>

#include "controls/CCForm.h"
#include "controls/PTButton.h"
#include "controls/PTCheckBox.h"
#include "controls/PTDialog.h"
#include "controls/PTGsi.h"
#include "controls/PTLabel.h"
#include "controls/PTList.h"
#include "controls/PTPopTrigger.h"
#include "support/paint_harness.h"
#include "support/pixel_art.h"

namespace qb {
namespace {

using test::Art;
using test::DefaultLegend;
using test::PaintHarness;
using test::PixelsAre;

std::string Repeat(int n, char c) { return std::string(static_cast<std::size_t>(n), c); }

TPTButton& Button46x17(TPTButton& button, int frame) {
  button.SetColor(kWhite);
  button.SetBounds(0, 0, 46, 17);
  button.SetText("");
  button.SetColorFill(kSilver);
  button.SetFrame(frame);
  return button;
}

TEST(PTButtonPaint, StandardFrameIsCutByThreeAndRoundedInTheFrameColour) {
  TPTButton button(nullptr);
  PaintHarness h;
  const PalmCanvas& c = h.Paint(Button46x17(button, 0));
  const std::string edge = "...." + Repeat(38, '#') + "....";
  const std::string cut = "..##" + Repeat(38, 's') + "##..";
  const std::string cut2 = "..#" + Repeat(40, 's') + "#..";
  const std::string side = ".#" + Repeat(42, 's') + "#.";
  EXPECT_TRUE(PixelsAre(c, {Repeat(46, '.'), edge, cut, cut2, side, side, side, side, side, side,
                            side, side, side, cut2, cut, edge, Repeat(46, '.')}));
}

TEST(PTButtonPaint, BoldFrameAddsTheOuterRing) {
  TPTButton button(nullptr);
  PaintHarness h;
  const PalmCanvas& c = h.Paint(Button46x17(button, 1));
  const std::string outer = "....." + Repeat(35, '#') + "......";
  const std::string edge = "..." + Repeat(39, '#') + "....";
  const std::string r2 = "..####" + Repeat(33, 's') + "####...";
  const std::string r3 = ".###" + Repeat(37, 's') + "###..";
  const std::string r4 = ".##" + Repeat(39, 's') + "###.";
  const std::string r5 = "###" + Repeat(39, 's') + "###.";
  const std::string band = "##" + Repeat(41, 's') + "##.";
  EXPECT_TRUE(PixelsAre(
      c, {outer, edge, r2, r3, r4, r5, band, band, band, band, band, r5, r4, r3, r2, edge, outer}));
}

TEST(PTButtonPaint, SquareAndNoFrameHaveNoCut) {
  TPTButton button(nullptr);
  PaintHarness h;
  const PalmCanvas& square = h.Paint(Button46x17(button, 2));
  EXPECT_EQ(square.At(1, 1), kBlack);
  EXPECT_EQ(square.At(2, 2), kSilver);
  EXPECT_EQ(square.At(44, 15), kBlack);
  const PalmCanvas& none = h.Paint(Button46x17(button, 3));
  // No outline: the fill covers the same rectangle.
  EXPECT_EQ(none.At(1, 1), kSilver);
  EXPECT_EQ(none.At(44, 15), kSilver);
  EXPECT_EQ(none.At(0, 0), kWhite);
  EXPECT_EQ(none.At(45, 16), kWhite);
}

TEST(PTButtonPaint, RepeatButtonIsFilledFromItsForm) {
  TCCForm form(nullptr);
  form.SetColorFill(kGray);
  form.SetColorText(kRed);
  form.SetColorFrame(kNavy);
  form.SetColorFormFill(kSilver);
  TPTButton button(nullptr);
  Button46x17(button, 0);
  button.SetColorFill(kWhite);
  button.SetText("A");
  button.SetPalmForm(&form);
  button.SetButtonType(1);
  PaintHarness h;
  const PalmCanvas& c = h.Paint(button);
  EXPECT_EQ(c.At(10, 8), kGray);
  EXPECT_EQ(c.At(22, 6), kRed);  // text at nearest(43 ÷ 2) = 22, nearest(12 ÷ 2) = 6
  EXPECT_EQ(c.At(4, 1), kNavy);
  EXPECT_EQ(c.At(0, 0), kSilver);
  button.SetButtonType(0);
  const PalmCanvas& standard = h.Paint(button);
  EXPECT_EQ(standard.At(10, 8), kWhite);
  EXPECT_EQ(standard.At(22, 6), kBlack);
}

TEST(PTButtonPaint, RepeatWithoutAFormKeepsItsOwnColours) {
  TPTButton button(nullptr);
  Button46x17(button, 0);
  button.SetButtonType(1);
  PaintHarness harness;
  const PalmCanvas& c = harness.Paint(button);
  EXPECT_EQ(c.At(10, 8), kSilver);
  EXPECT_EQ(c.At(4, 1), kBlack);
}

TEST(PTButtonPaint, InADialogTheBackgroundIsTheDialogFill) {
  TPTDialog dialog(nullptr);
  dialog.SetColorDialogFill(kSilver);
  TPTButton button(nullptr);
  Button46x17(button, 0);
  button.SetPalmForm(&dialog);
  PaintHarness harness;
  const PalmCanvas& c = harness.Paint(button);
  EXPECT_EQ(c.At(0, 0), kSilver);
  EXPECT_EQ(button.Color(), kWhite) << "drawing leaves the control's own Color";
}

TEST(PTLabelPaint, EndsOnePixelWiderThanItsText) {
  TCCForm form(nullptr);
  form.SetColorFormFill(kSilver);
  TPTLabel label(nullptr);
  label.SetPalmForm(&form);
  label.SetBounds(3, 4, 32, 13);
  label.SetContent("AB");
  PaintHarness h;
  const PalmCanvas& c = h.Paint(label);
  EXPECT_EQ(label.Width(), 7);
  EXPECT_EQ(label.Height(), 5);
  EXPECT_EQ(label.Left(), 3);
  EXPECT_EQ(label.Top(), 4);
  const std::string row = "##.##..";
  EXPECT_TRUE(PixelsAre(c, {row, row, row, row, row}, DefaultLegend(kSilver)));
}

TEST(PTLabelPaint, AnEmptyLabelIsOneWideAndElevenHigh) {
  TPTLabel label(nullptr);
  label.SetContent("");
  PaintHarness h;
  h.Paint(label);
  EXPECT_EQ(label.Width(), 1);
  EXPECT_EQ(label.Height(), 11);
}

TEST(PTLabelPaint, TakesItsOwnTextColour) {
  TPTLabel label(nullptr);
  label.SetColor(kWhite);
  label.SetContent("A");
  label.SetColorText(kRed);
  EXPECT_TRUE(PixelsAre(PaintHarness().Paint(label), {"rr..", "rr..", "rr..", "rr..", "rr.."}));
}

TEST(PTCheckboxPaint, TickedBoxCentredOnTheTextInTheFormsTextColour) {
  TCCForm form(nullptr);
  form.SetColorText(kRed);
  TPTCheckbox box(nullptr);
  box.SetPalmForm(&form);
  box.SetBounds(0, 0, 22, 20);
  box.SetContent("A");
  box.SetState(1);
  box.SetColorText(kBlue);  // saved only
  PaintHarness h;
  // b = nearest((20 − 5) ÷ 2) = 8.
  const std::string blank = Repeat(22, '.');
  EXPECT_TRUE(PixelsAre(h.Paint(box), {
                                          blank,
                                          blank,
                                          blank,
                                          blank,
                                          blank,
                                          blank,
                                          blank,
                                          blank,
                                          blank,
                                          "..................rr..",
                                          "...........rr.....rr..",
                                          "...rrrrrr.rrr.....rr..",
                                          "...r.....rrr......rr..",
                                          "...r.rr.rrr.......rr..",
                                          "...r.rrrrr............",
                                          "...r..rrr.r...........",
                                          "...r...r..r...........",
                                          "...r......r...........",
                                          "...rrrrrrrr...........",
                                          blank,
                                      }));
}

TEST(PTCheckboxPaint, ClearedShowsTheBoxOnly) {
  TPTCheckbox box(nullptr);
  box.SetColor(kWhite);
  box.SetBounds(0, 0, 14, 15);
  box.SetContent("");
  PaintHarness harness;
  const PalmCanvas& c = harness.Paint(box);
  // An empty text measures 0 high: b = nearest(15 ÷ 2) = 8, the box at y = 11 … 18, clipped.
  EXPECT_TRUE(PixelsAre(c, {"...########...", "...#......#...", "...#......#...", "...#......#..."},
                        DefaultLegend(), {0, 11}));
  EXPECT_TRUE(test::OnlyInside(c, {3, 11, 11, 15}, kWhite));
}

TEST(PTListPaint, StandAloneRowsFollowTheFontHeight) {
  TPTList list(nullptr);
  list.SetColor(kWhite);
  list.SetBounds(0, 0, 12, 25);
  list.SetItems({"A", "B", "C"});
  list.SetSelectedItem(0);
  PaintHarness h;
  const PalmCanvas& c = h.Paint(list);
  EXPECT_EQ(list.RowHeight(), 5);
  EXPECT_EQ(list.Height(), 13);
  EXPECT_TRUE(PixelsAre(c, {
                               "############",
                               "##..########",
                               "##..########",
                               "##..########",
                               "##..########",
                               "##..########",
                               "#.#######..#",
                               "#.######...#",
                               "#.#####....#",
                               "#.##.#.....#",
                               "#.##.......#",
                               "#.##.......#",
                               "############",
                           }));
}

TEST(PTListPaint, ShadowedListTakesTheDialogsColours) {
  TPTDialog dialog(nullptr);
  dialog.SetColorFrame(kRed);
  dialog.SetColorFill(kSilver);
  dialog.SetColorText(kNavy);
  TPTList list(nullptr);
  list.SetPalmForm(&dialog);
  list.SetBounds(0, 0, 12, 14);
  list.SetItems({"A", "B"});
  list.SetStyle(2);
  list.SetMaxItems(1);
  PaintHarness h;
  const PalmCanvas& c = h.Paint(list);
  EXPECT_EQ(list.Height(), 8);
  EXPECT_TRUE(PixelsAre(c, {
                               "srrrnnnrrrss",
                               "rsnnnnnnnsrs",
                               "rsnnnnnnssrr",
                               "rsnnnnnsssrr",
                               "rsnnsnssssrr",
                               "rsnnssssssrs",
                               "srrrrrrrrrss",
                               "ssrrrrrrrsss",
                           }));
}

TEST(PTListPaint, ArrowInTheSelectedTextColourOnTheLastShownRow) {
  TCCForm form(nullptr);
  form.SetColorSelectedFill(kNavy);
  form.SetColorSelectedFore(kRed);
  TPTList list(nullptr);
  list.SetPalmForm(&form);
  list.SetBounds(0, 0, 20, 25);
  list.SetItems({"A", "B", "C"});
  list.SetSelectedItem(1);
  PaintHarness h;
  const PalmCanvas& c = h.Paint(list);
  // Height 13; the arrow's anchor (12, 3) lies on the selected second row at y = 6 … 10.
  EXPECT_EQ(c.At(13, 6), kRed);
  EXPECT_EQ(c.At(13, 5), kRed);
  EXPECT_EQ(c.At(17, 7), kNavy);
}

TEST(PTPopTriggerPaint, InADialogTakesTheDialogsTextColour) {
  TPTDialog dialog(nullptr);
  dialog.SetColorText(kRed);
  dialog.SetColorDialogFill(kSilver);
  TPTPopTrigger trigger(nullptr);
  trigger.SetPalmForm(&dialog);
  trigger.SetColor(kWhite);
  trigger.SetBounds(0, 0, 20, 9);
  trigger.SetText("A");
  PaintHarness h;
  const PalmCanvas& c = h.Paint(trigger);
  EXPECT_EQ(trigger.ColorText(), kRed);
  const std::string blank = Repeat(20, 's');
  const std::string text = Repeat(15, 's') + "rrsss";
  EXPECT_TRUE(PixelsAre(c, {blank, blank, text, text, text, text, "sssrrrrrrrrssssrrsss",
                            "ssssrrrrrrssssssssss", "sssssrrrrsssssssssss"}));
}

TEST(PTPopTriggerPaint, WithoutAFormKeepsItsOwnTextColour) {
  TPTPopTrigger trigger(nullptr);
  trigger.SetColor(kWhite);
  trigger.SetBounds(0, 0, 20, 9);
  trigger.SetColorText(kBlue);
  PaintHarness harness;
  const PalmCanvas& c = harness.Paint(trigger);
  EXPECT_EQ(trigger.ColorText(), kBlue);
  EXPECT_EQ(c.At(5, 6), kBlue);
}

TEST(PTGsiPaint, PutBackToEightByNineAndDrawnAsAnUpwardArrow) {
  TPTGsi gsi(nullptr);
  gsi.SetColor(kWhite);
  gsi.SetBounds(30, 40, 12, 12);
  PaintHarness h;
  const PalmCanvas& c = h.Paint(gsi);
  EXPECT_EQ(gsi.Width(), 8);
  EXPECT_EQ(gsi.Height(), 9);
  EXPECT_EQ(gsi.Left(), 30);
  EXPECT_EQ(gsi.Top(), 40);
  EXPECT_TRUE(PixelsAre(c, {"...##..."}));
  const std::string stem = "..####..";
  EXPECT_TRUE(PixelsAre(c, {stem, stem, stem, stem, stem}, DefaultLegend(), {0, 4}));
}

TEST(PTGsiPaint, TakesTheFormsTextColourAndMarksOnlyItsCorners) {
  TCCForm form(nullptr);
  form.SetColorText(kRed);
  form.SetColorFormFill(kSilver);
  TPTGsi gsi(nullptr);
  gsi.SetPalmForm(&form);
  gsi.SetBounds(0, 0, 8, 9);
  gsi.SetSelected(true);
  gsi.SetSelectColor(kBlue);
  PaintHarness harness;
  const PalmCanvas& c = harness.Paint(gsi);
  EXPECT_EQ(c.At(3, 6), kRed);
  EXPECT_EQ(c.At(0, 0), kBlue);
  EXPECT_EQ(c.At(7, 8), kBlue);
  EXPECT_EQ(c.At(7, 0), kBlue);
  EXPECT_EQ(c.At(0, 8), kBlue);
  // No middle squares: left middle at (0, 3), bottom middle at (3, 6).
  EXPECT_EQ(c.At(1, 4), kSilver);
  EXPECT_EQ(c.At(4, 7), kRed);
}

}  // namespace
}  // namespace qb
