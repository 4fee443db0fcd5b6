#include "designer/menus.h"

namespace qb {

void OpenMenu(TChildFrm& form, TCCMenu& menu) {
  if (menu.Test() == 0) return;
  // Which menu is open is view state.
  TChildFrm::ViewScope view(form);
  if (TCCMenuBar* bar = FindMenuBar(form)) bar->SetTest(1);
  for (const auto& child : form.Client().Children()) {
    auto* other = As<TCCMenu>(child.get());
    if (!other || other == &menu) continue;
    other->SetTest(0);
    other->SetVisible(true);
  }
}

}  // namespace qb
