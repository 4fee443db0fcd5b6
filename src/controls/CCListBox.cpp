#include "controls/CCListBox.h"

#include "model/datamod.h"

namespace qb {

TCCListBox::TCCListBox(ControlOwner* owner) : TControl(kClass, owner, 35, 14) {}

int TCCListBox::VisibleItems() const { return NearestDiv(Height(), 11); }

void TCCListBox::SetVisibleItems(int n) { SetHeight(n * 11 + 2); }

}  // namespace qb
