#pragma once

#include "controls/control.h"

namespace qb {

// The PToolboxLib Field. Underline and Editable are inverted: 0 means underlined / editable.
class TPTEdit : public TControl {
 public:
  static constexpr ControlClass kClass = ControlClass::kPTEdit;
  explicit TPTEdit(ControlOwner* owner);

  QB_PROPERTY(std::string, Text, text_)
  QB_PROPERTY(int, SingleLine, single_line_)
  QB_PROPERTY(int, Justification, justification_)
  QB_PROPERTY(int, Underline, underline_)
  QB_PROPERTY(int, Editable, editable_)
  QB_PROPERTY(int, NumbersOnly, numbers_only_)
  QB_PROPERTY(int, MaxChars, max_chars_)
  QB_PROPERTY(qb::Color, ColorFill, color_fill_)
  QB_PROPERTY(qb::Color, ColorText, color_text_)
  QB_PROPERTY(qb::Color, ColorLines, color_lines_)
  QB_PROPERTY(qb::Color, ColorCaret, color_caret_)
  QB_PROPERTY(qb::Color, ColorHighlightBack, color_highlight_back_)
  QB_PROPERTY(qb::Color, ColorHighlightFore, color_highlight_fore_)

 private:
  std::string text_ = "Edit";
  int single_line_ = 0;
  int justification_ = 0;
  int underline_ = 0;
  int editable_ = 0;
  int numbers_only_ = 0;
  int max_chars_ = 0;
  qb::Color color_fill_ = kWhite;
  qb::Color color_text_ = kBlack;
  qb::Color color_lines_ = kBlack;
  qb::Color color_caret_ = kBlack;
  qb::Color color_highlight_back_ = kBlack;
  qb::Color color_highlight_fore_ = kWhite;
};

}  // namespace qb
