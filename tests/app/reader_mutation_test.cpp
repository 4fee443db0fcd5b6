// Every reader of outside bytes, fed seeded random mutations of good inputs through the same
// entries as the libFuzzer programs (fuzz/): none may crash, hang or break its round trip.
// The form, font and clipboard readers have deeper mutation tests of their own; here every
// reader gets the same bounded treatment, so that a new reader cannot go without one.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "codegen/default_icons.h"
#include "controls/CCButton.h"
#include "form/ChildFor.h"
#include "form/clipboard_format.h"
#include "fuzz_entries.h"
#include "support/cpu_timer.h"
#include "support/temp_dir.h"

namespace qb {
namespace {

constexpr int kMutationsPerSeed = 1500;

// Inputs a reader starts from: its data files, and for some readers inputs made here.
std::vector<std::string> SeedsFor(const fuzz::Target& target) {
  std::vector<std::string> seeds;
  for (const std::string& file : target.seed_files)
    seeds.push_back(test::ReadFileBytes(std::string(QB_TEST_DATA_DIR) + "/" + file));
  const std::string name = target.name;
  if (name == "bitmap") {
    for (int depth : {1, 4, 8}) seeds.push_back(DefaultIconBmp(false, depth));
  } else if (name == "font") {
    for (const char* face : {"PilotStandard.fon", "PilotLarge.fon"})
      seeds.push_back(test::ReadFileBytes(std::string(QB_BIN_DIR) + "/" + face));
  } else if (name == "clipboard") {
    TChildFrm form;
    TCCButton button(&form.Document());
    button.SetName("Button1");
    seeds.push_back(WriteClipboardControl(button, "Button1"));
  }
  return seeds;
}

std::string Mutate(std::string bytes, std::mt19937& random) {
  static const std::string kTokens[] = {"\r\n[",       "]",  "=",           "\xEF\xBB\xBF",
                                        "\r\n",        "0x", "-2147483648", "99999999999",
                                        "Count=65536", "\0"};
  const int steps = 1 + static_cast<int>(random() % 6);
  for (int i = 0; i < steps; ++i) {
    const std::size_t at = random() % (bytes.size() + 1);
    switch (random() % 5) {
      case 0:
        if (!bytes.empty()) bytes[random() % bytes.size()] = static_cast<char>(random());
        break;
      case 1:
        bytes.insert(at, 1 + random() % 8, static_cast<char>(random()));
        break;
      case 2:
        bytes.erase(at, random() % 64);
        break;
      case 3: {
        const std::string& token = kTokens[random() % std::size(kTokens)];
        bytes.insert(at, token);
        break;
      }
      default:  // a stretch copied elsewhere
        if (!bytes.empty()) {
          const std::size_t from = random() % bytes.size();
          bytes.insert(at, bytes.substr(from, random() % 32));
        }
        break;
    }
  }
  return bytes;
}

class ReaderMutation : public ::testing::TestWithParam<fuzz::Target> {};

TEST_P(ReaderMutation, SurvivesSeededMutationsOfItsSeeds) {
  const fuzz::Target& target = GetParam();
  const std::vector<std::string> seeds = SeedsFor(target);
  ASSERT_FALSE(seeds.empty());
  std::mt19937 random(20261208);
  test::CpuTimer timer;
  int broken = 0;
  for (const std::string& seed : seeds) {
    ASSERT_FALSE(seed.empty()) << target.name << ": a seed file is missing";
    EXPECT_NO_THROW(target.run(seed)) << target.name << ": the seed itself";
    for (int i = 0; i < kMutationsPerSeed; ++i) {
      const std::string input = Mutate(seed, random);
      try {
        target.run(input);
      } catch (const fuzz::InvariantBroken& e) {
        if (++broken <= 3) ADD_FAILURE() << target.name << ": " << e.what() << " for input " << i;
      }
    }
  }
  EXPECT_EQ(broken, 0);
  if (test::kOptimisedBuild) {
    EXPECT_LT(timer.Seconds(), 60.0);
  }
}

TEST(ReaderMutation, EveryTargetHasItsOwnName) {
  for (const fuzz::Target& t : fuzz::Targets()) EXPECT_EQ(fuzz::FindTarget(t.name), &t);
  EXPECT_EQ(fuzz::FindTarget("none"), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Readers, ReaderMutation, ::testing::ValuesIn(fuzz::Targets()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qb
