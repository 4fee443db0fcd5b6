#include "controls/CCBitmap.h"

namespace qb {

TCCBitmap::TCCBitmap(ControlOwner* owner) : TControl(kClass, owner, 20, 20) {}

}  // namespace qb
