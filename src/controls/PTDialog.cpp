#include "controls/PTDialog.h"

namespace qb {

TPTDialog::TPTDialog(ControlOwner* owner) : TControl(kClass, owner, 160, 160) {
  SetSelectColor(kBlue);
}

}  // namespace qb
