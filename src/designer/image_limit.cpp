#include "designer/image_limit.h"

#include "controls/CCBitmap.h"
#include "model/captions.h"

namespace qb {

void HoldImageSize(TControl& control, Ui& ui) {
  if (control.Class() != ControlClass::kCCBitmap) return;
  if (control.Width() > kImageMaxSize) {
    ui.MessageBox(kCaptionError, kImageWidthMessage, MsgIcon::kError, kMbOk, kMbOk);
    control.SetWidth(kImageMaxSize);
  }
  if (control.Height() > kImageMaxSize) {
    ui.MessageBox(kCaptionError, kImageHeightMessage, MsgIcon::kError, kMbOk, kMbOk);
    control.SetHeight(kImageMaxSize);
  }
}

void HoldImageSizes(TChildFrm& form, Ui& ui) {
  for (TControl* c : form.AllControls()) HoldImageSize(*c, ui);
}

}  // namespace qb
