#pragma once

#include "controls/control.h"

namespace qb {

// The screen panel of a designer window: the simulated 160 × 160 Palm screen.
class TCCForm : public TControl {
 public:
  static constexpr ControlClass kClass = ControlClass::kCCForm;
  explicit TCCForm(ControlOwner* owner);

  QB_PROPERTY(std::string, Title, title_)
  const qb::Color& ColorFormFill() const { return color_form_fill_; }
  // The panel's background follows the form fill.
  void SetColorFormFill(const qb::Color& c);
  QB_PROPERTY(qb::Color, ColorFormFrame, color_form_frame_)
  QB_PROPERTY(qb::Color, ColorFill, color_fill_)
  QB_PROPERTY(qb::Color, ColorFrame, color_frame_)
  QB_PROPERTY(qb::Color, ColorText, color_text_)
  QB_PROPERTY(qb::Color, ColorSelectedFill, color_selected_fill_)
  QB_PROPERTY(qb::Color, ColorSelectedFore, color_selected_fore_)
  QB_PROPERTY(int, GridVisible, grid_visible_)
  QB_PROPERTY(int, GridSpace, grid_space_)

 private:
  std::string title_ = "Form1";
  qb::Color color_form_fill_ = kWhite;
  qb::Color color_form_frame_ = kBlack;
  qb::Color color_fill_ = kWhite;
  qb::Color color_frame_ = kBlack;
  qb::Color color_text_ = kBlack;
  qb::Color color_selected_fill_ = kBlack;
  qb::Color color_selected_fore_ = kWhite;
  int grid_visible_ = 0;
  int grid_space_ = 4;
};

}  // namespace qb
