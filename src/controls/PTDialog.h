#pragma once

#include "controls/panel.h"

namespace qb {

// A dialog on the screen panel (both libraries). Tag 1 marks the form's shown dialog.
class TPTDialog : public TPanel {
 public:
  static constexpr ControlClass kClass = ControlClass::kPTDialog;
  explicit TPTDialog(ControlOwner* owner);

  QB_PROPERTY(qb::Color, ColorDialogFill, color_dialog_fill_)
  QB_PROPERTY(qb::Color, ColorDialogFrame, color_dialog_frame_)
  bool IsShown() const { return Tag() == 1; }
  // The Tag says whether the dialog is the one shown: view state.
  void SetTag(int tag) override;

 private:
  qb::Color color_dialog_fill_ = kWhite;
  qb::Color color_dialog_frame_ = kBlack;
};

}  // namespace qb
