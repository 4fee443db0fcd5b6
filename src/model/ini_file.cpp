#include "model/ini_file.h"

#include <algorithm>
#include <utility>

#include "model/code_page.h"
#include "model/ini_codec.h"
#include "model/safe_file.h"
#include "model/text_util.h"

namespace qb {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
// Sections with more keys than this are indexed; below it a scan is cheaper.
constexpr std::size_t kIndexedSectionSize = 16;

bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }

std::string_view TrimLeft(std::string_view s) {
  std::size_t b = 0;
  while (b < s.size() && static_cast<unsigned char>(s[b]) <= ' ') ++b;
  return s.substr(b);
}

// What a value reads back as: no line breaks, no surrounding blanks.
std::string StoredValue(std::string_view value) {
  std::string out(value);
  for (char& c : out)
    if (IsLineBreak(c)) c = ' ';
  return Trim(out);
}

// The index of "Item<i>" keys: i in canonical decimal, no sign, no leading zeros.
std::optional<std::size_t> ItemIndex(std::string_view key) {
  constexpr std::string_view kItem = "item";
  if (key.size() <= kItem.size() || !SameText(key.substr(0, kItem.size()), kItem))
    return std::nullopt;
  std::string_view digits = key.substr(kItem.size());
  if (digits.size() > 1 && digits[0] == '0') return std::nullopt;
  if (digits.size() > 18) return std::nullopt;
  std::size_t value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + static_cast<std::size_t>(c - '0');
  }
  return value;
}

}  // namespace

std::string IniItemKey(std::size_t index) { return "Item" + std::to_string(index); }

void IniFile::Parse(std::string_view text) {
  sections_.clear();
  index_.clear();
  std::optional<std::size_t> current;
  // Editors that save UTF-8 may put a byte-order mark first; it would hide the first section.
  std::size_t pos = text.substr(0, kUtf8Bom.size()) == kUtf8Bom ? kUtf8Bom.size() : 0;
  while (pos < text.size()) {
    std::size_t end = pos;
    while (end < text.size() && !IsLineBreak(text[end])) ++end;
    std::string_view line = TrimLeft(text.substr(pos, end - pos));
    pos = end + 1;
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[') {
      std::size_t close = line.find(']');
      if (close == std::string_view::npos) continue;
      std::string name = Trim(line.substr(1, close - 1));
      current = SectionIndexFor(name);
      continue;
    }
    if (!current) continue;
    std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) continue;
    std::string key = Trim(line.substr(0, eq));
    if (key.empty()) continue;
    sections_[*current].Add(key, Trim(line.substr(eq + 1)));
  }
}

bool IniFile::Load(const std::string& path) { return LoadFile(path) == ReadStatus::kOk; }

ReadStatus IniFile::LoadFile(const std::string& path) {
  ReadResult read = ReadRegularFile(path, kMaxDocumentFileSize);
  Parse(TextFromFileBytes(std::move(read.bytes)));
  return read.status;
}

std::string IniFile::Text() const {
  std::size_t size = 0;
  for (const Section& s : sections_) {
    size += s.name.size() + 6;
    for (const Entry& e : s.entries) size += e.key.size() + e.value.size() + 3;
  }
  std::string out;
  out.reserve(size);
  for (std::size_t i = 0; i < sections_.size(); ++i) {
    const Section& s = sections_[i];
    if (i > 0) out += kLineEnd;
    out += '[';
    out += s.name;
    out += ']';
    out += kLineEnd;
    for (const Entry& e : s.entries) {
      out += e.key;
      out += '=';
      out += e.value;
      out += kLineEnd;
    }
  }
  return out;
}

bool IniFile::Save(const std::string& path) const { return WriteFileAtomic(path, Text()); }

bool IniFile::HasSection(std::string_view section) const { return FindSection(section); }

bool IniFile::HasKey(std::string_view section, std::string_view key) const {
  return Find(section, key) != nullptr;
}

std::vector<std::string> IniFile::SectionNames() const {
  std::vector<std::string> names;
  names.reserve(sections_.size());
  for (const Section& s : sections_) names.push_back(s.name);
  return names;
}

std::vector<std::string> IniFile::Keys(std::string_view section) const {
  std::vector<std::string> keys;
  if (const Section* s = FindSection(section))
    for (const Entry& e : s->entries) keys.push_back(e.key);
  return keys;
}

const std::string* IniFile::Find(std::string_view section, std::string_view key) const {
  const Section* s = FindSection(section);
  if (!s) return nullptr;
  const Entry* e = s->Find(key);
  return e ? &e->value : nullptr;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                const std::string& fallback) const {
  const std::string* value = Find(section, key);
  return value ? *value : fallback;
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int fallback) const {
  const std::string* value = Find(section, key);
  if (!value) return fallback;
  return ParseIniInteger(*value).value_or(fallback);
}

Color IniFile::ReadColor(std::string_view section, std::string_view key, Color fallback) const {
  const std::string* value = Find(section, key);
  if (!value) return fallback;
  return ParseIniColor(*value).value_or(fallback);
}

void IniFile::ReadFont(std::string_view section, std::string_view key, Font* font) const {
  const std::string* value = Find(section, key);
  if (value && !value->empty()) ApplyFontText(*value, font);
}

bool IniFile::ReadList(std::string_view section, StringList* list) const {
  int count = ReadInteger(section, kIniCountKey, -1);
  if (count < 0) return false;
  // The keys present are gathered in one pass rather than looked up for every index, so a
  // hostile Count costs nothing.
  std::vector<std::pair<std::size_t, const std::string*>> items;
  if (const Section* s = FindSection(section)) {
    for (const Entry& e : s->entries) {
      std::optional<std::size_t> index = ItemIndex(e.key);
      if (index && *index < static_cast<std::size_t>(count)) items.emplace_back(*index, &e.value);
    }
  }
  std::sort(items.begin(), items.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  list->clear();
  list->reserve(items.size());
  for (const auto& item : items) list->push_back(*item.second);
  return true;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  Section& s = SectionFor(section);
  if (Entry* e = s.Find(key)) {
    e->value = StoredValue(value);
    return;
  }
  s.Add(key, StoredValue(value));
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
  WriteString(section, key, std::to_string(value));
}

void IniFile::WriteColor(std::string_view section, std::string_view key, Color value) {
  WriteString(section, key, IniColorText(value));
}

void IniFile::WriteFont(std::string_view section, std::string_view key, const Font& font) {
  WriteString(section, key, FontText(font));
}

void IniFile::WriteList(std::string_view section, const StringList& list) {
  SectionFor(section).Clear();
  WriteInteger(section, kIniCountKey, static_cast<int>(list.size()));
  for (std::size_t i = 0; i < list.size(); ++i) WriteString(section, IniItemKey(i), list[i]);
}

void IniFile::EraseSection(std::string_view section) {
  auto it = index_.find(LowerAscii(section));
  if (it == index_.end()) return;
  sections_.erase(sections_.begin() + static_cast<std::ptrdiff_t>(it->second));
  Reindex();
}

void IniFile::DeleteKey(std::string_view section, std::string_view key) {
  auto sit = index_.find(LowerAscii(section));
  if (sit == index_.end()) return;
  Section& s = sections_[sit->second];
  const Entry* e = s.Find(key);
  if (!e) return;
  s.entries.erase(s.entries.begin() + (e - s.entries.data()));
  s.Reindex();
}

const IniFile::Section* IniFile::FindSection(std::string_view name) const {
  auto it = index_.find(LowerAscii(name));
  return it == index_.end() ? nullptr : &sections_[it->second];
}

std::size_t IniFile::SectionIndexFor(std::string_view name) {
  auto [it, inserted] = index_.emplace(LowerAscii(name), sections_.size());
  if (inserted) sections_.push_back(Section{std::string(name), {}, {}});
  return it->second;
}

IniFile::Section& IniFile::SectionFor(std::string_view name) {
  return sections_[SectionIndexFor(name)];
}

const IniFile::Entry* IniFile::Section::Find(std::string_view key) const {
  if (entries.size() <= kIndexedSectionSize) {
    for (const Entry& e : entries)
      if (SameText(e.key, key)) return &e;
    return nullptr;
  }
  auto it = index.find(LowerAscii(key));
  return it == index.end() ? nullptr : &entries[it->second];
}

IniFile::Entry* IniFile::Section::Find(std::string_view key) {
  return const_cast<Entry*>(static_cast<const Section*>(this)->Find(key));
}

void IniFile::Section::Add(std::string_view key, std::string value) {
  if (Find(key)) return;  // the first of repeated keys wins
  entries.push_back(Entry{std::string(key), std::move(value)});
  if (entries.size() == kIndexedSectionSize + 1)
    Reindex();
  else if (entries.size() > kIndexedSectionSize)
    index.emplace(LowerAscii(key), entries.size() - 1);
}

void IniFile::Section::Clear() {
  entries.clear();
  index.clear();
}

void IniFile::Section::Reindex() {
  index.clear();
  if (entries.size() <= kIndexedSectionSize) return;
  for (std::size_t i = 0; i < entries.size(); ++i) index.emplace(LowerAscii(entries[i].key), i);
}

void IniFile::Reindex() {
  index_.clear();
  for (std::size_t i = 0; i < sections_.size(); ++i) index_[LowerAscii(sections_[i].name)] = i;
}

}  // namespace qb
