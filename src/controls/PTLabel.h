#pragma once

#include "controls/control.h"

namespace qb {

// Sizes itself to its text when drawn; Left and Top are used directly.
class TPTLabel : public TControl {
 public:
  static constexpr ControlClass kClass = ControlClass::kPTLabel;
  explicit TPTLabel(ControlOwner* owner);

  QB_PROPERTY(std::string, Content, content_)
  QB_PROPERTY(qb::Color, ColorText, color_text_)

 private:
  std::string content_;
  qb::Color color_text_ = kBlack;
};

}  // namespace qb
