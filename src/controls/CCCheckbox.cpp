#include "controls/CCCheckbox.h"

namespace qb {

TCCCheckbox::TCCCheckbox(ControlOwner* owner) : TControl(kClass, owner, 58, 13) {
  SetSelectColor(kBlue);
}

}  // namespace qb
