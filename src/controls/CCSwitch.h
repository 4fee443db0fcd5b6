#pragma once

#include "controls/control.h"

namespace qb {

// A CControls switch; the PToolboxLib push button (Tag = group number).
class TCCSwitch : public TControl {
 public:
  static constexpr ControlClass kClass = ControlClass::kCCSwitch;
  explicit TCCSwitch(ControlOwner* owner);

  QB_PROPERTY(std::string, Content, content_)
  QB_PROPERTY(int, Line, line_)
  QB_PROPERTY(int, Radius, radius_)
  QB_PROPERTY(int, State, state_)

 private:
  std::string content_;
  int line_ = 1;
  int radius_ = 0;
  int state_ = 0;
};

}  // namespace qb
