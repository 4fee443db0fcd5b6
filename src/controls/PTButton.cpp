#include "controls/PTButton.h"

namespace qb {

TPTButton::TPTButton(ControlOwner* owner) : TControl(kClass, owner, 40, 14) {
  SetColor(kWhite);
  SetSelectColor(kBlue);
}

}  // namespace qb
