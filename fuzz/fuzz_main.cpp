// A libFuzzer target for one reader, chosen when built (QB_FUZZ_TARGET):
//   fuzz_form -max_total_time=600 corpus tests/data/forms
// (libFuzzer adds the inputs it finds to the first folder.)
// Found crashes and broken properties abort with the input saved by libFuzzer.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "fuzz_entries.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const qb::fuzz::Target* target = qb::fuzz::FindTarget(QB_FUZZ_TARGET);
  if (!target) std::abort();
  target->run(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
