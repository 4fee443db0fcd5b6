#pragma once

#include <QImage>
#include <QPainter>
#include <QWidget>

#include "controls/palm_canvas.h"

namespace qb::ui {

// A Palm picture as a Qt image, pixel for pixel (our colours keep red in the low byte).
QImage ToQImage(const PalmCanvas& canvas);
QImage ToQImage(const std::uint32_t* pixels, int width, int height);

// Draws a Palm picture over the whole widget, enlarged pixel for pixel to the widget's size in
// pixels of the screen, so that neither the scale nor a screen scale factor ever smooths it.
void DrawEnlarged(QPainter& painter, const QWidget& widget, QImage picture);

}  // namespace qb::ui
