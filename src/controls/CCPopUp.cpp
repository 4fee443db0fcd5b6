#include "controls/CCPopUp.h"

#include "model/datamod.h"

namespace qb {

TCCPopUp::TCCPopUp(ControlOwner* owner) : TControl(kClass, owner, 35, 14) { SetSelectColor(kBlue); }

int TCCPopUp::VisibleItems() const { return NearestDiv(Height() - 3, 11); }

void TCCPopUp::SetVisibleItems(int n) { SetHeight(n * 11 + 3); }

void TCCPopUp::SetTest(int v) {
  test_ = v;
  SetVisible(v != 0);
  Changed();
}

}  // namespace qb
