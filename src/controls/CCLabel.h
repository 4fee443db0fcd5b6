#pragma once

#include "controls/control.h"

namespace qb {

// Line: 0 white (none), 1 black, 2 gray (dotted). Style: 0 plain, 1 underlined, 2 boxed.
class TCCLabel : public TControl {
 public:
  static constexpr ControlClass kClass = ControlClass::kCCLabel;
  explicit TCCLabel(ControlOwner* owner);

  QB_PROPERTY(std::string, Content, content_)
  QB_PROPERTY(int, Line, line_)
  QB_PROPERTY(int, Style, style_)

 protected:
  TCCLabel(ControlClass cls, ControlOwner* owner, int line, int style);

 private:
  std::string content_;
  int line_;
  int style_;
};

}  // namespace qb
