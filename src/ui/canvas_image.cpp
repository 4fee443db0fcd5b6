#include "ui/canvas_image.h"

namespace qb::ui {

QImage CanvasImage(const PalmCanvas& canvas) {
  QImage image(canvas.Width(), canvas.Height(), QImage::Format_RGB32);
  for (int y = 0; y < canvas.Height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < canvas.Width(); ++x) {
      const Color c = canvas.At(x, y);
      line[x] = qRgb(RedOf(c), GreenOf(c), BlueOf(c));
    }
  }
  return image;
}

}  // namespace qb::ui
