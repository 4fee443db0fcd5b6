#pragma once

#include <string>

#include "controls/control.h"

namespace qb {

// A panel that holds controls: the screen panel of CControls and PToolboxLib forms and the
// dialogs of both libraries. It owns the properties they share under the same name; each
// class gives its own title and keeps its own side effects.
class TPanel : public TControl {
 public:
  QB_PROPERTY(std::string, Title, title_)
  QB_PROPERTY(qb::Color, ColorFill, color_fill_)
  QB_PROPERTY(qb::Color, ColorFrame, color_frame_)
  QB_PROPERTY(qb::Color, ColorText, color_text_)
  QB_PROPERTY(qb::Color, ColorSelectedFill, color_selected_fill_)
  QB_PROPERTY(qb::Color, ColorSelectedFore, color_selected_fore_)
  // The designer's grid on the panel.
  QB_PROPERTY(int, GridVisible, grid_visible_)
  QB_PROPERTY(int, GridSpace, grid_space_)

 protected:
  TPanel(ControlClass cls, ControlOwner* owner, const char* title)
      : TControl(cls, owner, 160, 160), title_(title) {}

 private:
  std::string title_;
  qb::Color color_fill_ = kWhite;
  qb::Color color_frame_ = kBlack;
  qb::Color color_text_ = kBlack;
  qb::Color color_selected_fill_ = kBlack;
  qb::Color color_selected_fore_ = kWhite;
  int grid_visible_ = 0;
  int grid_space_ = 4;
};

}  // namespace qb
