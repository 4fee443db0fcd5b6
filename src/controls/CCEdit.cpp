#include "controls/CCEdit.h"

namespace qb {

TCCEdit::TCCEdit(ControlOwner* owner) : TCCLabel(kClass, owner, 2, 1) {}

}  // namespace qb
