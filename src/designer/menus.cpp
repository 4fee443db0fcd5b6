#include "designer/menus.h"

namespace qb {

void OpenMenu(TChildFrm& form, TCCMenu& menu) {
  if (menu.Test() == 0) return;
  // Which menu is open is view state.
  TChildFrm::ViewScope view(form);
  for (const auto& child : form.Client().Children()) {
    if (auto* bar = As<TCCMenuBar>(child.get())) {
      bar->SetTest(1);
    } else if (auto* other = As<TCCMenu>(child.get()); other && other != &menu) {
      other->SetTest(0);
      other->SetVisible(true);
    }
  }
}

}  // namespace qb
