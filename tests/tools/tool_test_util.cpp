#include "tools/tool_test_util.h"

#include <random>

namespace qb::test {

std::string MixedText(std::size_t size, std::uint32_t seed) {
  static const char* const kWords[] = {
      "form", "Button", "CtlNewControl", "(",  ")",  "{",      "}",  "12",  "160", "frmMain",
      ";",    "=",      "\"Ok\"",        "//", "if", "return", "\t", "0x7F"};
  std::mt19937 random(seed);
  std::string text;
  while (text.size() < size) {
    const std::size_t words = random() % 12;
    for (std::size_t w = 0; w < words; ++w) {
      text += kWords[random() % std::size(kWords)];
      text += ' ';
    }
    text += "\r\n";
  }
  text.resize(size);
  return text;
}

std::vector<SampleText> SampleTexts() {
  std::string high;
  for (int i = 0; i < 3000; ++i) high += static_cast<char>(0x80 + (i * 37) % 128);
  for (int i = 0; i < 300; ++i) high += static_cast<char>(i % 9);  // 0x00 .. 0x08
  std::string repeats;
  while (repeats.size() < 50000) repeats += "CtlSetLabel(frmMain, btnOk, \"Ok\");\r\n";
  return {
      // Short text and bytes needing escapes may grow: at most one code byte per 8 bytes.
      {"empty", "", 0, 1.0},
      {"short", "Hello, Palm!\r\n", 1, 1.0},
      {"one_record", MixedText(4096, 1), 1, 0.5},
      {"one_record_and_a_byte", MixedText(4097, 2), 2, 0.5},
      {"mixed_100k", MixedText(100 * 1024, 3), 25, 0.5},
      {"high_bytes", high, 1, 1.13},
      {"repeats", repeats, 13, 0.21},  // a pair stands for at most 10 bytes
  };
}

}  // namespace qb::test
