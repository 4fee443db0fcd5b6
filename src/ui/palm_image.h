#pragma once

#include <QImage>

#include "controls/palm_canvas.h"

namespace qb::ui {

// A Palm picture as a Qt image, pixel for pixel (our colours keep red in the low byte).
QImage ToQImage(const PalmCanvas& canvas);
QImage ToQImage(const std::uint32_t* pixels, int width, int height);

}  // namespace qb::ui
