#include "controls/palm_font.h"

#include <cstring>

#include "controls/fnt_format.h"
#include "model/safe_file.h"

namespace qb {

namespace {

// No raster font comes near these; larger values mean a damaged or hostile file.
constexpr int kMaxCellHeight = 255;
constexpr int kMaxGlyphWidth = 1024;
constexpr std::size_t kMaxFileSize = 16u << 20;
constexpr int kMaxResourceTypes = 256;

// Copies a structure out of the data; false when it does not fit at that offset.
template <typename T>
bool ReadAt(std::span<const std::uint8_t> data, std::uint64_t offset, T* out) {
  if (offset > data.size() || data.size() - offset < sizeof(T)) return false;
  std::memcpy(out, data.data() + offset, sizeof(T));
  return true;
}

std::string CString(std::span<const std::uint8_t> data, std::uint64_t offset) {
  std::string s;
  for (std::uint64_t i = offset; i < data.size() && data[i] != 0; ++i)
    s.push_back(static_cast<char>(data[i]));
  return s;
}

// The data of every FONT resource of an NE executable, in table order.
bool FontResources(std::span<const std::uint8_t> data,
                   std::vector<std::span<const std::uint8_t>>* out, std::string* error) {
  fnt::MzHeader mz;
  fnt::NeHeader ne;
  if (!ReadAt(data, 0, &mz) || !ReadAt(data, mz.new_header, &ne) || ne.magic != fnt::kNeMagic) {
    *error = "not a 16-bit Windows executable";
    return false;
  }
  std::uint64_t pos = std::uint64_t{mz.new_header} + ne.resource_table;
  std::uint16_t shift = 0;
  if (!ReadAt(data, pos, &shift) || shift > 16) {
    *error = "damaged resource table";
    return false;
  }
  pos += sizeof(shift);
  for (int t = 0; t < kMaxResourceTypes; ++t) {
    fnt::NeTypeInfo type;
    if (!ReadAt(data, pos, &type)) break;
    if (type.type_id == 0) break;
    pos += sizeof(type);
    for (int i = 0; i < type.count; ++i, pos += sizeof(fnt::NeNameInfo)) {
      fnt::NeNameInfo name;
      if (!ReadAt(data, pos, &name)) {
        *error = "damaged resource table";
        return false;
      }
      if (type.type_id != fnt::kTypeFont) continue;
      std::uint64_t offset = std::uint64_t{name.offset} << shift;
      std::uint64_t length = std::uint64_t{name.length} << shift;
      if (offset >= data.size()) continue;
      if (length > data.size() - offset) length = data.size() - offset;
      out->push_back(data.subspan(offset, length));
    }
  }
  if (out->empty()) *error = "no font resource";
  return !out->empty();
}

}  // namespace

std::optional<PalmFace> PalmFace::FromFnt(std::span<const std::uint8_t> data, std::string* error) {
  std::string ignored;
  if (!error) error = &ignored;
  fnt::FntHeader h;
  if (!ReadAt(data, 0, &h)) {
    *error = "font header cut short";
    return std::nullopt;
  }
  if (h.version != fnt::kVersion2 && h.version != fnt::kVersion3) {
    *error = "not a version 2 or 3 raster font";
    return std::nullopt;
  }
  if (h.type & fnt::kTypeVector) {
    *error = "a vector font";
    return std::nullopt;
  }
  std::uint64_t table = sizeof(fnt::FntHeader);
  std::uint64_t entry_size = sizeof(fnt::CharEntryV2);
  if (h.version == fnt::kVersion3) {
    fnt::FntHeaderV3Extra extra;
    if (!ReadAt(data, sizeof(h), &extra)) {
      *error = "font header cut short";
      return std::nullopt;
    }
    if (extra.flags & fnt::kColorFlags) {
      *error = "not one bit per pixel";
      return std::nullopt;
    }
    table += sizeof(extra);
    entry_size = sizeof(fnt::CharEntryV3);
  }
  if (h.pix_height == 0 || h.pix_height > kMaxCellHeight || h.first_char > h.last_char) {
    *error = "implausible font metrics";
    return std::nullopt;
  }

  PalmFace face;
  face.height_ = h.pix_height;
  face.ascent_ = h.ascent > h.pix_height ? h.pix_height : h.ascent;
  face.first_char_ = h.first_char;
  face.last_char_ = h.last_char;
  int def = h.first_char + h.default_char;
  face.default_char_ = def <= h.last_char ? def : h.first_char;
  int count = h.last_char - h.first_char + 1;
  if (table + static_cast<std::uint64_t>(count) * entry_size > data.size()) {
    *error = "character table cut short";
    return std::nullopt;
  }
  for (int i = 0; i < count; ++i) {
    std::uint64_t at = table + static_cast<std::uint64_t>(i) * entry_size;
    Entry e{};
    if (h.version == fnt::kVersion3) {
      fnt::CharEntryV3 raw{};
      ReadAt(data, at, &raw);
      e = {raw.width, raw.offset};
    } else {
      fnt::CharEntryV2 raw{};
      ReadAt(data, at, &raw);
      e = {raw.width, raw.offset};
    }
    std::uint64_t bytes = static_cast<std::uint64_t>((e.width + 7) / 8) * face.height_;
    if (e.width > kMaxGlyphWidth || e.offset > data.size() || data.size() - e.offset < bytes) {
      *error = "glyph " + std::to_string(h.first_char + i) + " lies outside the font";
      return std::nullopt;
    }
    face.entries_.push_back(e);
  }
  face.face_name_ = CString(data, h.face);
  face.data_.assign(data.begin(), data.end());
  return face;
}

std::optional<PalmFace> PalmFace::FromFile(std::span<const std::uint8_t> data, std::string* error) {
  std::string ignored;
  if (!error) error = &ignored;
  std::uint16_t magic = 0;
  if (!ReadAt(data, 0, &magic)) {
    *error = "empty file";
    return std::nullopt;
  }
  if (magic != fnt::kMzMagic) return FromFnt(data, error);
  std::vector<std::span<const std::uint8_t>> fonts;
  if (!FontResources(data, &fonts, error)) return std::nullopt;
  for (auto font : fonts) {
    auto face = FromFnt(font, error);
    if (face) return face;
  }
  return std::nullopt;
}

std::optional<PalmFace> PalmFace::Load(const std::string& path, std::string* error) {
  std::string ignored;
  if (!error) error = &ignored;
  // A folder, a FIFO or a device under a face's name is refused, never read without end.
  ReadResult read = ReadRegularFile(path, kMaxFileSize);
  switch (read.status) {
    case ReadStatus::kOk:
      break;
    case ReadStatus::kTooLarge:
      *error = "file too large for a raster font";
      return std::nullopt;
    case ReadStatus::kNotRegular:
      *error = "cannot open " + path + ": not a file";
      return std::nullopt;
    default:
      *error = "cannot open " + path;
      return std::nullopt;
  }
  std::vector<std::uint8_t> data(read.bytes.begin(), read.bytes.end());
  return FromFile(data, error);
}

GlyphView PalmFace::Glyph(int code) const {
  if (!HasGlyph(code)) code = default_char_;
  if (!HasGlyph(code)) return {};
  const Entry& e = entries_[code - first_char_];
  return {data_.data() + e.offset, e.width, height_};
}

int PalmFace::TextWidth(std::string_view utf8) const {
  int width = 0;
  std::size_t pos = 0;
  while (pos < utf8.size()) width += Glyph(NextCp1252(utf8, &pos)).width;
  return width;
}

}  // namespace qb
