#include "controls/CCButton.h"

namespace qb {

TCCButton::TCCButton(ControlOwner* owner) : TControl(kClass, owner, 40, 14) {
  SetSelectColor(kBlue);
}

}  // namespace qb
