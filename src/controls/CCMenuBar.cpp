#include "controls/CCMenuBar.h"

namespace qb {

TCCMenuBar::TCCMenuBar(ControlOwner* owner) : TControl(kClass, owner, 160, 15) {}

void TCCMenuBar::SetTest(int v) {
  test_ = v;
  SetVisible(v != 0);
  Changed();
}

}  // namespace qb
