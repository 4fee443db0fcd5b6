// Generating a large project: 50 forms of 100 controls each, every kind in turn.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "codegen/cc_place.h"
#include "codegen/generator.h"

namespace qb {
namespace {

constexpr int kForms = 50;
constexpr int kControlsPerForm = 100;

void FillForm(TChildFrm& form, int form_number) {
  test::NameForm(form, "Form" + std::to_string(form_number), "Title");
  using Placer = std::function<void(TControl&, const std::string&)>;
  const std::vector<Placer> placers = {
      [](TControl& p, const std::string& n) { test::PlaceButton(p, n, 10, 10); },
      [](TControl& p, const std::string& n) { test::PlaceLabel(p, n, 10, 10); },
      [](TControl& p, const std::string& n) { test::PlaceCheckBox(p, n, 10, 10); },
      [](TControl& p, const std::string& n) { test::PlaceSwitch(p, n, 10, 10); },
      [](TControl& p, const std::string& n) { test::PlaceEdit(p, n, 10, 10); },
      [](TControl& p, const std::string& n) { test::PlaceEditLine(p, n, 10, 10); },
      [](TControl& p, const std::string& n) { test::PlaceListBox(p, n, 10, 10); },
      [](TControl& p, const std::string& n) { test::PlaceDropDown(p, n, 10, 10); },
      [](TControl& p, const std::string& n) { test::PlaceRadio(p, n, 10, 10); },
      [](TControl& p, const std::string& n) { test::PlacePopUp(p, n, 10, 10); },
      [](TControl& p, const std::string& n) {
        test::PlaceImage(p, n, 10, 10).SetStringBits(std::string(300, 'f'));
      },
      [](TControl& p, const std::string& n) { test::PlaceTable(p, n, 10, 10); },
  };
  for (int i = 0; i < kControlsPerForm; ++i) {
    placers[i % placers.size()](form.Screen(),
                                "C" + std::to_string(form_number) + "_" + std::to_string(i));
  }
  test::PlaceMenu(form, "Menu" + std::to_string(form_number));
}

int CountPrefix(const std::vector<std::string>& lines, const std::string& prefix) {
  return static_cast<int>(std::count_if(
      lines.begin(), lines.end(), [&](const std::string& l) { return l.rfind(prefix, 0) == 0; }));
}

TEST(CcTiming, FiftyFormsOfAHundredControls) {
  std::vector<std::unique_ptr<TChildFrm>> forms;
  GeneratorInput input;
  input.project_name = "Big";
  for (int f = 0; f < kForms; ++f) {
    forms.push_back(std::make_unique<TChildFrm>());
    FillForm(*forms.back(), f);
    input.forms.push_back(forms.back().get());
  }
  input.first_form = input.forms.front();

  double best_ms = 1e9;
  GeneratedCode code;
  for (int run = 0; run < 5; ++run) {
    code = GeneratedCode{};
    const auto start = std::chrono::steady_clock::now();
    GenerateCControls(input, code);
    const auto stop = std::chrono::steady_clock::now();
    best_ms = std::min(best_ms, std::chrono::duration<double, std::milli>(stop - start).count());
  }
  std::printf("generating %d forms x %d controls: %.2f ms (best of 5)\n", kForms, kControlsPerForm,
              best_ms);
  RecordProperty("generate_ms", std::to_string(best_ms));

  EXPECT_EQ(CountPrefix(code.forms, "Chandle "), kForms);
  EXPECT_EQ(CountPrefix(code.forms, "  Cdraw("), kForms * kControlsPerForm);
  // Every control but the pop-ups has a handler; each form adds its menu handler.
  const int popups_per_form = (kControlsPerForm + 2) / 12;
  EXPECT_EQ(CountPrefix(code.events, "On"), kForms * (kControlsPerForm - popups_per_form + 1));
  EXPECT_EQ(code.header.size(), static_cast<std::size_t>(kForms + 1));
#if defined(NDEBUG) && !defined(__SANITIZE_ADDRESS__)
  EXPECT_LT(best_ms, 50.0);
#endif
}

}  // namespace
}  // namespace qb
