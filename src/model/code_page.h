#pragma once

// The one text policy of the program. Texts are held, and written to form, project and
// clipboard files, as UTF-8. The device knows a single code page, Windows-1252: its fonts
// draw those bytes and its runtime shows them, so the designer draws through it and the
// generated code carries each character as its Windows-1252 byte. A character with no
// Windows-1252 form cannot reach the device: it is refused where it is typed or pasted, and
// a file that holds one reads, draws the default glyph and is refused by the generators.
// A file that is not valid UTF-8 comes from an older tool that wrote Windows-1252, and is
// read as such (and saved back as UTF-8).

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace qb {

// Unicode of the Windows-1252 bytes 0x80 … 0x9F; 0 where the code page defines nothing.
inline constexpr char32_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The Windows-1252 byte of a code point, or -1 when the code page has none.
constexpr int Cp1252FromUnicode(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
  for (int i = 0; i < 32; ++i)
    if (kCp1252High[i] != 0 && kCp1252High[i] == cp) return 0x80 + i;
  return -1;
}

// The code point of a Windows-1252 byte, 0 for the five bytes the code page leaves open.
constexpr char32_t UnicodeFromCp1252(int byte) {
  if (byte < 0x80 || byte >= 0xA0) return static_cast<char32_t>(byte);
  return kCp1252High[byte - 0x80];
}

// What stands for a malformed UTF-8 sequence or an undefined Windows-1252 byte.
inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// Reads the next character of a UTF-8 text at *pos and advances *pos. A malformed sequence
// (not UTF-8, cut short, overlong, a surrogate) gives kReplacementCharacter; a bad lead byte
// or a sequence cut short is skipped one byte at a time.
char32_t NextCodePoint(std::string_view utf8, std::size_t* pos);
// As NextCodePoint, giving the character's Windows-1252 byte, or -1 for a character the
// code page lacks or a malformed sequence.
int NextCp1252(std::string_view utf8, std::size_t* pos);

bool IsValidUtf8(std::string_view bytes);
// The UTF-8 text of Windows-1252 bytes (the five undefined bytes become U+FFFD).
std::string Utf8FromCp1252(std::string_view bytes);
// The text of a form or project file's bytes: UTF-8 as it is, anything else read as
// Windows-1252.
std::string TextFromFileBytes(std::string bytes);

// The first character of the text that has no Windows-1252 form (a malformed sequence
// counts as U+FFFD); nullopt when the device can show the whole text.
std::optional<char32_t> FirstUnshownCharacter(std::string_view utf8);
// The device's bytes of a text. A character with no Windows-1252 form, which the callers
// refuse beforehand, becomes "?".
std::string Cp1252FromUtf8(std::string_view utf8);

// Characters in a UTF-8 text; a malformed byte counts as one.
std::size_t CharacterCount(std::string_view utf8);
// The length in bytes of the text's first `count` characters (the whole text when shorter).
std::size_t CharactersPrefixSize(std::string_view utf8, std::size_t count);

// The character and its code point for messages: "→" (U+2192).
std::string CharacterText(char32_t cp);
// The character "→" (U+2192) cannot be shown on the Palm (it has no Windows-1252 form)
std::string UnshownCharacterText(char32_t cp);
// The refusal of a typed text: <reason>; lbl1 keeps its Text "old".
std::string KeptValueMessage(char32_t cp, std::string_view control, std::string_view what,
                             std::string_view old);
// The refusal of edited lines: <reason>; lst1 keeps its items.
std::string KeptListMessage(char32_t cp, std::string_view control, std::string_view what);

}  // namespace qb
