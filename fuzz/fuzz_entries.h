#pragma once

// One entry per reader of outside bytes: it feeds the bytes to the reader and checks what
// must hold for any input (a round trip that settles, sizes within their limits). Shared
// by the libFuzzer targets (fuzz_main.cpp) and the seeded mutation test of the suite
// (tests/app/reader_mutation_test.cpp). A broken property throws InvariantBroken.

#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace qb::fuzz {

struct InvariantBroken : std::logic_error {
  using std::logic_error::logic_error;
};

struct Target {
  const char* name;
  void (*run)(std::string_view bytes);
  // Files under the test data folder that make good starting inputs.
  std::vector<std::string> seed_files;
};

void ReadIniText(std::string_view bytes);
void ReadFormText(std::string_view bytes);
void ReadProjectText(std::string_view bytes);
void ReadOptionsText(std::string_view bytes);
void ReadClipboardText(std::string_view bytes);
void ReadBitmap(std::string_view bytes);
void ReadFontFile(std::string_view bytes);

const std::vector<Target>& Targets();
const Target* FindTarget(std::string_view name);

}  // namespace qb::fuzz
