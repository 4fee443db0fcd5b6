#include "controls/fon_writer.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "controls/fnt_format.h"

namespace qb {

namespace {

constexpr int kResolution = 96;
constexpr std::uint8_t kVariablePitch = 0x01;  // the low bit of pitch and family
constexpr std::uint8_t kFamilySwiss = 0x20;
constexpr int kAlignShift = 4;
constexpr std::uint32_t kNeHeaderAt = 0x80;
constexpr std::uint16_t kFontResourceFlags = 0x1C30;  // movable, pure, discardable
constexpr std::uint16_t kFontId = 1;

template <typename T>
void Append(std::vector<std::uint8_t>& out, const T& value) {
  // Grown first and copied into, not insert(): gcc 12 at -O3 reports a false overflow for a
  // range insert into a vector that is still small (-Wstringop-overflow).
  const std::size_t at = out.size();
  out.resize(at + sizeof(T));
  std::memcpy(out.data() + at, &value, sizeof(T));
}

template <typename T>
void Put(std::vector<std::uint8_t>& out, std::size_t at, const T& value) {
  std::memcpy(out.data() + at, &value, sizeof(T));
}

void AppendString(std::vector<std::uint8_t>& out, const std::string& s) {
  out.insert(out.end(), s.begin(), s.end());
  out.push_back(0);
}

// A length-prefixed name followed by its ordinal, as the NE name tables hold them.
void AppendName(std::vector<std::uint8_t>& out, const std::string& name, std::uint16_t ordinal) {
  std::string n = name.substr(0, 255);
  out.push_back(static_cast<std::uint8_t>(n.size()));
  out.insert(out.end(), n.begin(), n.end());
  Append(out, ordinal);
}

void Align(std::vector<std::uint8_t>& out) {
  while (out.size() % (1u << kAlignShift)) out.push_back(0);
}

fnt::FntHeader MakeHeader(const RasterFaceSpec& face, int version) {
  fnt::FntHeader h{};
  h.version = static_cast<std::uint16_t>(version << 8);
  std::memcpy(h.copyright, face.copyright.data(),
              std::min(face.copyright.size(), sizeof(h.copyright)));
  h.points = static_cast<std::uint16_t>(face.points);
  h.vert_res = kResolution;
  h.horiz_res = kResolution;
  h.ascent = static_cast<std::uint16_t>(face.ascent);
  h.weight = static_cast<std::uint16_t>(face.weight);
  h.char_set = fnt::kAnsiCharset;
  h.pix_height = static_cast<std::uint16_t>(face.height);
  h.pitch_and_family = kVariablePitch | kFamilySwiss;
  int widest = 0, sum = 0, bytes = 0;
  for (const RasterGlyph& g : face.glyphs) {
    widest = std::max(widest, g.width);
    sum += g.width;
    bytes += (g.width + 7) / 8;
  }
  h.avg_width = static_cast<std::uint16_t>(face.glyphs.empty() ? 0 : sum / face.glyphs.size());
  h.max_width = static_cast<std::uint16_t>(widest);
  h.first_char = static_cast<std::uint8_t>(face.first_char);
  h.last_char = static_cast<std::uint8_t>(face.last_char);
  h.default_char = static_cast<std::uint8_t>(face.default_char - face.first_char);
  h.break_char = static_cast<std::uint8_t>(face.break_char - face.first_char);
  h.width_bytes = static_cast<std::uint16_t>((bytes + 1) & ~1);
  return h;
}

// One glyph in the FNT layout: byte columns of eight pixels, each column top to bottom.
void AppendGlyphBits(std::vector<std::uint8_t>& out, const RasterGlyph& g, int height) {
  for (int col = 0; col < (g.width + 7) / 8; ++col)
    for (int y = 0; y < height; ++y) {
      std::uint8_t byte = 0;
      for (int bit = 0; bit < 8; ++bit) {
        int x = col * 8 + bit;
        if (x < g.width && g.pixels[static_cast<std::size_t>(y) * g.width + x])
          byte |= static_cast<std::uint8_t>(0x80 >> bit);
      }
      out.push_back(byte);
    }
}

}  // namespace

std::vector<std::uint8_t> WriteFnt(const RasterFaceSpec& face, int version) {
  int count = face.last_char - face.first_char + 1;
  if ((version != 2 && version != 3) || face.first_char < 0 || face.last_char > 255 || count <= 0 ||
      static_cast<int>(face.glyphs.size()) != count || face.height <= 0 ||
      face.default_char < face.first_char || face.default_char > face.last_char ||
      face.break_char < face.first_char || face.break_char > face.last_char)
    return {};
  for (const RasterGlyph& g : face.glyphs)
    if (g.width < 0 || g.pixels.size() != static_cast<std::size_t>(g.width) * face.height)
      return {};

  fnt::FntHeader h = MakeHeader(face, version);
  std::size_t header_size = sizeof(h) + (version == 3 ? sizeof(fnt::FntHeaderV3Extra) : 0);
  std::size_t entry_size = version == 3 ? sizeof(fnt::CharEntryV3) : sizeof(fnt::CharEntryV2);
  // The table ends with one extra entry, as the format has it.
  std::size_t bits_at = header_size + entry_size * (count + 1);

  std::vector<std::uint8_t> bits;
  std::vector<std::uint32_t> offsets;
  for (const RasterGlyph& g : face.glyphs) {
    offsets.push_back(static_cast<std::uint32_t>(bits_at + bits.size()));
    AppendGlyphBits(bits, g, face.height);
  }
  std::uint32_t end_of_bits = static_cast<std::uint32_t>(bits_at + bits.size());
  if (version == 2 && end_of_bits > 0xFFFF) return {};

  std::vector<std::uint8_t> out;
  h.bits_offset = static_cast<std::uint32_t>(bits_at);
  h.face = end_of_bits;
  h.size = static_cast<std::uint32_t>(end_of_bits + face.face_name.size() + 1);
  Append(out, h);
  if (version == 3) {
    fnt::FntHeaderV3Extra extra{};
    Append(out, extra);
  }
  for (int i = 0; i <= count; ++i) {
    std::uint16_t width = i < count ? static_cast<std::uint16_t>(face.glyphs[i].width) : 0;
    std::uint32_t offset = i < count ? offsets[i] : end_of_bits;
    if (version == 3) {
      Append(out, fnt::CharEntryV3{width, offset});
    } else {
      Append(out, fnt::CharEntryV2{width, static_cast<std::uint16_t>(offset)});
    }
  }
  out.insert(out.end(), bits.begin(), bits.end());
  AppendString(out, face.face_name);
  return out;
}

std::vector<std::uint8_t> WriteFon(const RasterFaceSpec& face) {
  std::vector<std::uint8_t> font = WriteFnt(face, 2);
  if (font.empty()) font = WriteFnt(face, 3);
  if (font.empty()) return {};

  // The font directory: one entry, the font header without its bits pointer, then the
  // device and face names.
  std::vector<std::uint8_t> dir;
  Append(dir, std::uint16_t{1});
  Append(dir, kFontId);
  dir.insert(dir.end(), font.begin(), font.begin() + offsetof(fnt::FntHeader, bits_pointer));
  Append(dir, std::uint32_t{0});
  dir.push_back(0);
  AppendString(dir, face.face_name);

  std::vector<std::uint8_t> out(kNeHeaderAt, 0);
  fnt::MzHeader mz{};
  mz.magic = fnt::kMzMagic;
  mz.bytes_last_page = kNeHeaderAt;
  mz.pages = 1;
  mz.header_paragraphs = 4;
  mz.max_alloc = 0xFFFF;
  mz.relocation_offset = 0x40;
  mz.new_header = kNeHeaderAt;
  Put(out, 0, mz);

  std::vector<std::uint8_t> ne(sizeof(fnt::NeHeader), 0);
  // Resource table.
  std::size_t resource_table = ne.size();
  Append(ne, std::uint16_t{kAlignShift});
  std::size_t dir_entry = 0, font_entry = 0;
  Append(ne, fnt::NeTypeInfo{fnt::kTypeFontDir, 1, 0});
  dir_entry = ne.size();
  Append(ne, fnt::NeNameInfo{0, 0, kFontResourceFlags, 0x8000 | kFontId, 0});
  Append(ne, fnt::NeTypeInfo{fnt::kTypeFont, 1, 0});
  font_entry = ne.size();
  Append(ne, fnt::NeNameInfo{0, 0, kFontResourceFlags, 0x8000 | kFontId, 0});
  Append(ne, std::uint16_t{0});
  ne.push_back(0);  // no resource names
  // Resident names: the module name.
  std::size_t resident = ne.size();
  std::string module = face.face_name.empty() ? "FONT" : face.face_name;
  std::transform(module.begin(), module.end(), module.begin(),
                 [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; });
  AppendName(ne, module, 0);
  ne.push_back(0);
  std::size_t module_refs = ne.size();
  std::size_t imported = ne.size();
  ne.push_back(0);
  std::size_t entries = ne.size();
  ne.push_back(0);
  ne.push_back(0);
  // Non-resident names: the font description.
  std::size_t nonresident = ne.size();
  AppendName(ne, "FONTRES 100,96,96 : " + face.face_name + " " + std::to_string(face.points), 0);
  ne.push_back(0);

  fnt::NeHeader h{};
  h.magic = fnt::kNeMagic;
  h.linker_version = 5;
  h.linker_revision = 10;
  h.entry_table = static_cast<std::uint16_t>(entries);
  h.entry_table_size = 2;
  h.flags = 0x8300;  // a library module, protected mode
  h.segment_table = static_cast<std::uint16_t>(sizeof(fnt::NeHeader));
  h.resource_table = static_cast<std::uint16_t>(resource_table);
  h.resident_names = static_cast<std::uint16_t>(resident);
  h.module_ref_table = static_cast<std::uint16_t>(module_refs);
  h.imported_names = static_cast<std::uint16_t>(imported);
  h.nonresident_names = static_cast<std::uint32_t>(kNeHeaderAt + nonresident);
  h.nonresident_names_size = static_cast<std::uint16_t>(ne.size() - nonresident);
  h.alignment_shift = kAlignShift;
  h.target_os = 2;  // Windows
  h.expected_version = 0x0300;
  Put(ne, 0, h);

  out.insert(out.end(), ne.begin(), ne.end());
  auto place = [&](const std::vector<std::uint8_t>& data, std::size_t entry) {
    Align(out);
    std::uint16_t at = static_cast<std::uint16_t>(out.size() >> kAlignShift);
    std::uint16_t len =
        static_cast<std::uint16_t>((data.size() + (1u << kAlignShift) - 1) >> kAlignShift);
    Put(out, kNeHeaderAt + entry, at);
    Put(out, kNeHeaderAt + entry + 2, len);
    out.insert(out.end(), data.begin(), data.end());
  };
  place(dir, dir_entry);
  place(font, font_entry);
  Align(out);
  return out;
}

}  // namespace qb
