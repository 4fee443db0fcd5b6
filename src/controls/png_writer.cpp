#include "controls/png_writer.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "model/safe_file.h"

namespace qb {

namespace {

constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::size_t kMaxStoredBlock = 65535;
constexpr std::uint8_t kColorTypeRgb = 2;
constexpr std::uint8_t kFilterNone = 0;

void PutBe32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void Chunk(std::vector<std::uint8_t>& out, const char type[4],
           const std::vector<std::uint8_t>& data) {
  PutBe32(out, static_cast<std::uint32_t>(data.size()));
  std::size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  PutBe32(out, Crc32(out.data() + start, out.size() - start));
}

// A zlib stream of stored deflate blocks.
std::vector<std::uint8_t> StoredZlib(const std::vector<std::uint8_t>& raw) {
  std::vector<std::uint8_t> z = {0x78, 0x01};
  std::size_t pos = 0;
  do {
    std::size_t n = std::min(kMaxStoredBlock, raw.size() - pos);
    bool last = pos + n == raw.size();
    z.push_back(last ? 1 : 0);
    z.push_back(static_cast<std::uint8_t>(n));
    z.push_back(static_cast<std::uint8_t>(n >> 8));
    z.push_back(static_cast<std::uint8_t>(~n));
    z.push_back(static_cast<std::uint8_t>(~n >> 8));
    z.insert(z.end(), raw.begin() + static_cast<std::ptrdiff_t>(pos),
             raw.begin() + static_cast<std::ptrdiff_t>(pos + n));
    pos += n;
  } while (pos < raw.size());
  PutBe32(z, Adler32(raw.data(), raw.size()));
  return z;
}

}  // namespace

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc) {
  static const std::array<std::uint32_t, 256> kTable = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  crc = ~crc;
  for (std::size_t i = 0; i < size; ++i) crc = kTable[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
  return ~crc;
}

std::uint32_t Adler32(const std::uint8_t* data, std::size_t size) {
  constexpr std::uint32_t kMod = 65521;
  std::uint32_t a = 1, b = 0;
  for (std::size_t i = 0; i < size; ++i) {
    a = (a + data[i]) % kMod;
    b = (b + a) % kMod;
  }
  return (b << 16) | a;
}

std::vector<std::uint8_t> EncodePng(const PalmCanvas& canvas, int scale) {
  scale = std::max(scale, 1);
  const std::uint32_t w = static_cast<std::uint32_t>(canvas.Width() * scale);
  const std::uint32_t h = static_cast<std::uint32_t>(canvas.Height() * scale);
  std::vector<std::uint8_t> out(std::begin(kSignature), std::end(kSignature));

  std::vector<std::uint8_t> header;
  PutBe32(header, w);
  PutBe32(header, h);
  header.insert(header.end(), {8, kColorTypeRgb, 0, 0, 0});  // depth, colour, methods
  Chunk(out, "IHDR", header);

  std::vector<std::uint8_t> raw;
  raw.reserve(static_cast<std::size_t>(h) * (1 + 3 * w));
  for (std::uint32_t y = 0; y < h; ++y) {
    raw.push_back(kFilterNone);
    for (std::uint32_t x = 0; x < w; ++x) {
      Color c = canvas.At(static_cast<int>(x) / scale, static_cast<int>(y) / scale);
      raw.push_back(static_cast<std::uint8_t>(RedOf(c)));
      raw.push_back(static_cast<std::uint8_t>(GreenOf(c)));
      raw.push_back(static_cast<std::uint8_t>(BlueOf(c)));
    }
  }
  Chunk(out, "IDAT", StoredZlib(raw));
  Chunk(out, "IEND", {});
  return out;
}

bool WritePng(const std::string& path, const PalmCanvas& canvas, int scale) {
  std::vector<std::uint8_t> png = EncodePng(canvas, scale);
  return WriteFileAtomic(path, std::string_view(reinterpret_cast<const char*>(png.data()), png.size()));
}

}  // namespace qb
