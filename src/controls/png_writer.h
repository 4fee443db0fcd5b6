#pragma once

// PNG files of canvas pictures, for the command line, the manual's pictures and screenshots:
// 8-bit RGB, compressed by libpng.

#include <cstdint>
#include <string>
#include <vector>

#include "controls/palm_canvas.h"

namespace qb {

// The PNG bytes of the canvas, each pixel scale × scale pixels in the file (scale ≥ 1);
// empty when the encoder fails (a picture too large for memory).
std::vector<std::uint8_t> EncodePng(const PalmCanvas& canvas, int scale = 1);
// Writes the PNG through WriteFileAtomic; false (the old file kept) when it cannot be made or
// written.
bool WritePng(const std::string& path, const PalmCanvas& canvas, int scale = 1);

}  // namespace qb
