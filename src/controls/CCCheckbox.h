#pragma once

#include "controls/control.h"

namespace qb {

class TCCCheckbox : public TControl {
 public:
  static constexpr ControlClass kClass = ControlClass::kCCCheckbox;
  explicit TCCCheckbox(ControlOwner* owner);

  QB_PROPERTY(std::string, Content, content_)
  QB_PROPERTY(int, State, state_)

 private:
  std::string content_;
  int state_ = 0;
};

}  // namespace qb
