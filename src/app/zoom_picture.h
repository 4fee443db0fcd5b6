#pragma once

// The zoom's usual source: the designer window's form picture, painted with the Palm faces,
// or the dialog-colour editor's sample while that editor is up.

#include "app/frmZoom2x.h"
#include "controls/font_registry.h"
#include "controls/form_picture.h"
#include "properties/frmPropSelect.h"

namespace qb {

class FormPictureSource : public ZoomSource {
 public:
  explicit FormPictureSource(const FontRegistry& fonts) : picture_(fonts) {}
  ZoomImage DesignerPicture(TChildFrm& window) override;

  // The slot that EditPickerColors fills while the colour editor is up.
  void WatchColorEditor(const ColorEditorSlot* slot) { color_editor_ = slot; }
  bool ColorEditorVisible() override { return color_editor_ && color_editor_->open; }
  bool ColorEditorSelectVisible() override;
  ZoomImage ColorEditorSample() override;

 private:
  FormPicture picture_;
  const ColorEditorSlot* color_editor_ = nullptr;
};

}  // namespace qb
