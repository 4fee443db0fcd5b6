// Which line of one text is the same line of another: the longest common subsequence, and a
// huge file matched in time.

#include "codegen/line_match.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace qb {
namespace {

struct MatchCase {
  std::vector<int> a, b, expected;
};

class Matching : public ::testing::TestWithParam<MatchCase> {};

TEST_P(Matching, PartnersInOrder) {
  EXPECT_EQ(MatchLines(GetParam().a, GetParam().b), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Sequences, Matching,
                         ::testing::Values(MatchCase{{}, {1}, {}},
                                           MatchCase{{1, 2, 3}, {1, 2, 3}, {0, 1, 2}},
                                           MatchCase{{1, 9, 3}, {1, 2, 3}, {0, -1, 2}},
                                           MatchCase{{1, 2, 3}, {4, 1, 5, 3}, {1, -1, 3}},
                                           MatchCase{{7, 1, 7, 2}, {1, 2, 7}, {-1, 0, -1, 1}},
                                           MatchCase{{5, 6}, {6, 5}, {-1, 0}}));

// Far beyond what a full table allows: cut at the lines found once in each, in time.
TEST(Matching, AHugeTextIsCutAtItsUniqueLines) {
  std::vector<int> a, b;
  for (int i = 0; i < 300000; ++i) a.push_back(i);
  b = a;
  std::reverse(b.begin() + 1000, b.end());  // the first thousand stay in order
  const std::vector<int> match = MatchLines(a, b);
  const auto matched = std::count_if(match.begin(), match.end(), [](int m) { return m >= 0; });
  EXPECT_GE(matched, 1000);
  for (int i = 0; i < 1000; ++i) EXPECT_EQ(match[static_cast<std::size_t>(i)], i);
}

}  // namespace
}  // namespace qb
