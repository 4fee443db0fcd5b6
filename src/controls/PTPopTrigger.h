#pragma once

#include "controls/control.h"

namespace qb {

class TPTPopTrigger : public TControl {
 public:
  static constexpr ControlClass kClass = ControlClass::kPTPopTrigger;
  explicit TPTPopTrigger(ControlOwner* owner);

  QB_PROPERTY(std::string, Text, text_)
  // Overwritten with the form's text colour whenever the trigger is drawn.
  const qb::Color& ColorText() const { return color_text_; }
  void SetColorText(const qb::Color& c) { color_text_ = c; }

 private:
  std::string text_ = "Pop";
  qb::Color color_text_ = kBlack;
};

}  // namespace qb
