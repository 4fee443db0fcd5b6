#include "pcf_reader.h"

#include <algorithm>

namespace fontgen {

namespace {

constexpr std::uint32_t kProperties = 1 << 0;
constexpr std::uint32_t kAccelerators = 1 << 1;
constexpr std::uint32_t kMetrics = 1 << 2;
constexpr std::uint32_t kBitmaps = 1 << 3;
constexpr std::uint32_t kEncodings = 1 << 5;
constexpr std::uint32_t kBdfAccelerators = 1 << 8;
constexpr std::uint32_t kCompressedMetrics = 0x100;
constexpr std::uint32_t kByteMsbFirst = 1 << 2;
constexpr std::uint32_t kBitMsbFirst = 1 << 3;
constexpr std::uint16_t kNoGlyph = 0xFFFF;

struct Damaged {
  const char* what;
};

// Reads one table, whose byte order its own format word gives.
class TableReader {
 public:
  TableReader(const std::vector<std::uint8_t>& data, std::size_t pos) : data_(data), pos_(pos) {
    format_ = Raw32(false);
  }
  std::uint32_t Format() const { return format_; }
  std::uint32_t U32() { return Raw32(format_ & kByteMsbFirst); }
  std::int32_t I32() { return static_cast<std::int32_t>(U32()); }
  std::int16_t I16() {
    Need(2);
    bool msb = format_ & kByteMsbFirst;
    std::uint16_t v =
        msb ? (data_[pos_] << 8) | data_[pos_ + 1] : data_[pos_] | (data_[pos_ + 1] << 8);
    pos_ += 2;
    return static_cast<std::int16_t>(v);
  }
  std::uint8_t U8() {
    Need(1);
    return data_[pos_++];
  }
  void Skip(std::size_t n) {
    Need(n);
    pos_ += n;
  }
  std::size_t Pos() const { return pos_; }
  void Need(std::size_t n) const {
    if (pos_ > data_.size() || data_.size() - pos_ < n) throw Damaged{"table cut short"};
  }

 private:
  std::uint32_t Raw32(bool msb) {
    Need(4);
    const std::uint8_t* p = data_.data() + pos_;
    pos_ += 4;
    if (msb) return (std::uint32_t{p[0]} << 24) | (p[1] << 16) | (p[2] << 8) | p[3];
    return p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t{p[3]} << 24);
  }
  const std::vector<std::uint8_t>& data_;
  std::size_t pos_;
  std::uint32_t format_ = 0;
};

struct Toc {
  std::map<std::uint32_t, std::size_t> offsets;
  bool Has(std::uint32_t type) const { return offsets.count(type) != 0; }
};

Toc ReadToc(const std::vector<std::uint8_t>& data) {
  if (data.size() < 8 || data[0] != 1 || data[1] != 'f' || data[2] != 'c' || data[3] != 'p')
    throw Damaged{"not a PCF font"};
  auto le32 = [&](std::size_t at) {
    if (at + 4 > data.size()) throw Damaged{"table of contents cut short"};
    return data[at] | (data[at + 1] << 8) | (data[at + 2] << 16) |
           (std::uint32_t{data[at + 3]} << 24);
  };
  Toc toc;
  std::uint32_t count = le32(4);
  if (count > 64) throw Damaged{"implausible table count"};
  for (std::uint32_t i = 0; i < count; ++i) {
    std::size_t entry = 8 + i * 16;
    toc.offsets[le32(entry)] = le32(entry + 12);
  }
  return toc;
}

void ReadProperties(const std::vector<std::uint8_t>& data, std::size_t pos, PcfFont* font) {
  TableReader t(data, pos);
  std::int32_t count = t.I32();
  if (count < 0 || count > 4096) throw Damaged{"implausible property count"};
  struct Prop {
    std::int32_t name;
    bool is_string;
    std::int32_t value;
  };
  std::vector<Prop> props;
  for (int i = 0; i < count; ++i) {
    Prop p;
    p.name = t.I32();
    p.is_string = t.U8() != 0;
    p.value = t.I32();
    props.push_back(p);
  }
  if (count & 3) t.Skip(4 - (count & 3));
  std::int32_t strings_size = t.I32();
  t.Need(static_cast<std::size_t>(std::max(strings_size, 0)));
  std::size_t strings = t.Pos();
  auto str = [&](std::int32_t off) {
    std::string s;
    for (std::size_t i = strings + static_cast<std::size_t>(off);
         off >= 0 && off < strings_size && i < data.size() && data[i]; ++i)
      s.push_back(static_cast<char>(data[i]));
    return s;
  };
  for (const Prop& p : props)
    font->properties[str(p.name)] = p.is_string ? str(p.value) : std::to_string(p.value);
}

std::vector<PcfGlyph> ReadMetrics(const std::vector<std::uint8_t>& data, std::size_t pos) {
  TableReader t(data, pos);
  bool compressed = t.Format() & kCompressedMetrics;
  int count = compressed ? t.I16() : t.I32();
  if (count < 0 || count > 65536) throw Damaged{"implausible glyph count"};
  std::vector<PcfGlyph> glyphs(static_cast<std::size_t>(count));
  for (PcfGlyph& g : glyphs) {
    if (compressed) {
      g.left_bearing = t.U8() - 0x80;
      g.right_bearing = t.U8() - 0x80;
      g.advance = t.U8() - 0x80;
      g.ascent = t.U8() - 0x80;
      g.descent = t.U8() - 0x80;
    } else {
      g.left_bearing = t.I16();
      g.right_bearing = t.I16();
      g.advance = t.I16();
      g.ascent = t.I16();
      g.descent = t.I16();
      t.I16();  // attributes
    }
    if (g.InkWidth() < 0 || g.InkHeight() < 0 || g.InkWidth() > 256 || g.InkHeight() > 256)
      throw Damaged{"implausible glyph metrics"};
  }
  return glyphs;
}

void ReadBitmaps(const std::vector<std::uint8_t>& data, std::size_t pos,
                 std::vector<PcfGlyph>* glyphs) {
  TableReader t(data, pos);
  std::uint32_t format = t.Format();
  std::int32_t count = t.I32();
  if (count != static_cast<std::int32_t>(glyphs->size())) throw Damaged{"bitmap count differs"};
  std::vector<std::uint32_t> offsets;
  for (int i = 0; i < count; ++i) offsets.push_back(t.U32());
  std::uint32_t sizes[4];
  for (auto& s : sizes) s = t.U32();
  std::size_t pad = std::size_t{1} << (format & 3);
  std::size_t unit = std::size_t{1} << ((format >> 4) & 3);
  std::size_t base = t.Pos();
  std::size_t total = sizes[format & 3];
  if (base > data.size() || data.size() - base < total) throw Damaged{"bitmaps cut short"};
  bool msb_bits = format & kBitMsbFirst;
  bool msb_bytes = format & kByteMsbFirst;
  for (int i = 0; i < count; ++i) {
    PcfGlyph& g = (*glyphs)[static_cast<std::size_t>(i)];
    std::size_t row_bytes = (static_cast<std::size_t>(g.InkWidth()) + 7) / 8;
    row_bytes = (row_bytes + pad - 1) / pad * pad;
    if (offsets[i] > total || total - offsets[i] < row_bytes * g.InkHeight())
      throw Damaged{"glyph bitmap outside the table"};
    g.pixels.assign(static_cast<std::size_t>(g.InkWidth()) * g.InkHeight(), 0);
    for (int y = 0; y < g.InkHeight(); ++y) {
      const std::uint8_t* row = data.data() + base + offsets[i] + y * row_bytes;
      for (int x = 0; x < g.InkWidth(); ++x) {
        std::size_t byte = static_cast<std::size_t>(x) / 8;
        // Bytes are swapped within scan units when byte and bit order differ.
        if (msb_bits != msb_bytes && unit > 1) byte = byte / unit * unit + (unit - 1 - byte % unit);
        int bit = x % 8;
        int value = msb_bits ? (row[byte] >> (7 - bit)) & 1 : (row[byte] >> bit) & 1;
        g.pixels[static_cast<std::size_t>(y) * g.InkWidth() + x] = static_cast<std::uint8_t>(value);
      }
    }
  }
}

void ReadEncodings(const std::vector<std::uint8_t>& data, std::size_t pos,
                   std::vector<PcfGlyph>& glyphs, PcfFont* font) {
  TableReader t(data, pos);
  int min2 = t.I16(), max2 = t.I16(), min1 = t.I16(), max1 = t.I16();
  t.I16();  // default char
  if (min2 < 0 || max2 > 255 || min1 < 0 || max1 > 255 || min2 > max2 || min1 > max1)
    throw Damaged{"bad encoding ranges"};
  for (int b1 = min1; b1 <= max1; ++b1)
    for (int b2 = min2; b2 <= max2; ++b2) {
      std::uint16_t index = static_cast<std::uint16_t>(t.I16());
      if (index == kNoGlyph || index >= glyphs.size()) continue;
      font->glyphs[static_cast<char32_t>(b1 * 256 + b2)] = glyphs[index];
    }
}

void ReadAccelerators(const std::vector<std::uint8_t>& data, std::size_t pos, PcfFont* font) {
  TableReader t(data, pos);
  t.Skip(8);  // flags and padding
  font->ascent = t.I32();
  font->descent = t.I32();
}

}  // namespace

std::optional<PcfFont> ReadPcf(const std::vector<std::uint8_t>& data, std::string* error) {
  try {
    Toc toc = ReadToc(data);
    if (!toc.Has(kMetrics) || !toc.Has(kBitmaps) || !toc.Has(kEncodings))
      throw Damaged{"metrics, bitmaps or encodings missing"};
    PcfFont font;
    if (toc.Has(kProperties)) ReadProperties(data, toc.offsets[kProperties], &font);
    if (toc.Has(kBdfAccelerators))
      ReadAccelerators(data, toc.offsets[kBdfAccelerators], &font);
    else if (toc.Has(kAccelerators))
      ReadAccelerators(data, toc.offsets[kAccelerators], &font);
    std::vector<PcfGlyph> glyphs = ReadMetrics(data, toc.offsets[kMetrics]);
    ReadBitmaps(data, toc.offsets[kBitmaps], &glyphs);
    ReadEncodings(data, toc.offsets[kEncodings], glyphs, &font);
    return font;
  } catch (const Damaged& d) {
    *error = d.what;
    return std::nullopt;
  }
}

}  // namespace fontgen
