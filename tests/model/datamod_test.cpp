#include "model/datamod.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

TEST(Nearest, HalvesGoToEven) {
  struct Case {
    double x;
    int expected;
  };
  for (Case c : {Case{0.5, 0}, Case{1.5, 2}, Case{2.5, 2}, Case{3.45, 3}, Case{3.5, 4},
                 Case{-0.5, 0}, Case{-1.5, -2}, Case{3.6, 4}}) {
    EXPECT_EQ(Nearest(c.x), c.expected) << c.x;
  }
}

TEST(NearestDiv, MatchesExactQuotients) {
  struct Case {
    int a, b, expected;
  };
  for (Case c : {Case{40, 11, 4}, Case{38, 11, 3}, Case{11, 2, 6}, Case{9, 2, 4}, Case{31, 3, 10},
                 Case{-9, 2, -4}, Case{-11, 2, -6}, Case{5, 0, 0}, Case{7, -2, -4}}) {
    EXPECT_EQ(NearestDiv(c.a, c.b), c.expected) << c.a << "/" << c.b;
  }
}

TEST(FontLabels, ExactAndCaseSensitive) {
  EXPECT_EQ(FontLabel("PilotBold"), "Bold");
  EXPECT_EQ(FontLabel("PilotLarge"), "Large");
  EXPECT_EQ(FontLabel("PilotBold12"), "LargeBold");
  EXPECT_EQ(FontLabel("PilotStandard"), "Standard");
  EXPECT_EQ(FontLabel("pilotbold"), "Standard");
  EXPECT_EQ(FontLabel("Arial"), "Standard");
  EXPECT_EQ(FontNameFromLabel("Bold"), "PilotBold");
  EXPECT_EQ(FontNameFromLabel("Large"), "PilotLarge");
  EXPECT_EQ(FontNameFromLabel("LargeBold"), "PilotBold12");
  EXPECT_EQ(FontNameFromLabel("bold"), "PilotStandard");
  EXPECT_EQ(FontNameFromLabel(""), "PilotStandard");
}

TEST(Colors, NamesValuesAndIndexes) {
  struct Case {
    const char* name;
    Color value;
    int index;
  };
  const Case cases[] = {
      {"Black", 0, 15},       {"Maroon", 128, 2},       {"Red", 255, 10},
      {"Green", 32768, 4},    {"Olive", 32896, 3},      {"Lime", 65280, 12},
      {"Yellow", 65535, 11},  {"Navy", 8388608, 6},     {"Purple", 8388736, 7},
      {"Teal", 8421376, 5},   {"Gray", 8421504, 1},     {"Silver", 12632256, 9},
      {"Blue", 16711680, 14}, {"Fuchsia", 16711935, 8}, {"Aqua", 16776960, 13},
      {"White", 16777215, 0},
  };
  int count = 0;
  const NamedColor* table = NamedColors(&count);
  ASSERT_EQ(count, 16);
  for (int i = 0; i < count; ++i) {
    EXPECT_STREQ(table[i].name, cases[i].name);
    EXPECT_EQ(ColorName(cases[i].value), cases[i].name);
    EXPECT_EQ(ColorFromName(cases[i].name), cases[i].value);
    EXPECT_EQ(ColorPaletteIndex(cases[i].value), cases[i].index);
  }
  EXPECT_EQ(ColorName(1), "");
  EXPECT_EQ(ColorPaletteIndex(1), -1);
  for (const char* bad : {"Grey", "gray", "", "red"}) EXPECT_EQ(ColorFromName(bad), 0u) << bad;
}

TEST(DateTimeFormats, LabelsAndCodes) {
  EXPECT_EQ(DateTimeFormatLabel(kPickerDate, 8), "Pref. Short Date");
  EXPECT_EQ(DateTimeFormatLabel(kPickerDate, 24), "MMM ''YY");
  EXPECT_EQ(DateTimeFormatLabel(kPickerDate, 26), "MM-DD-YY (OS4.0+)");
  EXPECT_EQ(DateTimeFormatLabel(kPickerDate, 7), "(None)");
  EXPECT_EQ(DateTimeFormatLabel(kPickerTime, 0), "Minutes");
  EXPECT_EQ(DateTimeFormatLabel(kPickerTime, 11), "h,mm (0-24)");
  EXPECT_EQ(DateTimeFormatLabel(kPickerTime, 12), "(None)");
  EXPECT_EQ(DateTimeFormatLabel(kPickerNone, 8), "(None)");
  EXPECT_EQ(DateTimeFormatLabel(3, 8), "(None)");
  EXPECT_EQ(DateTimeFormatCode(kPickerDate, "MMM ''YY"), 24);
  EXPECT_EQ(DateTimeFormatCode(kPickerTime, "h am/pm (0-12)"), 9);
  EXPECT_EQ(DateTimeFormatCode(kPickerTime, "nonsense"), 8);
  EXPECT_EQ(DateTimeFormatCode(kPickerDate, "minutes"), 8);
  int n = 0;
  DateTimeFormats(kPickerDate, &n);
  EXPECT_EQ(n, 19);
  DateTimeFormats(kPickerTime, &n);
  EXPECT_EQ(n, 12);
}

TEST(TextHelpers, NthFieldAndLeftPad) {
  EXPECT_EQ(NthField("a,b,,d", ',', 1), "a");
  EXPECT_EQ(NthField("a,b,,d", ',', 3), "");
  EXPECT_EQ(NthField("a,b,,d", ',', 4), "d");
  EXPECT_EQ(NthField("a,b,,d", ',', 5), "");
  EXPECT_EQ(NthField("a,b", ',', 0), "");
  EXPECT_EQ(NthField("", ',', 1), "");
  EXPECT_EQ(LeftPad("7", '0', 3), "007");
  EXPECT_EQ(LeftPad("1234", '0', 3), "1234");
  EXPECT_EQ(LeftPad("", ' ', 2), "  ");
}

}  // namespace
}  // namespace qb
