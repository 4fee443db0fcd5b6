// The PToolboxLib generator over the Demo project, against expected files written from the
// generation rules: every variant of the memo and colour flags.

#include <gtest/gtest.h>

#include <string>

#include "codegen/generator.h"
#include "pt_demo.h"
#include "support/golden_text.h"

namespace qb {
namespace {

struct Variant {
  const char* folder;
  bool memo;
  bool color;
};

void PrintTo(const Variant& v, std::ostream* os) { *os << v.folder; }

class PtGolden : public ::testing::TestWithParam<Variant> {};

TEST_P(PtGolden, AllFourTextsMatchTheExpectedFiles) {
  const Variant& v = GetParam();
  test::pt::DemoProject project = test::pt::BuildDemoProject();
  GeneratedCode code;
  GeneratePToolbox(project.Input(v.memo, v.color), code);
  const std::string dir = std::string("codegen/pt/demo/") + v.folder + "/";
  EXPECT_TRUE(test::MatchesGolden(code.main, dir + "Demo.pc"));
  EXPECT_TRUE(test::MatchesGolden(code.forms, dir + "DemoForms.pc"));
  EXPECT_TRUE(test::MatchesGolden(code.events, dir + "DemoEvents.pc"));
  EXPECT_TRUE(test::MatchesGolden(code.header, dir + "Demo.h"));
}

INSTANTIATE_TEST_SUITE_P(Variants, PtGolden,
                         ::testing::Values(Variant{"mono", false, false},
                                           Variant{"color", false, true},
                                           Variant{"memo_mono", true, false},
                                           Variant{"memo_color", true, true}),
                         [](const auto& info) { return std::string(info.param.folder); });

TEST(PtGenerator, LinesAreAppendedAfterWhatTheListsAlreadyHold) {
  test::pt::DemoProject project = test::pt::BuildDemoProject();
  GeneratedCode code;
  code.main = {"@cid \"QLBD\";"};
  code.forms = {"kept"};
  GeneratePToolbox(project.Input(false, false), code);
  ASSERT_GE(code.main.size(), 3u);
  EXPECT_EQ(code.main[0], "@cid \"QLBD\";");
  EXPECT_EQ(code.main[1], "");
  EXPECT_EQ(code.main[2], "library \"PToolboxLib\"");
  EXPECT_EQ(code.forms[0], "kept");
  EXPECT_EQ(code.forms[1], "MainCreate(){");
}

TEST(PtGenerator, GeneratingLeavesTheDesignUnchangedAndRepeats) {
  test::pt::DemoProject project = test::pt::BuildDemoProject();
  GeneratedCode first, second;
  GeneratePToolbox(project.Input(false, true), first);
  GeneratePToolbox(project.Input(false, true), second);
  EXPECT_EQ(first.main, second.main);
  EXPECT_EQ(first.forms, second.forms);
  EXPECT_EQ(first.events, second.events);
  EXPECT_EQ(first.header, second.header);
}

TEST(PtGenerator, TheLibraryDispatchRunsThisGenerator) {
  test::pt::DemoProject project = test::pt::BuildDemoProject();
  GeneratedCode direct, dispatched;
  GeneratePToolbox(project.Input(true, true), direct);
  Generate(LibraryId::kPToolboxLib, project.Input(true, true), dispatched);
  EXPECT_EQ(direct.header, dispatched.header);
  EXPECT_EQ(direct.events, dispatched.events);
}

}  // namespace
}  // namespace qb
