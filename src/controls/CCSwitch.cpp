#include "controls/CCSwitch.h"

namespace qb {

TCCSwitch::TCCSwitch(ControlOwner* owner) : TControl(kClass, owner, 32, 14) {
  SetSelectColor(kBlue);
}

}  // namespace qb
