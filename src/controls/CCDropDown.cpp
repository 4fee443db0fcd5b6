#include "controls/CCDropDown.h"

namespace qb {

TCCDropDown::TCCDropDown(ControlOwner* owner) : TControl(kClass, owner, 35, 14) {
  SetSelectColor(kBlue);
}

void TCCDropDown::SetVisibleItems(int n) {
  visible_items_ = n;
  SetHeight(n * 11 + 3);
  Changed();
}

}  // namespace qb
