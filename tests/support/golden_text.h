#pragma once

// Golden-file checks for generated texts: the lines are compared byte for byte with an
// expected file under tests/data (one line per text line, each ended by a line feed), a
// mismatch is reported as a line diff, and QB_KEEP_GENERATED=<dir> keeps every generated
// text under <dir> at the same relative path for inspection.

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qb::test {

// The lines as one text, each line ended by "\n".
std::string JoinLines(const std::vector<std::string>& lines);

// A readable diff of two texts by lines: "-" expected only, "+" actual only, " " context.
std::string LineDiff(const std::string& expected, const std::string& actual);

// Compares lines with the file QB_TEST_DATA_DIR/<relative_path>.
::testing::AssertionResult MatchesGolden(const std::vector<std::string>& lines,
                                         const std::string& relative_path);

}  // namespace qb::test
