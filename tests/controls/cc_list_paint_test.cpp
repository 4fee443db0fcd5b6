// List boxes, drop-downs, pop-ups and radio buttons of CControls, pixel by pixel. The block
// face draws every character as a 2 × 5 ink block in a 3-pixel advance.

#include <gtest/gtest.h>

#include "controls/CCDropDown.h"
#include "controls/CCForm.h"
#include "controls/CCListBox.h"
#include "controls/CCPopUp.h"
#include "controls/CCRadio.h"
#include "support/paint_harness.h"
#include "support/pixel_art.h"

namespace qb {
namespace {

using test::PaintHarness;
using test::PixelsAre;

const StringList kAbc = {"A", "B", "C"};

TEST(CCListBoxPaint, ThreeItemsTwoVisibleWithTheLastShownSelected) {
  TCCListBox list(nullptr);
  list.SetColor(kWhite);
  list.SetBounds(0, 0, 14, 0);
  list.SetVisibleItems(2);
  list.SetItems(kAbc);
  list.SetSelectedItem(1);
  PaintHarness h;
  // The arrow is drawn in the background on the inverted row.
  EXPECT_TRUE(PixelsAre(
      h.Paint(list),
      {
          "##############", "#.##.........#", "#.##.........#", "#.##.........#", "#.##.........#",
          "#.##.........#", "#............#", "#............#", "#............#", "#............#",
          "#............#", "#............#", "##..##########", "##..##########", "##..##########",
          "##..###...####", "##..###...####", "#######...####", "#####.......##", "######.....###",
          "#######...####", "########.#####", "##############", "##############",
      }));
}

TEST(CCListBoxPaint, RowsTextAndBlackArrowWithoutSelection) {
  TCCListBox list(nullptr);
  list.SetColor(kWhite);
  list.SetBounds(0, 0, 14, 0);
  list.SetVisibleItems(2);
  list.SetItems(kAbc);
  PaintHarness h;
  const PalmCanvas& c = h.Paint(list);
  EXPECT_TRUE(PixelsAre(c, {
                               "##############",
                               "#.##.........#",
                               "#.##.........#",
                               "#.##.........#",
                               "#.##.........#",
                               "#.##.........#",
                               "#............#",
                           }));
  // Arrow anchor (W − 7, H − 9) = (7, 15), black on the white row.
  EXPECT_TRUE(PixelsAre(
      c,
      {"#.##...###...#", "#.##...###...#", "#......###...#", "#....#######.#", "#.....#####..#",
       "#......###...#", "#.......#....#", "#............#", "##############"},
      test::DefaultLegend(), {0, 15}));
}

TEST(CCListBoxPaint, NoArrowWhenEveryItemIsShown) {
  TCCListBox list(nullptr);
  list.SetColor(kWhite);
  list.SetBounds(0, 0, 14, 0);
  list.SetVisibleItems(3);
  list.SetItems(kAbc);
  PaintHarness harness;
  const PalmCanvas& c = harness.Paint(list);
  EXPECT_EQ(c.At(8, 21), kWhite);
  EXPECT_EQ(c.At(8, 29), kWhite);
  EXPECT_EQ(c.At(2, 23), kBlack);  // the third row's text
}

TEST(CCDropDownPaint, ClosedIsTwelveHighWhateverVisibleItemsSays) {
  TCCDropDown drop(nullptr);
  drop.SetColor(kWhite);
  drop.SetBounds(0, 0, 20, 14);
  drop.SetVisibleItems(3);
  drop.SetItems({"One", "Two", "Three"});
  drop.SetSelectedItem(1);
  PaintHarness h;
  const PalmCanvas& c = h.Paint(drop);
  EXPECT_EQ(drop.Height(), 12);
  EXPECT_EQ(drop.VisibleItems(), 3);
  EXPECT_TRUE(PixelsAre(c, {
                               "....................",
                               "............##.##.##",
                               "............##.##.##",
                               "............##.##.##",
                               "............##.##.##",
                               ".########...##.##.##",
                               "..######............",
                               "...####.............",
                               "....##..............",
                               "....................",
                               "....................",
                               "....................",
                           }));
}

TEST(CCDropDownPaint, ClosedWithoutAnItemAtTheIndexDrawsOnlyTheTriangle) {
  for (int selected : {-1, 3, 1000}) {
    TCCDropDown drop(nullptr);
    drop.SetColor(kWhite);
    drop.SetBounds(0, 0, 20, 12);
    drop.SetItems({"One", "Two", "Three"});
    drop.SetSelectedItem(selected);
    PaintHarness harness;
    const PalmCanvas& c = harness.Paint(drop);
    EXPECT_TRUE(test::OnlyInside(c, {1, 5, 9, 9}, kWhite)) << selected;
    EXPECT_EQ(c.At(4, 8), kBlack);
  }
}

TEST(CCDropDownPaint, OpenShowsTheShadowedListAndTakesItsHeight) {
  TCCDropDown drop(nullptr);
  drop.SetColor(kWhite);
  drop.SetBounds(0, 0, 16, 12);
  drop.SetVisibleItems(2);
  drop.SetItems(kAbc);
  drop.SetSelectedItem(0);
  drop.SetTestItems(1);
  drop.SetHeight(12);
  PaintHarness h;
  const PalmCanvas& c = h.Paint(drop);
  EXPECT_EQ(drop.Height(), 25);
  EXPECT_TRUE(PixelsAre(
      c, {
             ".#############..", "##..###########.", "##..############", "##..############",
             "##..############", "##..############", "################", "################",
             "################", "################", "################", "################",
             "#.##..........##", "#.##..........##", "#.##..........##", "#.##....###...##",
             "#.##....###...##", "#.......###...##", "#.....#######.##", "#......#####..##",
             "#.......###...##", "#........#....##", "#.............#.", ".#############..",
             "..###########...",
         }));
}

TEST(CCPopUpPaint, DrawnAsTheOpenListWithoutChangingItsHeight) {
  TCCPopUp popup(nullptr);
  popup.SetColor(kWhite);
  popup.SetBounds(0, 0, 16, 30);
  popup.SetItems(kAbc);
  popup.SetSelectedItem(1);
  popup.SetTest(1);
  PaintHarness h;
  const PalmCanvas& c = h.Paint(popup);
  EXPECT_EQ(popup.Height(), 30);
  // Two rows (nearest(27 ÷ 11) = 2): the second selected, the arrow at (8, 20) in white.
  EXPECT_EQ(c.At(5, 12), kBlack);
  EXPECT_EQ(c.At(9, 20), kWhite);
  EXPECT_EQ(c.At(7, 20), kBlack);
  // The shadow.
  EXPECT_EQ(c.At(15, 26), kBlack);
  EXPECT_EQ(c.At(15, 27), kWhite);
  EXPECT_TRUE(PixelsAre(c, {"..###########..."}, test::DefaultLegend(), {0, 29}));
}

TEST(CCPopUpPaint, NotTestedDrawsNothing) {
  TCCPopUp popup(nullptr);
  popup.SetBounds(0, 0, 16, 30);
  popup.SetItems(kAbc);
  PalmCanvas canvas(16, 30, kSilver);
  test::PaintHarness h;
  PaintControl(popup, canvas, h.Fonts(), PainterFor(ControlClass::kCCPopUp));
  // Only the panel's own background.
  EXPECT_TRUE(test::OnlyInside(canvas, {}, popup.Color()));
}

TEST(CCRadioPaint, HorizontalCellsShareBordersAndCentreTheirText) {
  TCCRadio radio(nullptr);
  radio.SetBounds(0, 0, 31, 9);
  radio.SetItems(kAbc);
  radio.SetSelectedItem(1);
  PaintHarness h;
  const std::string border(31, '#');
  const std::string empty = "#.........###########.........#";
  const std::string text = "#..##.....###..######..##.....#";
  EXPECT_TRUE(
      PixelsAre(h.Paint(radio), {border, empty, text, text, text, text, text, empty, border}));
}

TEST(CCRadioPaint, VerticalCellsTakeTheFormsColours) {
  TCCForm form(nullptr);
  form.SetColorFrame(kRed);
  form.SetColorFill(kSilver);
  form.SetColorText(kNavy);
  form.SetColorSelectedFill(kBlack);
  form.SetColorSelectedFore(kWhite);
  TCCRadio radio(nullptr);
  radio.SetPalmForm(&form);
  radio.SetBounds(0, 0, 9, 31);
  radio.SetItems(kAbc);
  radio.SetSelectedItem(2);
  radio.SetOrientation(1);
  radio.SetBounds(0, 0, 9, 31);
  PaintHarness h;
  EXPECT_TRUE(PixelsAre(
      h.Paint(radio),
      {
          "rrrrrrrrr", "rsssssssr", "rsssssssr", "rssnnsssr", "rssnnsssr", "rssnnsssr", "rssnnsssr",
          "rssnnsssr", "rsssssssr", "rsssssssr", "rrrrrrrrr", "rsssssssr", "rsssssssr", "rssnnsssr",
          "rssnnsssr", "rssnnsssr", "rssnnsssr", "rssnnsssr", "rsssssssr", "rsssssssr", "rrrrrrrrr",
          "r#######r", "r#######r", "r##ww###r", "r##ww###r", "r##ww###r", "r##ww###r", "r##ww###r",
          "r#######r", "r#######r", "rrrrrrrrr",
      }));
}

}  // namespace
}  // namespace qb
