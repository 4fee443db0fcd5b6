// The CControls generator against hand-written expected files of the Demo project, for the
// PDE target and for the memo target. QB_KEEP_GENERATED=<dir> keeps what was generated.

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>

#include "codegen/cc_demo_project.h"
#include "codegen/generator.h"
#include "support/golden_text.h"

namespace qb {
namespace {

struct GoldenCase {
  const char* folder;
  bool memo;
};

void PrintTo(const GoldenCase& c, std::ostream* os) { *os << c.folder; }

class CcGolden : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(CcGolden, FourTextsMatchExpectedFiles) {
  const test::DemoProject project = test::BuildDemoProject();
  GeneratedCode code;
  GenerateCControls(project.Input(GetParam().memo), code);
  const std::string dir = std::string("codegen/cc/") + GetParam().folder + "/";
  EXPECT_TRUE(test::MatchesGolden(code.main, dir + "Demo.pc"));
  EXPECT_TRUE(test::MatchesGolden(code.forms, dir + "DemoForms.pc"));
  EXPECT_TRUE(test::MatchesGolden(code.events, dir + "DemoEvents.pc"));
  EXPECT_TRUE(test::MatchesGolden(code.header, dir + "Demo.h"));
}

TEST_P(CcGolden, LinesAreAppendedAfterWhatTheListsHold) {
  const test::DemoProject project = test::BuildDemoProject();
  GeneratedCode fresh;
  GenerateCControls(project.Input(GetParam().memo), fresh);
  GeneratedCode code;
  code.main = {"@cid \"QLBD\";"};
  code.forms = {"kept"};
  GenerateCControls(project.Input(GetParam().memo), code);
  ASSERT_EQ(code.main.size(), fresh.main.size() + 1);
  EXPECT_EQ(code.main.front(), "@cid \"QLBD\";");
  EXPECT_EQ(code.forms.front(), "kept");
  EXPECT_TRUE(std::equal(fresh.main.begin(), fresh.main.end(), code.main.begin() + 1));
}

TEST_P(CcGolden, GeneratingTwiceGivesTheSameTexts) {
  const test::DemoProject project = test::BuildDemoProject();
  GeneratedCode first, second;
  GenerateCControls(project.Input(GetParam().memo), first);
  GenerateCControls(project.Input(GetParam().memo), second);
  EXPECT_EQ(first.main, second.main);
  EXPECT_EQ(first.forms, second.forms);
  EXPECT_EQ(first.events, second.events);
  EXPECT_EQ(first.header, second.header);
}

INSTANTIATE_TEST_SUITE_P(Targets, CcGolden,
                         ::testing::Values(GoldenCase{"pde", false}, GoldenCase{"memo", true}),
                         [](const auto& info) { return std::string(info.param.folder); });

TEST(GoldenDiff, ShowsTheChangedLineWithItsNumber) {
  const std::string diff = test::LineDiff("a\nb\nc\n", "a\nB\nc\n");
  EXPECT_NE(diff.find("- 2: b\n"), std::string::npos) << diff;
  EXPECT_NE(diff.find("+ 2: B\n"), std::string::npos) << diff;
  EXPECT_NE(diff.find("  1: a\n"), std::string::npos) << diff;
}

TEST(GoldenDiff, MarksTrailingBlanks) {
  const std::string diff = test::LineDiff("x\n", "x \n");
  EXPECT_NE(diff.find("+ 1: x <-end"), std::string::npos) << diff;
}

}  // namespace
}  // namespace qb
