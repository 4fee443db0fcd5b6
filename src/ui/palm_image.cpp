#include "ui/palm_image.h"

namespace qb::ui {

QImage ToQImage(const std::uint32_t* pixels, int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < width; ++x) {
      std::uint32_t c = pixels[static_cast<std::size_t>(y) * width + x];
      line[x] = qRgb(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                     static_cast<int>((c >> 16) & 0xFF));
    }
  }
  return image;
}

QImage ToQImage(const PalmCanvas& canvas) {
  return ToQImage(canvas.Pixels().data(), canvas.Width(), canvas.Height());
}

void DrawEnlarged(QPainter& painter, const QWidget& widget, QImage picture) {
  if (picture.isNull()) return;
  const qreal ratio = widget.devicePixelRatioF();
  const QSize target(qRound(widget.width() * ratio), qRound(widget.height() * ratio));
  if (picture.size() != target)
    picture = picture.scaled(target, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  picture.setDevicePixelRatio(ratio);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.drawImage(0, 0, picture);
}

}  // namespace qb::ui
