#include "controls/PTEdit.h"

namespace qb {

TPTEdit::TPTEdit(ControlOwner* owner) : TControl(kClass, owner, 32, 15) {
  SetTag(1);
  SetSelectColor(kBlue);
}

}  // namespace qb
