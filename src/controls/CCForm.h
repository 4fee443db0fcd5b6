#pragma once

#include "controls/panel.h"

namespace qb {

// The screen panel of a designer window: the simulated 160 × 160 Palm screen.
class TCCForm : public TPanel {
 public:
  static constexpr ControlClass kClass = ControlClass::kCCForm;
  explicit TCCForm(ControlOwner* owner);

  const qb::Color& ColorFormFill() const { return color_form_fill_; }
  // The panel's background follows the form fill.
  void SetColorFormFill(const qb::Color& c);
  QB_PROPERTY(qb::Color, ColorFormFrame, color_form_frame_)

 private:
  qb::Color color_form_fill_ = kWhite;
  qb::Color color_form_frame_ = kBlack;
};

}  // namespace qb
