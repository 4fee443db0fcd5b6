#pragma once

#include "controls/control.h"

namespace qb {

class TPTCheckbox : public TControl {
 public:
  static constexpr ControlClass kClass = ControlClass::kPTCheckbox;
  explicit TPTCheckbox(ControlOwner* owner);

  QB_PROPERTY(std::string, Content, content_)
  QB_PROPERTY(int, State, state_)
  // A byte: stored modulo 256.
  int GroupNumber() const { return group_number_; }
  void SetGroupNumber(int v) { group_number_ = static_cast<unsigned char>(v); }
  // Saved; the drawing uses the form's text colour.
  QB_PROPERTY(qb::Color, ColorText, color_text_)

 private:
  std::string content_;
  int state_ = 0;
  int group_number_ = 0;
  qb::Color color_text_ = kBlack;
};

}  // namespace qb
