#include "inflate.h"

#include <array>

namespace fontgen {

namespace {

constexpr int kMaxBits = 15;

struct Damaged {
  const char* what;
};

class BitReader {
 public:
  BitReader(const std::vector<std::uint8_t>& data, std::size_t pos) : data_(data), pos_(pos) {}
  int Bits(int n) {
    int value = 0;
    for (int i = 0; i < n; ++i) value |= Bit() << i;
    return value;
  }
  int Bit() {
    if (bit_ == 8) {
      ++pos_;
      bit_ = 0;
    }
    if (pos_ >= data_.size()) throw Damaged{"data cut short"};
    return (data_[pos_] >> bit_++) & 1;
  }
  // Skips to the next byte boundary and returns its position.
  std::size_t AlignToByte() {
    if (bit_ != 0) {
      ++pos_;
      bit_ = 0;
    }
    return pos_;
  }
  void Seek(std::size_t pos) {
    pos_ = pos;
    bit_ = 0;
  }
  const std::vector<std::uint8_t>& Data() const { return data_; }
  std::size_t End() const { return bit_ == 0 ? pos_ : pos_ + 1; }

 private:
  const std::vector<std::uint8_t>& data_;
  std::size_t pos_;
  int bit_ = 0;
};

// A canonical Huffman code: how many codes of each length, and the symbols in code order.
struct Huffman {
  std::array<int, kMaxBits + 1> count{};
  std::vector<int> symbols;

  explicit Huffman(const std::vector<int>& lengths) {
    for (int len : lengths) ++count[len];
    std::array<int, kMaxBits + 2> offset{};
    for (int len = 1; len <= kMaxBits; ++len) offset[len + 1] = offset[len] + count[len];
    symbols.assign(lengths.size(), 0);
    for (std::size_t s = 0; s < lengths.size(); ++s)
      if (lengths[s]) symbols[offset[lengths[s]]++] = static_cast<int>(s);
  }

  int Decode(BitReader& in) const {
    int code = 0, first = 0, index = 0;
    for (int len = 1; len <= kMaxBits; ++len) {
      code |= in.Bit();
      int n = count[len];
      if (code - n < first) return symbols[index + (code - first)];
      index += n;
      first = (first + n) << 1;
      code <<= 1;
    }
    throw Damaged{"bad Huffman code"};
  }
};

constexpr int kLengthBase[29] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                 31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr int kLengthExtra[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                  2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr int kDistBase[30] = {1,    2,    3,    4,    5,    7,    9,    13,    17,    25,
                               33,   49,   65,   97,   129,  193,  257,  385,   513,   769,
                               1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr int kDistExtra[30] = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

void Codes(BitReader& in, std::vector<std::uint8_t>& out, const Huffman& lit, const Huffman& dist) {
  for (;;) {
    int sym = lit.Decode(in);
    if (sym < 256) {
      out.push_back(static_cast<std::uint8_t>(sym));
      continue;
    }
    if (sym == 256) return;
    sym -= 257;
    if (sym >= 29) throw Damaged{"bad length code"};
    int len = kLengthBase[sym] + in.Bits(kLengthExtra[sym]);
    int d = dist.Decode(in);
    if (d >= 30) throw Damaged{"bad distance code"};
    std::size_t back = static_cast<std::size_t>(kDistBase[d] + in.Bits(kDistExtra[d]));
    if (back > out.size()) throw Damaged{"distance beyond the start"};
    for (int i = 0; i < len; ++i) out.push_back(out[out.size() - back]);
  }
}

void FixedBlock(BitReader& in, std::vector<std::uint8_t>& out) {
  std::vector<int> lengths(288);
  for (int s = 0; s < 288; ++s) lengths[s] = s < 144 ? 8 : s < 256 ? 9 : s < 280 ? 7 : 8;
  static const Huffman kLit(lengths);
  static const Huffman kDist(std::vector<int>(30, 5));
  Codes(in, out, kLit, kDist);
}

void DynamicBlock(BitReader& in, std::vector<std::uint8_t>& out) {
  static constexpr int kOrder[19] = {16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                     11, 4,  12, 3, 13, 2, 14, 1, 15};
  int nlen = in.Bits(5) + 257;
  int ndist = in.Bits(5) + 1;
  int ncode = in.Bits(4) + 4;
  if (nlen > 286 || ndist > 30) throw Damaged{"bad code counts"};
  std::vector<int> code_lengths(19, 0);
  for (int i = 0; i < ncode; ++i) code_lengths[kOrder[i]] = in.Bits(3);
  Huffman lencode(code_lengths);
  std::vector<int> lengths;
  while (static_cast<int>(lengths.size()) < nlen + ndist) {
    int sym = lencode.Decode(in);
    if (sym < 16) {
      lengths.push_back(sym);
      continue;
    }
    int repeat_value = 0, repeat = 0;
    if (sym == 16) {
      if (lengths.empty()) throw Damaged{"repeat with no length"};
      repeat_value = lengths.back();
      repeat = 3 + in.Bits(2);
    } else if (sym == 17) {
      repeat = 3 + in.Bits(3);
    } else {
      repeat = 11 + in.Bits(7);
    }
    if (static_cast<int>(lengths.size()) + repeat > nlen + ndist) throw Damaged{"too many lengths"};
    lengths.insert(lengths.end(), repeat, repeat_value);
  }
  Huffman lit(std::vector<int>(lengths.begin(), lengths.begin() + nlen));
  Huffman dist(std::vector<int>(lengths.begin() + nlen, lengths.end()));
  Codes(in, out, lit, dist);
}

void StoredBlock(BitReader& in, std::vector<std::uint8_t>& out) {
  std::size_t pos = in.AlignToByte();
  const auto& data = in.Data();
  if (pos + 4 > data.size()) throw Damaged{"data cut short"};
  unsigned len = data[pos] | (data[pos + 1] << 8);
  unsigned nlen = data[pos + 2] | (data[pos + 3] << 8);
  if ((len ^ 0xFFFF) != nlen) throw Damaged{"bad stored block length"};
  pos += 4;
  if (pos + len > data.size()) throw Damaged{"data cut short"};
  out.insert(out.end(), data.begin() + static_cast<std::ptrdiff_t>(pos),
             data.begin() + static_cast<std::ptrdiff_t>(pos + len));
  in.Seek(pos + len);
}

std::uint32_t Crc32(const std::vector<std::uint8_t>& data) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (std::uint8_t b : data) {
    crc ^= b;
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return crc ^ 0xFFFFFFFFu;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> Inflate(const std::vector<std::uint8_t>& data,
                                                 std::size_t start, std::size_t* end,
                                                 std::string* error) {
  std::vector<std::uint8_t> out;
  BitReader in(data, start);
  try {
    int last = 0;
    do {
      last = in.Bit();
      switch (in.Bits(2)) {
        case 0:
          StoredBlock(in, out);
          break;
        case 1:
          FixedBlock(in, out);
          break;
        case 2:
          DynamicBlock(in, out);
          break;
        default:
          throw Damaged{"bad block type"};
      }
    } while (!last);
  } catch (const Damaged& d) {
    *error = d.what;
    return std::nullopt;
  }
  if (end) *end = in.End();
  return out;
}

std::optional<std::vector<std::uint8_t>> Gunzip(const std::vector<std::uint8_t>& data,
                                                std::string* error) {
  if (data.size() < 18 || data[0] != 0x1F || data[1] != 0x8B || data[2] != 8) {
    *error = "not a gzip file";
    return std::nullopt;
  }
  int flags = data[3];
  std::size_t pos = 10;
  auto skip_string = [&] {
    while (pos < data.size() && data[pos] != 0) ++pos;
    ++pos;
  };
  if (flags & 4) pos += 2 + (data[pos] | (data[pos + 1] << 8));
  if (flags & 8) skip_string();
  if (flags & 16) skip_string();
  if (flags & 2) pos += 2;
  if (pos >= data.size()) {
    *error = "gzip header cut short";
    return std::nullopt;
  }
  std::size_t end = 0;
  auto out = Inflate(data, pos, &end, error);
  if (!out) return out;
  if (end + 8 > data.size()) {
    *error = "gzip trailer missing";
    return std::nullopt;
  }
  auto le32 = [&](std::size_t at) {
    return std::uint32_t{data[at]} | (std::uint32_t{data[at + 1]} << 8) |
           (std::uint32_t{data[at + 2]} << 16) | (std::uint32_t{data[at + 3]} << 24);
  };
  if (le32(end) != Crc32(*out) || le32(end + 4) != static_cast<std::uint32_t>(out->size())) {
    *error = "gzip checksum mismatch";
    return std::nullopt;
  }
  return out;
}

}  // namespace fontgen
