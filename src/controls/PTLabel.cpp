#include "controls/PTLabel.h"

namespace qb {

TPTLabel::TPTLabel(ControlOwner* owner) : TControl(kClass, owner, 32, 13) { SetSelectColor(kBlue); }

}  // namespace qb
