#pragma once

// Sample texts for the converter tests.

#include <cstdint>
#include <string>
#include <vector>

namespace qb::test {

// Lines of words, digits and punctuation ended by CR LF, the same for the same seed.
std::string MixedText(std::size_t size, std::uint32_t seed);

struct SampleText {
  std::string label;
  std::string text;
  std::size_t text_records;  // written out from the record size, 4096
  double max_ratio;          // compressed size / text size must stay below this
};

// Empty, short, exactly one record, one byte over, 100 KB of mixed text, bytes >= 0x80 and the
// escape-range bytes, and text with many repeats.
std::vector<SampleText> SampleTexts();

}  // namespace qb::test
