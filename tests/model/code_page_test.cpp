// The one text policy: UTF-8 held, Windows-1252 on the device, older Windows-1252 files read.

#include "model/code_page.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace qb {
namespace {

struct TextCase {
  const char* what;
  const char* utf8;
  bool valid_utf8;
  const char* device;               // the bytes the generated code carries
  std::optional<char32_t> refused;  // the character refused, if any
  std::size_t characters;
};

const TextCase kTexts[] = {
    {"ASCII", "Hello 1", true, "Hello 1", std::nullopt, 7},
    {"n with tilde", "A\xC3\xB1o", true, "A\xF1o", std::nullopt, 3},
    {"euro sign", "\xE2\x82\xAC", true, "\x80", std::nullopt, 1},
    {"ellipsis", "Wait\xE2\x80\xA6", true, "Wait\x85", std::nullopt, 5},
    {"straight quotes", "say \"hi\"", true, "say \"hi\"", std::nullopt, 8},
    {"curly quotes", "\xE2\x80\x9Cq\xE2\x80\x9D", true, "\x93q\x94", std::nullopt, 3},
    {"y with diaeresis", "\xC5\xB8\xC3\xBF", true, "\x9F\xFF", std::nullopt, 2},
    {"arrow",
     "a\xE2\x86\x92"
     "b",
     true, "a?b", char32_t{0x2192}, 3},
    {"Cyrillic", "\xD0\x96", true, "?", char32_t{0x0416}, 1},
    {"open byte of the code page", "\xC2\x81", true, "?", char32_t{0x81}, 1},
    {"beyond the BMP", "\xF0\x9F\x98\x80", true, "?", char32_t{0x1F600}, 1},
    {"Windows-1252 byte", "A\xF1o", false, "A?o", kReplacementCharacter, 3},
    {"cut short", "x\xC3", false, "x?", kReplacementCharacter, 2},
};

TEST(CodePage, TextsAsTheDeviceGetsThem) {
  for (const TextCase& c : kTexts) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(IsValidUtf8(c.utf8), c.valid_utf8);
    EXPECT_EQ(Cp1252FromUtf8(c.utf8), c.device);
    EXPECT_EQ(FirstUnshownCharacter(c.utf8), c.refused);
    EXPECT_EQ(CharacterCount(c.utf8), c.characters);
  }
}

struct FileCase {
  const char* what;
  const char* bytes;
  const char* text;
};

TEST(CodePage, FileBytesReadAsUtf8OrWindows1252) {
  const FileCase cases[] = {
      {"UTF-8 kept", "Title=A\xC3\xB1o", "Title=A\xC3\xB1o"},
      {"Windows-1252 n", "Title=A\xF1o", "Title=A\xC3\xB1o"},
      {"Windows-1252 euro and ellipsis", "\x80\x85", "\xE2\x82\xAC\xE2\x80\xA6"},
      {"Windows-1252 quotes", "\x93q\x94", "\xE2\x80\x9Cq\xE2\x80\x9D"},
      // One byte that is not UTF-8 makes the whole file Windows-1252.
      {"mixed", "\xC3\xB1\xF1", "\xC3\x83\xC2\xB1\xC3\xB1"},
      {"undefined byte", "a\x81", "a\xEF\xBF\xBD"},
      {"empty", "", ""},
  };
  for (const FileCase& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string text = TextFromFileBytes(c.bytes);
    EXPECT_EQ(text, c.text);
    EXPECT_TRUE(IsValidUtf8(text));
  }
}

TEST(CodePage, EveryDefinedByteComesBackToItself) {
  int defined = 0;
  for (int b = 0; b < 256; ++b) {
    const std::string byte(1, static_cast<char>(b));
    const std::string text = Utf8FromCp1252(byte);
    if (UnicodeFromCp1252(b) == 0 && b != 0) {
      EXPECT_EQ(FirstUnshownCharacter(text), kReplacementCharacter) << b;
      continue;
    }
    ++defined;
    EXPECT_EQ(FirstUnshownCharacter(text), std::nullopt) << b;
    EXPECT_EQ(Cp1252FromUtf8(text), byte) << b;
  }
  EXPECT_EQ(defined, 251);
}

TEST(CodePage, MalformedSequencesGiveOneReplacementEach) {
  // Overlong forms and surrogates are skipped whole, a bad lead byte alone.
  const std::string texts[] = {"\xC0\xAF", "\xED\xA0\x80", "\xFF"};
  for (const std::string& t : texts) {
    std::size_t pos = 0;
    EXPECT_EQ(NextCodePoint(t, &pos), kReplacementCharacter);
    EXPECT_EQ(pos, t.size());
  }
}

TEST(CodePage, PrefixesCountCharacters) {
  const std::string text =
      "\xC3\xA9\xC3\xA9\xE2\x82\xAC"
      "a";  // é é € a
  EXPECT_EQ(CharactersPrefixSize(text, 0), 0u);
  EXPECT_EQ(CharactersPrefixSize(text, 1), 2u);
  EXPECT_EQ(CharactersPrefixSize(text, 3), 7u);
  EXPECT_EQ(CharactersPrefixSize(text, 9), text.size());
}

TEST(CodePage, MessagesNameTheCharacterTheControlAndTheOldValue) {
  EXPECT_EQ(KeptValueMessage(0x2192, "lbl1", "Text", "A\xC3\xB1o"),
            "The character \"\xE2\x86\x92\" (U+2192) cannot be shown on the Palm (it has no "
            "Windows-1252 form); lbl1 keeps its Text \"A\xC3\xB1o\".");
  EXPECT_EQ(KeptListMessage(0x416, "lst1", "items"),
            "The character \"\xD0\x96\" (U+0416) cannot be shown on the Palm (it has no "
            "Windows-1252 form); lst1 keeps its items.");
  // A control character is named by its code point alone.
  EXPECT_EQ(CharacterText(0x81), "U+0081");
  EXPECT_EQ(CharacterText(0x1F600), "\"\xF0\x9F\x98\x80\" (U+1F600)");
}

}  // namespace
}  // namespace qb
