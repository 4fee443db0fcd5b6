#pragma once

// PNG files of canvas pictures, for the command line and screenshots: 8-bit RGB, stored
// (uncompressed) deflate blocks, so the encoder needs no outside library.

#include <cstdint>
#include <string>
#include <vector>

#include "controls/palm_canvas.h"

namespace qb {

// The PNG bytes of the canvas, each pixel scale × scale pixels in the file (scale ≥ 1).
std::vector<std::uint8_t> EncodePng(const PalmCanvas& canvas, int scale = 1);
// Writes the PNG through WriteFileAtomic; false (the old file kept) when it cannot be written.
bool WritePng(const std::string& path, const PalmCanvas& canvas, int scale = 1);

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc = 0);
std::uint32_t Adler32(const std::uint8_t* data, std::size_t size);

}  // namespace qb
