#pragma once

#include "controls/control.h"

namespace qb {

// Frame: 0 standard, 1 bold, 2 square, 3 none. ButtonType: 0 standard, 1 repeat.
class TPTButton : public TControl {
 public:
  static constexpr ControlClass kClass = ControlClass::kPTButton;
  explicit TPTButton(ControlOwner* owner);

  QB_PROPERTY(std::string, Text, text_)
  QB_PROPERTY(int, Frame, frame_)
  QB_PROPERTY(int, ButtonType, button_type_)
  QB_PROPERTY(qb::Color, ColorFill, color_fill_)
  QB_PROPERTY(qb::Color, ColorText, color_text_)
  const std::string& ShowForm() const { return show_form_; }
  void SetShowForm(const std::string& v) { show_form_ = v; }

 private:
  std::string text_ = "Button";
  int frame_ = 0;
  int button_type_ = 0;
  qb::Color color_fill_ = kWhite;
  qb::Color color_text_ = kBlack;
  std::string show_form_;
};

}  // namespace qb
