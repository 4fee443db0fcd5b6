// Byte-exact golden files: a form holding every kind of a library is written to exactly the
// expected file, read back into an equal model, and written again identically.

#include <gtest/gtest.h>

#include "form/app_state.h"
#include "form/form_file.h"
#include "form_fixtures.h"
#include "support/fake_ui.h"
#include "support/form_dump.h"
#include "support/temp_dir.h"

namespace qb {
namespace {

using test::DumpForm;
using test::FormDataPath;
using test::ReadFileBytes;

struct GoldenCase {
  const char* name;
  LibraryId lib;
  std::unique_ptr<TChildFrm> (*build)();
  const char* file;
};

const GoldenCase kGoldenCases[] = {
    {"CControls", LibraryId::kCControls, test::CControlsAllKinds, "ccontrols_all_kinds.qbf"},
    {"PToolboxLib", LibraryId::kPToolboxLib, test::PToolboxAllKinds, "ptoolbox_all_kinds.qbf"},
};

class FormGolden : public ::testing::TestWithParam<GoldenCase> {};

// The first differing line, for a readable failure.
std::string FirstDifference(const std::string& expected, const std::string& actual) {
  std::size_t line = 1, i = 0;
  while (i < expected.size() && i < actual.size() && expected[i] == actual[i]) {
    if (expected[i] == '\n') ++line;
    ++i;
  }
  if (i == expected.size() && i == actual.size()) return "identical";
  auto around = [i](const std::string& s) {
    std::size_t b = s.rfind('\n', i == 0 ? 0 : i - 1);
    b = b == std::string::npos ? 0 : b + 1;
    return s.substr(b, 60);
  };
  return "line " + std::to_string(line) + ": expected \"" + around(expected) + "\" got \"" +
         around(actual) + "\"";
}

TEST_P(FormGolden, WritesTheExpectedFileByteForByte) {
  const GoldenCase& c = GetParam();
  test::TempDir dir;
  test::FakeUi ui;
  auto form = c.build();
  std::string path = dir.Path(c.file);
  ASSERT_TRUE(WriteForm(c.lib, *form, path, ui));
  std::string expected = ReadFileBytes(FormDataPath(c.file));
  ASSERT_FALSE(expected.empty());
  std::string actual = ReadFileBytes(path);
  EXPECT_EQ(actual, expected) << FirstDifference(expected, actual);
  EXPECT_EQ(form->Caption(), c.file);
  EXPECT_TRUE(ui.ShownLog().empty());
}

TEST_P(FormGolden, ReadsTheExpectedFileIntoAnEqualModel) {
  const GoldenCase& c = GetParam();
  auto original = c.build();
  std::string golden = FormDataPath(c.file);
  original->SetPath(golden);
  original->SetCaption(c.file);
  AppState state;
  TChildFrm back;
  back.SetName(ReadFormName(golden));
  FormReadResult result = ReadForm(c.lib, back, golden, state);
  EXPECT_EQ(DumpForm(back), DumpForm(*original));
  EXPECT_EQ(result.controls, static_cast<int>(original->AllControls().size()));
  EXPECT_EQ(result.dropped, 0);
  EXPECT_EQ(ReadFormLib(golden), static_cast<int>(c.lib));
  EXPECT_EQ(state.control_counter, 0) << "no automatic name was needed";
}

TEST_P(FormGolden, ReadingThenWritingGivesTheSameBytes) {
  const GoldenCase& c = GetParam();
  std::string golden = FormDataPath(c.file);
  AppState state;
  TChildFrm back;
  back.SetName(ReadFormName(golden));
  ReadForm(c.lib, back, golden, state);
  test::TempDir dir;
  test::FakeUi ui;
  ASSERT_TRUE(WriteForm(c.lib, back, dir.Path(c.file), ui));
  EXPECT_EQ(ReadFileBytes(dir.Path(c.file)), ReadFileBytes(golden));
}

INSTANTIATE_TEST_SUITE_P(BothLibraries, FormGolden, ::testing::ValuesIn(kGoldenCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qb
