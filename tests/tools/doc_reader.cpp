#include "tools/doc_reader.h"

#include <algorithm>
#include <utility>

namespace qb::test {
namespace {

std::uint32_t Be(std::string_view bytes, std::size_t at, int size) {
  std::uint32_t value = 0;
  for (int i = 0; i < size; ++i)
    value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
  return value;
}

std::uint16_t Be16(std::string_view b, std::size_t at) {
  return static_cast<std::uint16_t>(Be(b, at, 2));
}
std::uint32_t Be32(std::string_view b, std::size_t at) { return Be(b, at, 4); }

constexpr std::size_t kHeaderSize = 78;
constexpr std::size_t kEntrySize = 8;
constexpr std::size_t kDocRecordSize = 4096;

std::optional<PdbFile> Fail(std::string* error, std::string text) {
  if (error) *error = std::move(text);
  return std::nullopt;
}

}  // namespace

std::optional<PdbFile> ParsePdb(std::string_view file, std::string* error) {
  if (file.size() < kHeaderSize) return Fail(error, "shorter than the header");
  PdbFile pdb;
  pdb.name_field = std::string(file.substr(0, 32));
  pdb.name = pdb.name_field.substr(0, pdb.name_field.find('\0'));
  pdb.attributes = Be16(file, 32);
  pdb.version = Be16(file, 34);
  pdb.creation_date = Be32(file, 36);
  pdb.modification_date = Be32(file, 40);
  pdb.backup_date = Be32(file, 44);
  pdb.modification_number = Be32(file, 48);
  pdb.app_info_id = Be32(file, 52);
  pdb.sort_info_id = Be32(file, 56);
  pdb.type = std::string(file.substr(60, 4));
  pdb.creator = std::string(file.substr(64, 4));
  pdb.unique_id_seed = Be32(file, 68);
  pdb.next_record_list_id = Be32(file, 72);
  pdb.record_count = Be16(file, 76);
  const std::size_t list_end = kHeaderSize + kEntrySize * pdb.record_count;
  if (file.size() < list_end) return Fail(error, "record list runs past the end");
  for (std::size_t r = 0; r < pdb.record_count; ++r) {
    const std::size_t at = kHeaderSize + kEntrySize * r;
    pdb.entries.push_back(
        {Be32(file, at), static_cast<std::uint8_t>(file[at + 4]), Be(file, at + 5, 3)});
  }
  const std::size_t first = pdb.entries.empty() ? file.size() : pdb.entries[0].offset;
  if (first < list_end || first > file.size()) return Fail(error, "record 0 offset out of range");
  pdb.filler = std::string(file.substr(list_end, first - list_end));
  for (std::size_t r = 0; r < pdb.entries.size(); ++r) {
    const std::size_t begin = pdb.entries[r].offset;
    const std::size_t end = r + 1 < pdb.entries.size() ? pdb.entries[r + 1].offset : file.size();
    if (begin > end || end > file.size())
      return Fail(error, "record " + std::to_string(r) + " offsets out of order");
    pdb.records.emplace_back(file.substr(begin, end - begin));
  }
  return pdb;
}

std::optional<DocInfo> ParseDocInfo(std::string_view record0) {
  if (record0.size() != 16) return std::nullopt;
  return DocInfo{Be16(record0, 0), Be16(record0, 2),  Be32(record0, 4),
                 Be16(record0, 8), Be16(record0, 10), Be32(record0, 12)};
}

std::optional<std::string> DecompressRecord(std::string_view data, DecodeStats* stats) {
  std::string out;
  std::size_t i = 0;
  while (i < data.size()) {
    const unsigned c = static_cast<unsigned char>(data[i++]);
    if (c == 0x00 || (c >= 0x09 && c <= 0x7F)) {
      out += static_cast<char>(c);
    } else if (c <= 0x08) {
      if (i + c > data.size()) return std::nullopt;
      out.append(data.substr(i, c));
      i += c;
    } else if (c <= 0xBF) {
      if (i >= data.size()) return std::nullopt;
      const unsigned code = (c << 8) | static_cast<unsigned char>(data[i++]);
      const std::size_t distance = (code >> 3) & 0x07FF;
      const std::size_t length = (code & 0x07) + 3;
      if (distance == 0 || distance > out.size()) return std::nullopt;
      for (std::size_t k = 0; k < length; ++k) out += out[out.size() - distance];
      if (stats) {
        ++stats->pairs;
        stats->max_distance = std::max(stats->max_distance, static_cast<int>(distance));
      }
    } else {
      out += ' ';
      out += static_cast<char>(c ^ 0x80);
    }
  }
  return out;
}

std::optional<std::string> ReadDocText(std::string_view file, std::string* error) {
  const auto fail = [&](std::string text) -> std::optional<std::string> {
    if (error) *error = std::move(text);
    return std::nullopt;
  };
  const std::optional<PdbFile> pdb = ParsePdb(file, error);
  if (!pdb) return std::nullopt;
  if (pdb->records.empty()) return fail("no record 0");
  const std::optional<DocInfo> info = ParseDocInfo(pdb->records[0]);
  if (!info) return fail("record 0 is not 16 bytes");
  if (info->version != 1 && info->version != 2) return fail("bad DOC version");
  if (info->record_count + 1u != pdb->records.size()) return fail("text record count mismatch");
  std::string text;
  for (std::size_t r = 1; r < pdb->records.size(); ++r) {
    std::optional<std::string> piece =
        info->version == 2 ? DecompressRecord(pdb->records[r]) : pdb->records[r];
    if (!piece) return fail("record " + std::to_string(r) + " does not decompress");
    const bool last = r + 1 == pdb->records.size();
    if (piece->size() > kDocRecordSize || (!last && piece->size() != kDocRecordSize))
      return fail("record " + std::to_string(r) + " holds " + std::to_string(piece->size()));
    text += *piece;
  }
  if (text.size() != info->text_length) return fail("text length mismatch");
  return text;
}

}  // namespace qb::test
