#pragma once

// A core-made picture as a QImage, pixel for pixel, for the editors' grid and samples.

#include <QImage>

#include "controls/palm_canvas.h"

namespace qb::ui {

QImage CanvasImage(const PalmCanvas& canvas);

}  // namespace qb::ui
