// The benchmarks' generated forms: the size asked for, every kind, dialogs with their
// controls, and values the library's own reader and writer keep unchanged.

#include "workload/form_workload.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "controls/PTDialog.h"
#include "form/form_file.h"
#include "model/kinds.h"

namespace qb::bench {
namespace {

class FormWorkload : public testing::TestWithParam<LibraryId> {
 protected:
  LibraryId lib() const { return GetParam(); }
  std::unique_ptr<TChildFrm> Make(int controls, bool color = false) {
    FormSpec form_spec;
    form_spec.controls = controls;
    form_spec.color = color;
    return MakeForm(lib(), form_spec, state_);
  }
  std::map<std::string, int> KindCounts(const TChildFrm& form) const {
    std::map<std::string, int> counts;
    for (const TControl* c : form.AllControls()) {
      const KindInfo* kind = KindForClass(lib(), c->Class(), c->Tag());
      ++counts[kind ? kind->kind : "?"];
    }
    return counts;
  }
  AppState state_;
};

TEST_P(FormWorkload, HoldsExactlyTheControlsAskedFor) {
  for (int n : {1, 10, 100, 1000}) {
    SCOPED_TRACE(n);
    auto form = Make(n);
    EXPECT_EQ(CountControls(*form), n);
    // Every section's name was usable as it stands: nothing was named afresh.
    EXPECT_EQ(state_.control_counter, 0);
  }
}

TEST_P(FormWorkload, AHundredControlsHoldEveryKindOfTheLibrary) {
  auto form = Make(100);
  const auto counts = KindCounts(*form);
  EXPECT_EQ(counts.count("?"), 0u);
  for (const KindInfo& kind : KindsOf(lib())) {
    SCOPED_TRACE(kind.kind);
    ASSERT_TRUE(counts.count(kind.kind));
    // The menu bar comes once, with the first menu.
    if (kind.button == PaletteButton::kNone)
      EXPECT_EQ(counts.at(kind.kind), 1);
    else
      EXPECT_GE(counts.at(kind.kind), 100 / 15);
  }
}

TEST_P(FormWorkload, DialogsHoldTheControlsThatFollowThemAndTheFirstIsShown) {
  auto form = Make(1000);
  int dialogs = 0;
  for (const auto& child : form->Screen().Children()) {
    const auto* dialog = As<TPTDialog>(child.get());
    if (!dialog) continue;
    SCOPED_TRACE(dialog->Name());
    EXPECT_EQ(dialog->Children().size(), static_cast<std::size_t>(kControlsPerDialog));
    EXPECT_EQ(dialog->IsShown(), dialog->Name() == form->ShownDialog()->Name());
    ++dialogs;
  }
  EXPECT_GE(dialogs, 1000 / 15);
  ASSERT_NE(form->ShownDialog(), nullptr);
  // Dialog is the thirteenth kind of CControls and the twelfth of PToolboxLib.
  EXPECT_EQ(form->ShownDialog()->Name(), lib() == LibraryId::kCControls ? "Dialog13" : "Dialog12");
  EXPECT_TRUE(form->ShownDialog()->Visible());
}

// The first difference between two files, section by section and key by key; the writer
// puts CControls menus after the screen's controls, so the order of sections is not compared.
std::string FirstDifference(const IniFile& expected, const IniFile& actual) {
  if (expected.SectionNames().size() != actual.SectionNames().size()) return "section count";
  for (const std::string& section : expected.SectionNames()) {
    if (expected.Keys(section) != actual.Keys(section)) return "keys of " + section;
    for (const std::string& key : expected.Keys(section))
      if (*expected.Find(section, key) != *actual.Find(section, key))
        return section + "/" + key + ": " + *expected.Find(section, key) + " became " +
               *actual.Find(section, key);
  }
  return "";
}

TEST_P(FormWorkload, TheWriterWritesBackEveryGeneratedValue) {
  for (bool color : {false, true}) {
    SCOPED_TRACE(color);
    FormSpec form_spec;
    form_spec.controls = 200;
    form_spec.color = color;
    const IniFile generated = MakeFormFile(lib(), form_spec);
    auto form = MakeForm(lib(), form_spec, state_);
    EXPECT_EQ(FirstDifference(generated, WriteFormToIni(lib(), *form)), "");
  }
}

TEST_P(FormWorkload, ColourModeGivesTheFormAndTheControlsOtherColours) {
  FormSpec form_spec;
  form_spec.controls = 50;
  const IniFile plain = MakeFormFile(lib(), form_spec);
  form_spec.color = true;
  const IniFile colored = MakeFormFile(lib(), form_spec);
  int changed = 0;
  for (const std::string& section : colored.SectionNames())
    for (const std::string& key : colored.Keys(section))
      if (key.find("Color") != std::string::npos &&
          *colored.Find(section, key) != *plain.Find(section, key))
        ++changed;
  if (lib() == LibraryId::kPToolboxLib)
    EXPECT_GE(changed, 50);
  else
    EXPECT_EQ(changed, 0);  // CControls files have no colour keys
}

TEST_P(FormWorkload, FormsOfAProjectAreNamedInTurn) {
  auto forms = MakeForms(lib(), 3, 20, false, state_);
  ASSERT_EQ(forms.size(), 3u);
  std::set<std::string> names;
  for (const auto& form : forms) {
    names.insert(form->Name());
    EXPECT_EQ(CountControls(*form), 20);
  }
  EXPECT_EQ(names, (std::set<std::string>{"Form1", "Form2", "Form3"}));
}

INSTANTIATE_TEST_SUITE_P(BothLibraries, FormWorkload,
                         testing::Values(LibraryId::kCControls, LibraryId::kPToolboxLib),
                         [](const testing::TestParamInfo<LibraryId>& info) {
                           return info.param == LibraryId::kCControls ? "CControls" : "PToolboxLib";
                         });

}  // namespace
}  // namespace qb::bench
