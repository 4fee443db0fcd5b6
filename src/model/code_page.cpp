#include "model/code_page.h"

#include <cstdio>

namespace qb {

namespace {

void AppendUtf8(char32_t cp, std::string* out) {
  if (cp < 0x80) {
    out->push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out->push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out->push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out->push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out->push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out->push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

// The code point at *pos, or nullopt for a malformed sequence. *pos moves past what was
// read: one byte for a bad lead or a sequence cut short, the whole sequence for an overlong
// form or a surrogate.
std::optional<char32_t> DecodeOne(std::string_view s, std::size_t* pos) {
  auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  const unsigned char lead = byte(*pos);
  const int length = lead < 0x80           ? 1
                     : (lead >> 5) == 0x6  ? 2
                     : (lead >> 4) == 0xE  ? 3
                     : (lead >> 3) == 0x1E ? 4
                                           : 0;
  if (length == 0 || *pos + static_cast<std::size_t>(length) > s.size()) {
    ++*pos;
    return std::nullopt;
  }
  char32_t cp = length == 1 ? lead : lead & (0x7Fu >> length);
  for (int i = 1; i < length; ++i) {
    const unsigned char b = byte(*pos + static_cast<std::size_t>(i));
    if ((b & 0xC0) != 0x80) {
      ++*pos;
      return std::nullopt;
    }
    cp = (cp << 6) | (b & 0x3Fu);
  }
  static constexpr char32_t kShortest[5] = {0, 0, 0x80, 0x800, 0x10000};
  *pos += static_cast<std::size_t>(length);
  if (cp < kShortest[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
    return std::nullopt;
  return cp;
}

}  // namespace

char32_t NextCodePoint(std::string_view utf8, std::size_t* pos) {
  return DecodeOne(utf8, pos).value_or(kReplacementCharacter);
}

int NextCp1252(std::string_view utf8, std::size_t* pos) {
  std::optional<char32_t> cp = DecodeOne(utf8, pos);
  return cp ? Cp1252FromUnicode(*cp) : -1;
}

bool IsValidUtf8(std::string_view bytes) {
  for (std::size_t pos = 0; pos < bytes.size();)
    if (!DecodeOne(bytes, &pos)) return false;
  return true;
}

std::string Utf8FromCp1252(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char ch : bytes) {
    char32_t cp = UnicodeFromCp1252(static_cast<unsigned char>(ch));
    if (cp == 0 && ch != 0) cp = kReplacementCharacter;
    AppendUtf8(cp, &out);
  }
  return out;
}

std::string TextFromFileBytes(std::string bytes) {
  if (IsValidUtf8(bytes)) return bytes;
  return Utf8FromCp1252(bytes);
}

std::optional<char32_t> FirstUnshownCharacter(std::string_view utf8) {
  for (std::size_t pos = 0; pos < utf8.size();) {
    const char32_t cp = NextCodePoint(utf8, &pos);
    if (Cp1252FromUnicode(cp) < 0) return cp;
  }
  return std::nullopt;
}

std::string Cp1252FromUtf8(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t pos = 0; pos < utf8.size();) {
    const int byte = NextCp1252(utf8, &pos);
    out.push_back(byte < 0 ? '?' : static_cast<char>(byte));
  }
  return out;
}

std::size_t CharacterCount(std::string_view utf8) {
  std::size_t count = 0;
  for (std::size_t pos = 0; pos < utf8.size(); ++count) DecodeOne(utf8, &pos);
  return count;
}

std::size_t CharactersPrefixSize(std::string_view utf8, std::size_t count) {
  std::size_t pos = 0;
  for (std::size_t n = 0; n < count && pos < utf8.size(); ++n) DecodeOne(utf8, &pos);
  return pos;
}

std::string CharacterText(char32_t cp) {
  char code[16];
  std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(cp));
  std::string shown;
  // A control character would garble the message; its code point says enough.
  if (cp >= 0x20 && cp != 0x7F && !(cp >= 0x80 && cp < 0xA0)) AppendUtf8(cp, &shown);
  return shown.empty() ? std::string(code) : "\"" + shown + "\" (" + code + ")";
}

std::string UnshownCharacterText(char32_t cp) {
  return "The character " + CharacterText(cp) +
         " cannot be shown on the Palm (it has no Windows-1252 form)";
}

std::string KeptValueMessage(char32_t cp, std::string_view control, std::string_view what,
                             std::string_view old) {
  return UnshownCharacterText(cp) + "; " + std::string(control) + " keeps its " +
         std::string(what) + " \"" + std::string(old) + "\".";
}

std::string KeptListMessage(char32_t cp, std::string_view control, std::string_view what) {
  return UnshownCharacterText(cp) + "; " + std::string(control) + " keeps its " +
         std::string(what) + ".";
}

}  // namespace qb
