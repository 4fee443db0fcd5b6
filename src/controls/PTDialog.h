#pragma once

#include "controls/control.h"

namespace qb {

// A dialog on the screen panel (both libraries). Tag 1 marks the form's shown dialog.
class TPTDialog : public TControl {
 public:
  static constexpr ControlClass kClass = ControlClass::kPTDialog;
  explicit TPTDialog(ControlOwner* owner);

  QB_PROPERTY(std::string, Title, title_)
  QB_PROPERTY(qb::Color, ColorDialogFill, color_dialog_fill_)
  QB_PROPERTY(qb::Color, ColorDialogFrame, color_dialog_frame_)
  QB_PROPERTY(qb::Color, ColorFill, color_fill_)
  QB_PROPERTY(qb::Color, ColorFrame, color_frame_)
  QB_PROPERTY(qb::Color, ColorText, color_text_)
  QB_PROPERTY(qb::Color, ColorSelectedFill, color_selected_fill_)
  QB_PROPERTY(qb::Color, ColorSelectedFore, color_selected_fore_)
  QB_PROPERTY(int, GridVisible, grid_visible_)
  QB_PROPERTY(int, GridSpace, grid_space_)
  bool IsShown() const { return Tag() == 1; }
  // The Tag says whether the dialog is the one shown: view state.
  void SetTag(int tag) override;

 private:
  std::string title_ = "Dialog";
  qb::Color color_dialog_fill_ = kWhite;
  qb::Color color_dialog_frame_ = kBlack;
  qb::Color color_fill_ = kWhite;
  qb::Color color_frame_ = kBlack;
  qb::Color color_text_ = kBlack;
  qb::Color color_selected_fill_ = kBlack;
  qb::Color color_selected_fore_ = kWhite;
  int grid_visible_ = 0;
  int grid_space_ = 4;
};

}  // namespace qb
