#include "controls/PTCheckBox.h"

namespace qb {

TPTCheckbox::TPTCheckbox(ControlOwner* owner) : TControl(kClass, owner, 58, 13) {
  SetSelectColor(kBlue);
}

}  // namespace qb
