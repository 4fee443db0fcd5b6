#include "controls/PTList.h"

namespace qb {

TPTList::TPTList(ControlOwner* owner) : TControl(kClass, owner, 35, 25) { SetSelectColor(kBlue); }

void TPTList::SetMaxItems(int n) {
  max_items_ = n;
  SetHeight(n * row_height_ + 3);
  Changed();
}

void TPTList::SetStyle(int v) {
  style_ = v;
  if (v != 1) trigger_ = kNoneChoice;
  Changed();
}

void TPTList::SetTrigger(const std::string& v) {
  trigger_ = v;
  if (v != kNoneChoice) style_ = 1;
  Changed();
}

}  // namespace qb
