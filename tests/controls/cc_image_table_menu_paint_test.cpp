// Images, tables, the menu bar and menus of CControls, pixel by pixel. The block face draws
// every character as a 2 × 5 ink block in a 3-pixel advance.

#include <gtest/gtest.h>

#include "controls/CCBitmap.h"
#include "controls/CCForm.h"
#include "controls/CCMenu.h"
#include "controls/CCMenuBar.h"
#include "controls/CCTable.h"
#include "support/paint_harness.h"
#include "support/pixel_art.h"

namespace qb {
namespace {

using test::Art;
using test::DefaultLegend;
using test::PaintHarness;
using test::PixelsAre;

TEST(CCBitmapPaint, TwentyWideRowsHoldFiveDigits) {
  TCCBitmap image(nullptr);
  image.SetColor(kWhite);
  image.SetBounds(0, 0, 20, 2);
  image.SetStringBits("F000000001");
  PaintHarness h;
  EXPECT_TRUE(PixelsAre(h.Paint(image), {
                                            "####................",
                                            "...................#",
                                        }));
}

TEST(CCBitmapPaint, TwentyTwoWideRowsHoldSixDigits) {
  TCCBitmap image(nullptr);
  image.SetColor(kWhite);
  image.SetBounds(0, 0, 22, 3);
  image.SetStringBits("F0000000000CA");
  PaintHarness h;
  // The sixth digit's last two pixels fall outside; the thirteenth starts row 2.
  EXPECT_TRUE(PixelsAre(h.Paint(image), {
                                            "####..................",
                                            "....................##",
                                            "#.#...................",
                                        }));
}

TEST(CCBitmapPaint, NonHexDigitsCountAsZeroAndLowerCaseIsRead) {
  TCCBitmap image(nullptr);
  image.SetColor(kWhite);
  image.SetBounds(0, 0, 12, 1);
  image.SetStringBits("xa9");
  image.SetColorFore(kRed);
  EXPECT_TRUE(PixelsAre(PaintHarness().Paint(image), {"....r.r.r..r"}));
}

TEST(CCBitmapPaint, WithAFormTheBackgroundIsTheFormsFill) {
  TCCForm form(nullptr);
  form.SetColorFormFill(kSilver);
  TCCBitmap image(nullptr);
  image.SetColor(kWhite);
  image.SetPalmForm(&form);
  image.SetBounds(0, 0, 4, 1);
  image.SetStringBits("8");
  EXPECT_TRUE(PixelsAre(PaintHarness().Paint(image), {"#sss"}));
  EXPECT_EQ(image.Color(), kWhite) << "drawing leaves the control's own Color";
}

TEST(CCTablePaint, SeparatorsAtTwentyFiveAndFiftyAndTheLastColumnToTheEdge) {
  TCCTable table(nullptr);
  table.SetColor(kWhite);
  table.SetBounds(0, 0, 77, 0);
  table.SetVisibleRows(2);
  table.SetColWidths({"25", "25", "25"});
  table.SetColAlign({"0", "0", "0"});
  table.SetItems({"~~"});
  PaintHarness h;
  const PalmCanvas& c = h.Paint(table);
  ASSERT_EQ(table.Height(), 24);
  Art dotted, solid;
  for (int y = 0; y < 24; ++y) {
    dotted.push_back(y % 2 == 1 ? "." : "#");
    solid.push_back("#");
  }
  EXPECT_TRUE(PixelsAre(c, dotted, DefaultLegend(), {25, 0}));
  EXPECT_TRUE(PixelsAre(c, dotted, DefaultLegend(), {50, 0}));
  EXPECT_TRUE(PixelsAre(c, solid, DefaultLegend(), {0, 0}));
  EXPECT_TRUE(PixelsAre(c, solid, DefaultLegend(), {76, 0}));
  EXPECT_EQ(c.At(24, 0), kBlack);
  EXPECT_EQ(c.At(24, 1), kWhite);
}

TEST(CCTablePaint, TildeFieldsGoToTheirColumnsAligned) {
  TCCTable table(nullptr);
  table.SetColor(kWhite);
  table.SetBounds(0, 0, 77, 0);
  table.SetVisibleRows(2);
  table.SetColWidths({"25", "25", "25"});
  table.SetColAlign({"0", "1", "2"});
  table.SetItems({"a~bb~ccc", "a"});
  PaintHarness h;
  const PalmCanvas& c = h.Paint(table);
  // Left at x0 + 2; centred at 25 + nearest(19 ÷ 2) + 1 = 36; right at 50 + 25 − 9 − 1 = 65.
  EXPECT_TRUE(PixelsAre(
      c, {"#.##................................##.##........................##.##.##...#"},
      DefaultLegend(), {0, 1}));
  // The second row holds only its first cell.
  EXPECT_TRUE(PixelsAre(
      c, {"#.##.....................#........................#.........................#"},
      DefaultLegend(), {0, 12}));
}

TEST(CCTablePaint, RowsBeyondVisibleRowsAreNotDrawn) {
  TCCTable table(nullptr);
  table.SetColor(kWhite);
  // nearest(16 ÷ 11) = 1 visible row; a second one would show at y = 12 … 16.
  table.SetBounds(0, 0, 30, 16);
  table.SetCols(1);
  table.SetColWidths({"30"});
  table.SetColAlign({"0"});
  table.SetItems({"a", "b"});
  PaintHarness harness;
  const PalmCanvas& c = harness.Paint(table);
  ASSERT_EQ(table.VisibleRows(), 1);
  EXPECT_EQ(c.At(2, 1), kBlack);
  EXPECT_EQ(c.At(2, 13), kWhite);
}

TEST(CCTablePaint, ColumnsWithoutAWidthAreSkipped) {
  TCCTable table(nullptr);
  table.SetColor(kWhite);
  table.SetBounds(0, 0, 40, 0);
  table.SetVisibleRows(1);
  table.SetCols(4);
  table.SetColWidths({"10", "0", "x", "15"});
  table.SetColAlign({"0", "0", "0", "0"});
  table.SetItems({"a~b~c~d"});
  PaintHarness harness;
  const PalmCanvas& c = harness.Paint(table);
  // Columns 0 and 3 only: 0 … 10 and 10 … 39; the fourth cell at 12.
  // Row 2: the dotted separator is black on even rows.
  EXPECT_TRUE(PixelsAre(c, {"#.##......#.##.........................#"}, DefaultLegend(), {0, 2}));
  EXPECT_EQ(c.At(10, 0), kBlack);
  EXPECT_EQ(c.At(10, 3), kWhite);
}

TEST(CCTablePaint, AFirstColumnThatIsSkippedLeavesTheLeftEdgeSolid) {
  TCCTable table(nullptr);
  table.SetColor(kWhite);
  table.SetBounds(0, 0, 20, 0);
  table.SetVisibleRows(1);
  table.SetCols(2);
  table.SetColWidths({"0", "20"});
  PaintHarness harness;
  const PalmCanvas& c = harness.Paint(table);
  for (int y = 0; y < table.Height(); ++y) EXPECT_EQ(c.At(0, y), kBlack) << y;
}

TEST(CCTablePaint, SelectedTableDrawsItsMarksOverTheColumns) {
  TCCTable table(nullptr);
  table.SetColor(kWhite);
  table.SetBounds(0, 0, 77, 0);
  table.SetVisibleRows(2);
  table.SetColWidths({"25", "25", "25"});
  table.SetSelected(true);
  table.SetSelectColor(kBlue);
  PaintHarness harness;
  const PalmCanvas& c = harness.Paint(table);
  EXPECT_EQ(c.At(38, 1), kBlue);  // top middle square: cx = nearest(38.5) = 38
  EXPECT_EQ(c.At(76, 11), kBlue);
}

std::string Repeat(int n, char c) { return std::string(static_cast<std::size_t>(n), c); }

TEST(CCMenuBarPaint, RoundedFrameAndShadow) {
  TCCMenuBar bar(nullptr);
  bar.SetColor(kWhite);
  PaintHarness h;
  const PalmCanvas& c = h.Paint(bar);
  ASSERT_EQ(c.Width(), 160);
  ASSERT_EQ(c.Height(), 15);
  const std::string top = "." + Repeat(157, '#') + "..";
  const std::string side = "#" + Repeat(157, '.') + "#.";
  const std::string shadowed = "#" + Repeat(157, '.') + "##";
  EXPECT_TRUE(
      PixelsAre(c, {top, side, shadowed, shadowed, shadowed, shadowed, shadowed, shadowed, shadowed,
                    shadowed, shadowed, shadowed, side, top, ".." + Repeat(155, '#') + "..."}));
}

TCCMenu& OpenMenu(TCCMenu& menu) {
  menu.SetColor(kWhite);
  menu.SetTopic("T");
  menu.SetItems({"a", "b"});
  menu.SetTopicWidth(12);
  menu.SetUserWidth(20);
  menu.SetBounds(0, 0, 23, 10);
  return menu;
}

TEST(CCMenuPaint, OpenMenuDrawsTheInvertedTopicItemsAndDropBox) {
  TCCMenu menu(nullptr);
  OpenMenu(menu);
  PaintHarness h;
  const PalmCanvas& c = h.Paint(menu);
  ASSERT_EQ(menu.Height(), 37);
  const std::string topic_text = ".###..#######..........";
  const std::string topic = ".############..........";
  const std::string item = "#.##..............##...";
  const std::string inside = "#.................##...";
  const std::string below = "#.................#....";
  EXPECT_TRUE(PixelsAre(c, {
                               Repeat(23, '#'),
                               topic_text,
                               topic_text,
                               topic_text,
                               topic_text,
                               topic_text,
                               topic,
                               topic,
                               topic,
                               topic,
                               topic,
                               topic,
                               topic,
                               Repeat(23, '#'),
                               "#.##..............#####",
                               item,
                               item,
                               item,
                               item,
                               inside,
                               inside,
                               inside,
                               inside,
                               inside,
                               inside,
                               item,
                               item,
                               item,
                               item,
                               item,
                               inside,
                               inside,
                               inside,
                               below,
                               below,
                               ".#################.....",
                               "...##############......",
                           }));
}

TEST(CCMenuPaint, ClosedMenuIsTheTopicOverTheBarsEdgeAndShadow) {
  TCCMenu menu(nullptr);
  OpenMenu(menu);
  menu.SetTest(0);
  PaintHarness h;
  const PalmCanvas& c = h.Paint(menu);
  ASSERT_EQ(menu.Height(), 15);
  const std::string text = "....##.................";
  const std::string blank = Repeat(23, '.');
  EXPECT_TRUE(PixelsAre(c, {Repeat(23, '#'), text, text, text, text, text, blank, blank, blank,
                            blank, blank, blank, blank, Repeat(23, '#'), Repeat(23, '#')}));
}

TEST(CCMenuPaint, OpenMenuWithoutItemsDrawsTheBarLines) {
  TCCMenu menu(nullptr);
  OpenMenu(menu);
  menu.SetItems({});
  PaintHarness harness;
  const PalmCanvas& c = harness.Paint(menu);
  ASSERT_EQ(menu.Height(), 15);
  EXPECT_EQ(c.At(5, 8), kBlack);  // the inverted topic
  EXPECT_TRUE(PixelsAre(c, {Repeat(23, '#'), Repeat(23, '#')}, DefaultLegend(), {0, 13}));
}

TEST(CCMenuPaint, MarksInTheMenusGreen) {
  TCCMenu menu(nullptr);
  OpenMenu(menu);
  menu.SetSelected(true);
  PaintHarness harness;
  const PalmCanvas& c = harness.Paint(menu);
  EXPECT_EQ(c.At(0, 0), kGreen);
  EXPECT_EQ(c.At(22, 36), kGreen);
}

}  // namespace
}  // namespace qb
