// The counters of the generate dialog's text areas.

#include "codegen/code_text_area.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qb {
namespace {

struct Count {
  const char* text;
  int lines;
  int chars;
};

class Counting : public ::testing::TestWithParam<Count> {};

TEST_P(Counting, LinesAndCharsWithBreaksCountingTwo) {
  EXPECT_EQ(CountedLines(GetParam().text), GetParam().lines) << GetParam().text;
  EXPECT_EQ(CountedChars(GetParam().text), GetParam().chars) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, Counting,
                         ::testing::Values(Count{"", 0, 0}, Count{"\n", 1, 2}, Count{"ab", 1, 2},
                                           Count{"ab\n", 1, 4}, Count{"ab\ncd", 2, 6},
                                           Count{"ab\ncd\n", 2, 8}, Count{"\n\n\n", 3, 6},
                                           Count{"a\r\nb", 2, 4},
                                           // "é" and "€" are one character each.
                                           Count{"\xC3\xA9\xE2\x82\xAC\n", 1, 4}));

TEST(CodeTextArea, CountersFollowEveryChangeUntilCleared) {
  CodeTextArea area;
  EXPECT_EQ(area.LinesLabel(), "");
  area.SetLines({"//Form and dialog prototypes", "Form1();"});
  EXPECT_EQ(area.Text(), "//Form and dialog prototypes\nForm1();\n");
  EXPECT_EQ(area.LinesLabel(), "2 lines");
  EXPECT_EQ(area.CharsLabel(), "40 chars");
  area.SetText("typed");
  EXPECT_EQ(area.LinesLabel(), "1 lines");
  EXPECT_EQ(area.CharsLabel(), "5 chars");
  area.ClearCounters();
  EXPECT_EQ(area.LinesLabel(), "");
  EXPECT_EQ(area.CharsLabel(), "");
  area.SetText("typed");  // the same text is no change
  EXPECT_EQ(area.LinesLabel(), "");
  area.Clear();
  EXPECT_EQ(area.LinesLabel(), "0 lines");
  EXPECT_EQ(area.CharsLabel(), "0 chars");
}

TEST(CodeTextArea, LinesAsSavedDropCarriageReturnsAndTheFinalBreak) {
  CodeTextArea area;
  area.SetText("one\r\ntwo\n\nfour");
  EXPECT_EQ(area.Lines(), (std::vector<std::string>{"one", "two", "", "four"}));
  area.SetLines({"a", "", "b"});
  EXPECT_EQ(area.Lines(), (std::vector<std::string>{"a", "", "b"}));
  area.SetLines({});
  EXPECT_TRUE(area.Lines().empty());
}

}  // namespace
}  // namespace qb
