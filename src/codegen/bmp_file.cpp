#include "codegen/bmp_file.h"

#include <bit>
#include <cstring>

#include "codegen/bmp_format.h"

namespace qb {

namespace {

constexpr char kNotBitmap[] = "the file does not start with a bitmap header";
constexpr char kUnknownHeader[] = "the bitmap header is of an unknown kind";
constexpr char kBadSize[] = "the bitmap has no valid width and height";
constexpr char kBadPlanes[] = "the bitmap has more than one colour plane";
constexpr char kBadDepth[] = "the bitmap has an unsupported number of bits per pixel";
constexpr char kBadCompression[] = "the bitmap uses an unsupported compression";
constexpr char kBadPalette[] = "the bitmap's colour table is larger than its depth allows";
constexpr char kTruncated[] = "the bitmap's pixels lie beyond the end of the file";
constexpr char kBadRle[] = "the bitmap's compressed pixels do not fill its width and height";

// Decoders allocate width * height pixels; larger sizes are refused before they try.
constexpr std::int64_t kMaxDimension = 32768;

[[maybe_unused]] std::uint16_t Swap(std::uint16_t v) {
  return static_cast<std::uint16_t>((v << 8) | (v >> 8));
}
[[maybe_unused]] std::uint32_t Swap(std::uint32_t v) {
  return (v << 24) | ((v << 8) & 0x00FF0000u) | ((v >> 8) & 0x0000FF00u) | (v >> 24);
}
[[maybe_unused]] std::int32_t Swap(std::int32_t v) {
  return static_cast<std::int32_t>(Swap(static_cast<std::uint32_t>(v)));
}

// File order to host order and back; the same operation both ways.
template <typename T>
T Le(T v) {
  if constexpr (std::endian::native == std::endian::big) return Swap(v);
  return v;
}

template <typename Header>
Header ReadHeader(std::string_view bytes, std::size_t offset) {
  Header header;
  std::memcpy(&header, bytes.data() + offset, sizeof header);
  return header;
}

template <typename Header>
void AppendHeader(std::string& out, const Header& header) {
  out.append(reinterpret_cast<const char*>(&header), sizeof header);
}

std::int64_t Stride(std::int64_t width, int bits) { return (width * bits + 31) / 32 * 4; }

bool DepthAllowed(int bits, bool core) {
  switch (bits) {
    case 1:
    case 4:
    case 8:
    case 24:
      return true;
    case 16:
    case 32:
      return !core;
    default:
      return false;
  }
}

std::optional<BmpInfo> Fail(std::string* error, const char* reason) {
  if (error) *error = reason;
  return std::nullopt;
}

// The fields both header kinds share, widened.
struct Fields {
  std::int64_t width, height;  // height negative for top-down rows
  int planes, bits;
  std::uint32_t compression, colors_used, image_size;
  std::int64_t palette_entry;  // bytes per colour-table entry
};

std::optional<Fields> ReadFields(std::string_view bytes, std::uint32_t info_size) {
  if (info_size == sizeof(BmpCoreHeader)) {
    auto h = ReadHeader<BmpCoreHeader>(bytes, sizeof(BmpFileHeader));
    return Fields{Le(h.width), Le(h.height), Le(h.planes), Le(h.bit_count), kBmpRgb, 0, 0, 3};
  }
  switch (info_size) {
    case 40:
    case 52:
    case 56:
    case 64:
    case 108:
    case 124:
      break;
    default:
      return std::nullopt;
  }
  auto h = ReadHeader<BmpInfoHeader>(bytes, sizeof(BmpFileHeader));
  return Fields{Le(h.width),       Le(h.height),      Le(h.planes),     Le(h.bit_count),
                Le(h.compression), Le(h.colors_used), Le(h.image_size), 4};
}

bool CompressionAllowed(const Fields& f) {
  switch (f.compression) {
    case kBmpRgb:
      return true;
    case kBmpRle8:
      return f.bits == 8 && f.height > 0;
    case kBmpRle4:
      return f.bits == 4 && f.height > 0;
    case kBmpBitFields:
      return f.bits == 16 || f.bits == 32;
    default:
      return false;
  }
}

// Walks a run-length stream (4 or 8 bits a pixel) and tells whether it describes exactly
// the picture of the header: every run inside its row, every row filled to its width
// (pixels a delta moves over count as given), no row beyond the last, and the stream
// complete within its bytes. Pixels are not decoded; the file is copied as it is.
bool RleFillsPicture(std::string_view data, std::int64_t width, std::int64_t rows, int bits) {
  std::int64_t x = 0;
  std::int64_t y = 0;
  std::size_t pos = 0;
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(data[i]); };
  while (pos + 2 <= data.size()) {
    const unsigned first = byte(pos);
    const unsigned second = byte(pos + 1);
    pos += 2;
    if (first > 0) {  // a run of `first` pixels
      if (y >= rows || x + first > width) return false;
      x += first;
      continue;
    }
    switch (second) {
      case 0:  // end of line
        if (x != width) return false;
        x = 0;
        ++y;
        break;
      case 1:  // end of bitmap
        return (y == rows - 1 && x == width) || (y == rows && x == 0);
      case 2: {  // move right and down
        if (pos + 2 > data.size()) return false;
        const std::int64_t dx = byte(pos);
        const std::int64_t dy = byte(pos + 1);
        pos += 2;
        x += dx;
        y += dy;
        if (x > width || y > rows || (y == rows && x > 0)) return false;
        break;
      }
      default: {  // `second` pixels given one by one, padded to a 16-bit boundary
        const std::size_t count = second;
        const std::size_t bytes = bits == 8 ? count : (count + 1) / 2;
        const std::size_t padded = (bytes + 1) & ~std::size_t{1};
        if (y >= rows || x + static_cast<std::int64_t>(count) > width) return false;
        if (pos + padded > data.size()) return false;
        pos += padded;
        x += static_cast<std::int64_t>(count);
        break;
      }
    }
  }
  // A stream without its end mark is whole only when its last line ended on the last row.
  return y == rows && x == 0;
}

}  // namespace

std::string EncodeBmp(const IndexedBitmap& bitmap) {
  const std::int64_t stride = Stride(bitmap.width, bitmap.bits);
  const auto image_size = static_cast<std::uint32_t>(stride * bitmap.height);
  const auto palette_size = static_cast<std::uint32_t>(bitmap.palette.size() * 4);
  const std::uint32_t offset = sizeof(BmpFileHeader) + sizeof(BmpInfoHeader) + palette_size;

  BmpFileHeader file{{'B', 'M'}, Le(offset + image_size), 0, 0, Le(offset)};
  BmpInfoHeader info{};
  info.size = Le<std::uint32_t>(sizeof(BmpInfoHeader));
  info.width = Le<std::int32_t>(bitmap.width);
  info.height = Le<std::int32_t>(bitmap.height);
  info.planes = Le<std::uint16_t>(1);
  info.bit_count = Le(static_cast<std::uint16_t>(bitmap.bits));
  info.compression = Le(kBmpRgb);
  info.image_size = Le(image_size);
  info.colors_used = Le(static_cast<std::uint32_t>(bitmap.palette.size()));

  std::string out;
  out.reserve(offset + image_size);
  AppendHeader(out, file);
  AppendHeader(out, info);
  for (std::uint32_t rgb : bitmap.palette) {
    const char quad[4] = {static_cast<char>(rgb & 0xFF), static_cast<char>((rgb >> 8) & 0xFF),
                          static_cast<char>((rgb >> 16) & 0xFF), 0};
    out.append(quad, 4);
  }
  const int per_byte = 8 / bitmap.bits;
  for (int y = bitmap.height - 1; y >= 0; --y) {
    std::string row(static_cast<std::size_t>(stride), '\0');
    for (int x = 0; x < bitmap.width; ++x) {
      const unsigned index = bitmap.pixels[static_cast<std::size_t>(y * bitmap.width + x)];
      const int shift = 8 - bitmap.bits * (x % per_byte + 1);
      auto& byte = reinterpret_cast<unsigned char&>(row[static_cast<std::size_t>(x / per_byte)]);
      byte = static_cast<unsigned char>(byte | ((index & ((1u << bitmap.bits) - 1)) << shift));
    }
    out += row;
  }
  return out;
}

std::optional<BmpInfo> InspectBmp(std::string_view bytes, std::string* error) {
  constexpr std::int64_t kFileHeader = sizeof(BmpFileHeader);
  const auto size = static_cast<std::int64_t>(bytes.size());
  if (size < kFileHeader + 4) return Fail(error, kNotBitmap);
  const auto file = ReadHeader<BmpFileHeader>(bytes, 0);
  if (file.type[0] != 'B' || file.type[1] != 'M') return Fail(error, kNotBitmap);
  const std::uint32_t info_size = Le(ReadHeader<std::uint32_t>(bytes, kFileHeader));
  if (kFileHeader + std::int64_t{info_size} > size) return Fail(error, kTruncated);
  const std::optional<Fields> f = ReadFields(bytes, info_size);
  if (!f) return Fail(error, kUnknownHeader);

  const std::int64_t rows = f->height < 0 ? -f->height : f->height;
  if (f->width <= 0 || rows == 0 || f->width > kMaxDimension || rows > kMaxDimension)
    return Fail(error, kBadSize);
  if (f->planes != 1) return Fail(error, kBadPlanes);
  const bool core = info_size == sizeof(BmpCoreHeader);
  if (!DepthAllowed(f->bits, core)) return Fail(error, kBadDepth);
  if (!CompressionAllowed(*f)) return Fail(error, kBadCompression);

  std::int64_t colors = f->colors_used;
  if (f->bits <= 8) {
    if (colors > (std::int64_t{1} << f->bits)) return Fail(error, kBadPalette);
    if (colors == 0) colors = std::int64_t{1} << f->bits;
  } else {
    colors = 0;  // a colour table beside true-colour pixels is optional and unused
  }
  const bool masks_follow = f->compression == kBmpBitFields && info_size == sizeof(BmpInfoHeader);
  const std::int64_t table_end =
      kFileHeader + info_size + (masks_follow ? 12 : 0) + colors * f->palette_entry;
  const std::int64_t offset = Le(file.pixel_offset);
  if (table_end > offset || offset > size) return Fail(error, kTruncated);
  const std::int64_t pixel_bytes = f->compression == kBmpRle8 || f->compression == kBmpRle4
                                       ? std::int64_t{f->image_size}
                                       : Stride(f->width, f->bits) * rows;
  if (pixel_bytes > size - offset || (pixel_bytes == 0 && offset == size))
    return Fail(error, kTruncated);
  if (f->compression == kBmpRle8 || f->compression == kBmpRle4) {
    const std::int64_t stream = pixel_bytes > 0 ? pixel_bytes : size - offset;
    if (!RleFillsPicture(
            bytes.substr(static_cast<std::size_t>(offset), static_cast<std::size_t>(stream)),
            f->width, rows, f->bits))
      return Fail(error, kBadRle);
  }
  return BmpInfo{static_cast<int>(f->width), static_cast<int>(rows), f->bits};
}

}  // namespace qb
