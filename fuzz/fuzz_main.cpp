// A libFuzzer target for one reader, chosen when built (QB_FUZZ_TARGET):
//   fuzz_form -max_total_time=600 corpus
// (libFuzzer adds the inputs it finds to the first folder.) The reader's seed files of the test
// data are added as starting inputs unless -seed_inputs is given.
// Found crashes and broken properties abort with the input saved by libFuzzer.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_entries.h"

namespace {

const qb::fuzz::Target& ChosenTarget() {
  static const qb::fuzz::Target* target = qb::fuzz::FindTarget(QB_FUZZ_TARGET);
  if (!target) std::abort();
  return *target;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  const qb::fuzz::Target& target = ChosenTarget();
  if (target.seed_files.empty()) return 0;
  for (int i = 1; i < *argc; ++i)
    if (std::string_view((*argv)[i]).starts_with("-seed_inputs=")) return 0;
  // libFuzzer keeps the pointers for the whole run.
  static std::string seeds = "-seed_inputs=";
  for (const std::string& file : target.seed_files) {
    if (seeds.back() != '=') seeds += ',';
    seeds += std::string(QB_FUZZ_DATA_DIR) + "/" + file;
  }
  static std::vector<char*> args((*argv), (*argv) + *argc);
  args.insert(args.begin() + 1, seeds.data());
  args.push_back(nullptr);
  *argc += 1;
  *argv = args.data();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ChosenTarget().run(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
