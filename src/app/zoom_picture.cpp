#include "app/zoom_picture.h"

namespace qb {

namespace {

ZoomImage ImageOf(const PalmCanvas& canvas) {
  ZoomImage image;
  image.width = canvas.Width();
  image.height = canvas.Height();
  image.pixels = canvas.Pixels();
  return image;
}

}  // namespace

// Painting may correct a control's size, so the picture needs the window itself, not a copy.
ZoomImage FormPictureSource::DesignerPicture(TChildFrm& window) {
  return ImageOf(picture_.Render(window.Client()));
}

bool FormPictureSource::ColorEditorSelectVisible() {
  return ColorEditorVisible() && color_editor_->open->DateSampleVisible();
}

ZoomImage FormPictureSource::ColorEditorSample() {
  if (!ColorEditorVisible()) return {};
  return ImageOf(color_editor_->open->ShownSamplePicture());
}

}  // namespace qb
