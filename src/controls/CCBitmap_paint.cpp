#include "controls/CCBitmap_paint.h"

#include "controls/CCBitmap.h"
#include "controls/palm_look.h"

namespace qb {

namespace {

constexpr int kBitsPerDigit = 4;

// A hexadecimal digit's value; anything else counts as 0.
int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return 0;
}

}  // namespace

void PaintCCBitmap(TControl& control, PalmCanvas& canvas, const PaintContext& context) {
  auto& bitmap = static_cast<TCCBitmap&>(control);
  TakeFormBackground(bitmap, canvas, context);

  // Each row holds whole digits: the width rounded up to a multiple of four.
  const int digits_per_row = (bitmap.Width() + kBitsPerDigit - 1) / kBitsPerDigit;
  if (digits_per_row > 0) {
    const std::string& bits = bitmap.StringBits();
    int x = 0, y = 0;
    for (std::size_t k = 1; k <= bits.size() && y < bitmap.Height(); ++k) {
      const int value = HexValue(bits[k - 1]);
      for (int bit = kBitsPerDigit - 1; bit >= 0; --bit, ++x)
        if ((value >> bit) & 1) canvas.SetPixel(x, y, bitmap.ColorFore());
      if (k % static_cast<std::size_t>(digits_per_row) == 0) {
        ++y;
        x = 0;
      }
    }
  }

  DrawSelectionMarks(canvas, bitmap);
}

}  // namespace qb
