#include "controls/PTPopTrigger.h"

namespace qb {

TPTPopTrigger::TPTPopTrigger(ControlOwner* owner) : TControl(kClass, owner, 35, 15) {
  SetSelectColor(kBlue);
}

}  // namespace qb
