#include "controls/PTDialog.h"

namespace qb {

TPTDialog::TPTDialog(ControlOwner* owner) : TPanel(kClass, owner, "Dialog") {
  SetSelectColor(kBlue);
}

void TPTDialog::SetTag(int tag) {
  ViewScope view(*this);
  TControl::SetTag(tag);
}

}  // namespace qb
