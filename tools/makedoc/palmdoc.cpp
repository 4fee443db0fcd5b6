#include "palmdoc.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <stdexcept>

#include "pdb_format.h"

namespace qb::palmdoc {
namespace {

// The compressed stream is a sequence of codes:
//   0x00, 0x09..0x7F  the byte itself
//   0x01..0x08        that many bytes follow, copied as they are
//   0x80..0xBF        with the next byte: 2 marker bits, 11 bits distance back, 3 bits length - 3
//   0xC0..0xFF        a space followed by the byte code ^ 0x80 (0x40..0x7F)
constexpr std::size_t kMinMatch = 3;
constexpr std::size_t kMaxMatch = 10;
constexpr std::size_t kMaxDistance = 2047;
constexpr std::size_t kMaxRawRun = 8;
// How many earlier positions with the same hash are tried; bounds the work on repetitive text.
constexpr int kMaxChainSteps = 256;
constexpr std::size_t kHashBits = 12;

bool NeedsRawRun(std::uint8_t byte) { return (byte >= 0x01 && byte <= 0x08) || byte >= 0x80; }

bool FollowsSpace(std::uint8_t byte) { return byte >= 0x40 && byte <= 0x7F; }

std::size_t Hash(const std::uint8_t* p) {
  const std::size_t h = (std::size_t{p[0]} << 16) | (std::size_t{p[1]} << 8) | p[2];
  return (h * 2654435761u >> 8) & ((std::size_t{1} << kHashBits) - 1);
}

// Hash chains over the 3-byte prefixes of one record. Positions join the chains in order, each
// once, as the searches move forward.
class MatchFinder {
 public:
  explicit MatchFinder(std::span<const std::uint8_t> data)
      : data_(data), prev_(data.size(), kNone) {
    head_.fill(kNone);
  }

  struct Match {
    std::size_t length = 0;
    std::size_t distance = 0;
  };

  // The longest match for the bytes at `pos` that starts before it, the nearest among equals;
  // length 0 when there is none of kMinMatch bytes.
  Match Find(std::size_t pos) {
    InsertUpTo(pos);
    Match best;
    if (pos + kMinMatch > data_.size()) return best;
    const std::size_t limit = std::min(kMaxMatch, data_.size() - pos);
    int steps = 0;
    for (int cand = head_[Hash(&data_[pos])]; cand != kNone && steps < kMaxChainSteps;
         cand = prev_[static_cast<std::size_t>(cand)], ++steps) {
      const std::size_t from = static_cast<std::size_t>(cand);
      if (from >= pos) continue;  // inserted by a look-ahead
      const std::size_t distance = pos - from;
      if (distance > kMaxDistance) break;  // chains run from near to far
      std::size_t length = 0;
      // May run past `pos` (overlapping copy), which the decoder handles byte by byte.
      while (length < limit && data_[from + length] == data_[pos + length]) ++length;
      if (length > best.length) {
        best = {length, distance};
        if (length == limit) break;
      }
    }
    if (best.length < kMinMatch) best = {};
    return best;
  }

 private:
  static constexpr int kNone = -1;

  void InsertUpTo(std::size_t end) {
    for (; inserted_ < end && inserted_ + kMinMatch <= data_.size(); ++inserted_) {
      const std::size_t h = Hash(&data_[inserted_]);
      prev_[inserted_] = head_[h];
      head_[h] = static_cast<int>(inserted_);
    }
  }

  std::span<const std::uint8_t> data_;
  std::array<int, std::size_t{1} << kHashBits> head_;
  std::vector<int> prev_;
  std::size_t inserted_ = 0;
};

bool StartsSpacePair(std::span<const std::uint8_t> data, std::size_t pos) {
  return data[pos] == ' ' && pos + 1 < data.size() && FollowsSpace(data[pos + 1]);
}

template <typename T>
void Append(Bytes& out, const T& value) {
  // Grown first and copied into, not insert(): gcc 12 at -O3 reports a false overflow for a
  // range insert into a vector that is still small (-Wstringop-overflow).
  const std::size_t at = out.size();
  out.resize(at + sizeof(T));
  std::memcpy(out.data() + at, &value, sizeof(T));
}

}  // namespace

std::uint32_t PalmTime(std::chrono::system_clock::time_point time) {
  const std::int64_t unix_seconds =
      std::chrono::duration_cast<std::chrono::seconds>(time.time_since_epoch()).count();
  const std::int64_t palm_seconds = unix_seconds + kPalmEpochOffset;
  if (palm_seconds < 0) return 0;
  return static_cast<std::uint32_t>(static_cast<std::uint64_t>(palm_seconds) & 0xFFFFFFFFu);
}

Bytes CompressRecord(std::span<const std::uint8_t> record) {
  Bytes out;
  out.reserve(record.size() + record.size() / kMaxRawRun + 1);
  MatchFinder finder(record);
  const std::size_t n = record.size();
  std::size_t i = 0;
  while (i < n) {
    const MatchFinder::Match match = finder.Find(i);
    if (match.length >= kMinMatch) {
      const std::size_t code = 0x8000 | (match.distance << 3) | (match.length - kMinMatch);
      out.push_back(static_cast<std::uint8_t>(code >> 8));
      out.push_back(static_cast<std::uint8_t>(code & 0xFF));
      i += match.length;
    } else if (StartsSpacePair(record, i)) {
      out.push_back(static_cast<std::uint8_t>(record[i + 1] ^ 0x80));
      i += 2;
    } else if (NeedsRawRun(record[i])) {
      // A run may take plain bytes too when a byte needing it follows within the run, which
      // saves a count byte; it stops where a back reference or a space pair does better.
      std::size_t run = 1;
      for (std::size_t pos = i + 1; pos - i < kMaxRawRun && pos < n; ++pos) {
        if (finder.Find(pos).length >= kMinMatch || StartsSpacePair(record, pos)) break;
        if (NeedsRawRun(record[pos])) run = pos - i + 1;
      }
      out.push_back(static_cast<std::uint8_t>(run));
      out.insert(out.end(), record.begin() + static_cast<std::ptrdiff_t>(i),
                 record.begin() + static_cast<std::ptrdiff_t>(i + run));
      i += run;
    } else {
      out.push_back(record[i]);
      ++i;
    }
  }
  return out;
}

std::string DatabaseName(std::string_view name) {
  if (name.size() <= kMaxNameLength) return std::string(name);
  std::size_t cut = kMaxNameLength;
  // Step back over continuation bytes so that a multi-byte character is kept whole or dropped.
  while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
  return std::string(name.substr(0, cut));
}

Bytes BuildDatabase(std::string_view text, const DocOptions& options) {
  if (text.size() > kMaxTextLength) throw std::length_error("text too long for a DOC database");
  const std::size_t text_records = (text.size() + kRecordSize - 1) / kRecordSize;

  std::vector<Bytes> records;
  records.reserve(text_records + 1);
  DocHeader doc{};
  doc.version = options.compress ? kDocCompressed : kDocUncompressed;
  doc.text_length = static_cast<std::uint32_t>(text.size());
  doc.record_count = static_cast<std::uint16_t>(text_records);
  doc.record_size = static_cast<std::uint16_t>(kRecordSize);
  records.emplace_back();
  Append(records.back(), doc);
  for (std::size_t start = 0; start < text.size(); start += kRecordSize) {
    const std::string_view piece = text.substr(start, kRecordSize);
    const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(piece.data()),
                                              piece.size());
    records.push_back(options.compress ? CompressRecord(bytes) : Bytes(bytes.begin(), bytes.end()));
  }

  const std::string name = DatabaseName(options.name);
  PdbHeader header{};
  std::copy(name.begin(), name.end(), header.name.begin());
  header.creation_date = options.palm_time;
  header.modification_date = options.palm_time;
  header.type = kDocType;
  header.creator = kDocCreator;
  // Records get the unique IDs 1 .. n; the seed is the next free one.
  header.unique_id_seed = static_cast<std::uint32_t>(records.size() + 1);
  header.record_count = static_cast<std::uint16_t>(records.size());

  std::size_t total = sizeof(PdbHeader) + records.size() * sizeof(PdbRecordEntry) + kFillerSize;
  Bytes out;
  out.reserve(total + text.size() + kRecordSize);
  Append(out, header);
  for (std::size_t r = 0; r < records.size(); ++r) {
    PdbRecordEntry entry{};
    entry.offset = static_cast<std::uint32_t>(total);
    const std::size_t id = r + 1;
    entry.unique_id = {static_cast<std::uint8_t>(id >> 16), static_cast<std::uint8_t>(id >> 8),
                       static_cast<std::uint8_t>(id)};
    Append(out, entry);
    total += records[r].size();
  }
  out.insert(out.end(), kFillerSize, 0);
  for (const Bytes& record : records) out.insert(out.end(), record.begin(), record.end());
  return out;
}

}  // namespace qb::palmdoc
