#include "controls/CCTable.h"

#include "model/datamod.h"

namespace qb {

TCCTable::TCCTable(ControlOwner* owner) : TControl(kClass, owner, 77, 46) {
  SetColor(kWhite);
  SetSelectColor(kBlue);
}

int TCCTable::VisibleRows() const { return NearestDiv(Height(), 11); }

void TCCTable::SetVisibleRows(int n) { SetHeight(n * 11 + 2); }

}  // namespace qb
