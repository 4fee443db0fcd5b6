#include "controls/PTDialog.h"

namespace qb {

TPTDialog::TPTDialog(ControlOwner* owner) : TControl(kClass, owner, 160, 160) {
  SetSelectColor(kBlue);
}

void TPTDialog::SetTag(int tag) {
  ViewScope view(*this);
  TControl::SetTag(tag);
}

}  // namespace qb
