#pragma once

// The zoom's usual source: the designer window's form picture, painted with the Palm faces.

#include "app/frmZoom2x.h"
#include "controls/font_registry.h"
#include "controls/form_picture.h"

namespace qb {

class FormPictureSource : public ZoomSource {
 public:
  explicit FormPictureSource(const FontRegistry& fonts) : picture_(fonts) {}
  ZoomImage DesignerPicture(TChildFrm& window) override;

 private:
  FormPicture picture_;
};

}  // namespace qb
