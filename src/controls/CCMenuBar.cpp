#include "controls/CCMenuBar.h"

namespace qb {

TCCMenuBar::TCCMenuBar(ControlOwner* owner) : TControl(kClass, owner, 160, 15) {}

// Showing the bar is view state.
void TCCMenuBar::SetTest(int v) {
  ViewScope view(*this);
  test_ = v;
  SetVisible(v != 0);
  Changed();
}

}  // namespace qb
