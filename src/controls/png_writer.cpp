#include "controls/png_writer.h"

#include <png.h>

#include <algorithm>
#include <string_view>

#include "model/safe_file.h"

namespace qb {

namespace {

constexpr int kBytesPerPixel = 3;

// The canvas as RGB rows, scaled.
std::vector<std::uint8_t> Rows(const PalmCanvas& canvas, int scale, std::size_t w, std::size_t h) {
  std::vector<std::uint8_t> rows;
  rows.reserve(w * h * kBytesPerPixel);
  for (std::size_t y = 0; y < h; ++y) {
    for (std::size_t x = 0; x < w; ++x) {
      const Color c = canvas.At(static_cast<int>(x) / scale, static_cast<int>(y) / scale);
      rows.push_back(static_cast<std::uint8_t>(RedOf(c)));
      rows.push_back(static_cast<std::uint8_t>(GreenOf(c)));
      rows.push_back(static_cast<std::uint8_t>(BlueOf(c)));
    }
  }
  return rows;
}

}  // namespace

std::vector<std::uint8_t> EncodePng(const PalmCanvas& canvas, int scale) {
  scale = std::max(scale, 1);
  const auto w = static_cast<std::size_t>(canvas.Width()) * static_cast<std::size_t>(scale);
  const auto h = static_cast<std::size_t>(canvas.Height()) * static_cast<std::size_t>(scale);
  if (w == 0 || h == 0 || w > PNG_UINT_31_MAX || h > PNG_UINT_31_MAX) return {};
  const std::vector<std::uint8_t> rows = Rows(canvas, scale, w, h);

  // libpng's simplified interface: no setjmp, failures come back as a result.
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(w);
  image.height = static_cast<png_uint_32>(h);
  image.format = PNG_FORMAT_RGB;
  png_alloc_size_t size = 0;
  if (!png_image_write_to_memory(&image, nullptr, &size, 0, rows.data(), 0, nullptr)) {
    png_image_free(&image);
    return {};
  }
  std::vector<std::uint8_t> png(size);
  if (!png_image_write_to_memory(&image, png.data(), &size, 0, rows.data(), 0, nullptr)) {
    png_image_free(&image);
    return {};
  }
  png.resize(size);
  return png;
}

bool WritePng(const std::string& path, const PalmCanvas& canvas, int scale) {
  std::vector<std::uint8_t> png = EncodePng(canvas, scale);
  if (png.empty()) return false;
  return WriteFileAtomic(path,
                         std::string_view(reinterpret_cast<const char*>(png.data()), png.size()));
}

}  // namespace qb
