#include "controls/CCLabel.h"

namespace qb {

TCCLabel::TCCLabel(ControlOwner* owner) : TCCLabel(kClass, owner, 1, 2) {}

TCCLabel::TCCLabel(ControlClass cls, ControlOwner* owner, int line, int style)
    : TControl(cls, owner, 32, 13), line_(line), style_(style) {
  SetSelectColor(kBlue);
}

}  // namespace qb
