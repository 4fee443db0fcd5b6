// The PToolboxLib field: underlines, single-line text, wrapping at blanks and right
// justification. The block face draws every character as a 2 × 5 ink block in a 3-pixel
// advance, the blank as nothing.

#include <gtest/gtest.h>

#include <chrono>

#include "controls/PTEdit.h"
#include "support/paint_harness.h"
#include "support/pixel_art.h"

namespace qb {
namespace {

using test::PaintHarness;
using test::PixelsAre;

// Two lines of 5 pixels, no underline.
TPTEdit& TwoLineField(TPTEdit& field, int width, const std::string& text) {
  field.SetBounds(0, 0, width, 10);
  field.SetUnderline(1);
  field.SetText(text);
  return field;
}

TEST(PTEditPaint, ShortMultiLineTextStaysLeftWhateverTheJustification) {
  TPTEdit field(nullptr);
  TwoLineField(field, 12, "AB");
  field.SetJustification(1);
  const std::string text = "##.##.......";
  const std::string blank(12, '.');
  EXPECT_TRUE(PixelsAre(PaintHarness().Paint(field),
                        {text, text, text, text, text, blank, blank, blank, blank, blank}));
}

TEST(PTEditPaint, WrappedLinesAreRightAlignedWithoutTheirBlanks) {
  TPTEdit field(nullptr);
  TwoLineField(field, 20, "AB CD EF");
  field.SetJustification(1);
  // "AB CD " fits (18 of 20 pixels); drawn as "AB CD" ending at 20. "EF" fits the second line.
  const std::string first = ".....##.##....##.##.";
  const std::string second = "..............##.##.";
  EXPECT_TRUE(PixelsAre(PaintHarness().Paint(field), {first, first, first, first, first, second,
                                                      second, second, second, second}));
}

TEST(PTEditPaint, WrappedLinesStartAtTheLeftWhenLeftJustified) {
  TPTEdit field(nullptr);
  TwoLineField(field, 20, "AB CD EF");
  const std::string first = "##.##....##.##......";
  const std::string second = "##.##...............";
  EXPECT_TRUE(PixelsAre(PaintHarness().Paint(field), {first, first, first, first, first, second,
                                                      second, second, second, second}));
}

TEST(PTEditPaint, AWordWiderThanTheFieldIsBrokenInsideIt) {
  TPTEdit field(nullptr);
  TwoLineField(field, 10, "ABCDEFGH");
  // Three characters (9 pixels) per line; the rest does not fit in two lines.
  const std::string line = "##.##.##..";
  EXPECT_TRUE(PixelsAre(PaintHarness().Paint(field),
                        {line, line, line, line, line, line, line, line, line, line}));
}

TEST(PTEditPaint, WrappingStopsWhenTheLinesAreUsedUp) {
  TPTEdit field(nullptr);
  field.SetBounds(0, 0, 7, 5);
  field.SetUnderline(1);
  field.SetText("A B C D E F G H I J K L");
  PaintHarness harness;
  const PalmCanvas& c = harness.Paint(field);
  // One line: "A B" is 8 wide, so "A " goes first.
  const std::string line = "##.....";
  EXPECT_TRUE(PixelsAre(c, {line, line, line, line, line}));
}

TEST(PTEditPaint, SingleLineTextIsDrawnWholeAtTheLeft) {
  TPTEdit field(nullptr);
  field.SetBounds(0, 0, 10, 10);
  field.SetUnderline(1);
  field.SetSingleLine(1);
  field.SetJustification(1);
  field.SetText("AB CD");
  // The C is cut by the right edge.
  const std::string line = "##.##....#";
  const std::string blank(10, '.');
  EXPECT_TRUE(PixelsAre(PaintHarness().Paint(field),
                        {line, line, line, line, line, blank, blank, blank, blank, blank}));
}

TEST(PTEditPaint, UnderlinedLinesAreDottedOnOddPixelsInTheLineColour) {
  TPTEdit field(nullptr);
  field.SetBounds(0, 0, 7, 11);
  field.SetText("");
  field.SetColorLines(kRed);
  field.SetColorFill(kSilver);
  const std::string fill(7, 's');
  // nearest(11 ÷ 5) = 2 lines, their underlines at y = 4 and 9.
  EXPECT_TRUE(PixelsAre(PaintHarness().Paint(field), {fill, fill, fill, fill, "srsrsrs", fill, fill,
                                                      fill, fill, "srsrsrs", fill}));
}

TEST(PTEditPaint, SingleLineHasOneUnderline) {
  TPTEdit field(nullptr);
  field.SetBounds(0, 0, 4, 11);
  field.SetSingleLine(1);
  field.SetText("");
  PaintHarness harness;
  const PalmCanvas& c = harness.Paint(field);
  EXPECT_EQ(c.At(1, 4), kBlack);
  EXPECT_EQ(c.At(1, 9), kWhite);
}

TEST(PTEditPaint, TextInItsOwnColour) {
  TPTEdit field(nullptr);
  field.SetBounds(0, 0, 4, 5);
  field.SetUnderline(1);
  field.SetText("A");
  field.SetColorText(kBlue);
  EXPECT_EQ(PaintHarness().Paint(field).At(1, 2), kBlue);
}

TEST(PTEditPaint, AHugeTextInATallFieldPaintsInLinearTime) {
  TPTEdit field(nullptr);
  field.SetBounds(0, 0, 160, 20000);
  std::string text;
  for (int i = 0; i < 40000; ++i) text += "word ";
  field.SetText(text);
  PaintHarness h;
  const auto start = std::chrono::steady_clock::now();
  const PalmCanvas& c = h.Paint(field);
  const auto took = std::chrono::steady_clock::now() - start;
  EXPECT_LT(took, std::chrono::seconds(2));
  // 160 pixels take ten "word " pieces a line; the last of 4000 lines holds text.
  EXPECT_EQ(c.At(0, 3999 * 5 + 1), kBlack);
}

}  // namespace
}  // namespace qb
