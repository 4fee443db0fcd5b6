#include "app/zoom_picture.h"

namespace qb {

// Painting may correct a control's size, so the picture needs the window itself, not a copy.
ZoomImage FormPictureSource::DesignerPicture(TChildFrm& window) {
  const PalmCanvas& canvas = picture_.Render(window.Client());
  ZoomImage image;
  image.width = canvas.Width();
  image.height = canvas.Height();
  image.pixels = canvas.Pixels();
  return image;
}

}  // namespace qb
