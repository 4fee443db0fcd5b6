#include "controls/PTGsi.h"

namespace qb {

TPTGsi::TPTGsi(ControlOwner* owner) : TControl(kClass, owner, kGsiWidth, kGsiHeight) {
  SetSelectColor(kBlue);
}

}  // namespace qb
