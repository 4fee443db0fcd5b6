#pragma once

// Our INI reader and writer. Sections and keys are matched without regard to case, values
// are trimmed, and the order of sections and keys is kept, foreign sections included.
// There are no length caps. The text written is byte-stable:
//
//   [Section]\r\nKey=Value\r\n ... \r\n[Next]\r\n ...
//
// one blank line between sections, none at the end. Reading takes LF, CRLF or CR line ends
// and ignores what is not a section or a key line: comments (";"), garbage, keys before the
// first section. A key repeated in a section keeps its first value, and a section repeated
// in a file is merged into its first occurrence, as the toolkit's readers did.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "model/colors.h"
#include "model/font.h"
#include "model/safe_file.h"

namespace qb {

using StringList = std::vector<std::string>;

inline constexpr const char* kIniCountKey = "Count";
// "Item" followed by the index, counted from 0.
std::string IniItemKey(std::size_t index);

class IniFile {
 public:
  IniFile() = default;

  // Replaces the content by the parsed text; linear in its size.
  void Parse(std::string_view text);
  // Reads a whole file; false (and an empty content) when it cannot be read: missing, not a
  // regular file, larger than kMaxDocumentFileSize. Never throws. A UTF-8 byte-order mark
  // at the start is skipped; a file that is not UTF-8 is read as Windows-1252 (code_page.h).
  bool Load(const std::string& path);
  // The same, saying why the file could not be read.
  ReadStatus LoadFile(const std::string& path);
  // The file's text as Save writes it.
  std::string Text() const;
  // Writes through WriteFileAtomic: a failed save leaves the old file as it was, a link
  // stays a link, the permission bits stay. False when anything failed.
  bool Save(const std::string& path) const;

  bool HasSection(std::string_view section) const;
  bool HasKey(std::string_view section, std::string_view key) const;
  // The section names in file order, as first spelled.
  std::vector<std::string> SectionNames() const;
  // The keys of a section in file order; empty when there is no such section.
  std::vector<std::string> Keys(std::string_view section) const;
  // The value of a key, nullptr when missing. Valid until the next change.
  const std::string* Find(std::string_view section, std::string_view key) const;

  std::string ReadString(std::string_view section, std::string_view key,
                         const std::string& fallback) const;
  // Decimal, or hexadecimal after "0x", "0X" or "$"; anything else gives the fallback.
  int ReadInteger(std::string_view section, std::string_view key, int fallback) const;
  Color ReadColor(std::string_view section, std::string_view key, Color fallback) const;
  // Applies the six font fields present; an empty or missing key leaves the font alone.
  void ReadFont(std::string_view section, std::string_view key, Font* font) const;
  // "Count" and "Item<i>": a missing or negative Count leaves the list as it is and returns
  // false; otherwise the list becomes the items present among 0 .. Count-1, in index order.
  bool ReadList(std::string_view section, StringList* list) const;

  // Writing keeps a key's place when it exists and appends it otherwise. Values are stored
  // as they read back: line breaks become blanks and surrounding blanks are dropped.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, int value);
  void WriteColor(std::string_view section, std::string_view key, Color value);
  void WriteFont(std::string_view section, std::string_view key, const Font& font);
  // Empties the section first (it keeps its place), so Count and the items come first.
  void WriteList(std::string_view section, const StringList& list);

  void EraseSection(std::string_view section);
  void DeleteKey(std::string_view section, std::string_view key);

 private:
  struct Entry {
    std::string key;
    std::string value;
  };
  // Small sections are searched in place; a large one gets an index by lower-cased key.
  struct Section {
    std::string name;
    std::vector<Entry> entries;
    std::unordered_map<std::string, std::size_t> index;
    const Entry* Find(std::string_view key) const;
    Entry* Find(std::string_view key);
    void Add(std::string_view key, std::string value);
    void Clear();
    void Reindex();
  };

  const Section* FindSection(std::string_view name) const;
  // The section of that name, appended when missing.
  std::size_t SectionIndexFor(std::string_view name);
  Section& SectionFor(std::string_view name);
  void Reindex();

  std::vector<Section> sections_;
  std::unordered_map<std::string, std::size_t> index_;  // lower-cased name -> section
};

}  // namespace qb
