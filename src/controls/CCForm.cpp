#include "controls/CCForm.h"

namespace qb {

TCCForm::TCCForm(ControlOwner* owner) : TPanel(kClass, owner, "Form1") {
  SetName("panScreen");
  SetColor(kWhite);
}

void TCCForm::SetColorFormFill(const qb::Color& c) {
  color_form_fill_ = c;
  SetColor(c);
}

}  // namespace qb
