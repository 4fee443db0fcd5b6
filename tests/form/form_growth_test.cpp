// Reading and saving a form costs time in proportion to its controls, even when every
// control needs a new automatic name.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "form/app_state.h"
#include "form/form_file.h"
#include "support/cpu_timer.h"

namespace qb {
namespace {

// Every section bears the same name, so that all but the first are named afresh; every
// third control is a table, whose sections the names must also keep clear of.
std::string SameNamedControls(int count) {
  std::string text = "[FORM]\nName=Form1\nLib=1\n";
  for (int i = 0; i < count; ++i) {
    const char* kind = i % 3 == 0 ? "Table" : "Button";
    text += "[S" + std::to_string(i) + "]\nControl=" + std::string(kind) + "\nName=Same\n";
  }
  return text;
}

struct Timing {
  double read_seconds;
  double write_seconds;
};

// The fastest of five runs, so that other load on the machine does not decide the result.
Timing TimeReadAndWrite(int count) {
  IniFile ini;
  ini.Parse(SameNamedControls(count));
  Timing best{1e9, 1e9};
  for (int run = 0; run < 5; ++run) {
    AppState state;
    TChildFrm form;
    form.SetName("Form1");
    test::CpuTimer read_timer;
    const FormReadResult result = ReadFormFromIni(LibraryId::kCControls, form, ini, state);
    best.read_seconds = std::min(best.read_seconds, read_timer.Seconds());
    EXPECT_EQ(result.controls, count);
    // Saving a form whose names clash: every control but one is renamed first.
    for (TControl* c : form.AllControls()) c->SetName("Again");
    test::CpuTimer write_timer;
    const IniFile written = WriteFormToIni(LibraryId::kCControls, form);
    best.write_seconds = std::min(best.write_seconds, write_timer.Seconds());
    EXPECT_EQ(written.SectionNames().size(), 1u + count + (count + 2) / 3 * 3);
  }
  return best;
}

TEST(FormFileGrowth, EightTimesTheControlsCostAboutEightTimesTheTime) {
  if (!test::kOptimisedBuild) GTEST_SKIP() << "timing needs an optimised build";
  const Timing small = TimeReadAndWrite(500);
  const Timing large = TimeReadAndWrite(4000);
  // Linear growth gives a ratio near 8 (somewhat more as the data outgrow the caches); a scan
  // of the form per control gives 64.
  EXPECT_LT(large.read_seconds, 32 * std::max(small.read_seconds, 1e-4));
  EXPECT_LT(large.write_seconds, 32 * std::max(small.write_seconds, 1e-4));
}

TEST(FormFileGrowth, NamesGivenAfreshAreDistinctAndShareTheCounter) {
  IniFile ini;
  ini.Parse(SameNamedControls(30));
  AppState state;
  TChildFrm form;
  form.SetName("Form1");
  ReadFormFromIni(LibraryId::kCControls, form, ini, state);
  std::vector<std::string> names;
  for (const TControl* c : form.AllControls()) names.push_back(c->Name());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(std::adjacent_find(names.begin(), names.end()), names.end());
  EXPECT_EQ(names.front(), "Button1");
  // The fourth section is a table: it takes its own prefix with the shared counter.
  EXPECT_TRUE(std::binary_search(names.begin(), names.end(), "Table3"));
  EXPECT_EQ(std::count(names.begin(), names.end(), "Same"), 1);
  EXPECT_EQ(state.control_counter, 29);
}

}  // namespace
}  // namespace qb
