#pragma once

#include "controls/control.h"

namespace qb {

inline constexpr const char* kDefaultDotColors = "Black,White,Black,White,Black,White,Black";
// Tag of a TCCButton that serves as the PToolboxLib Select kind.
inline constexpr int kSelectTag = 3;

// A CControls button; with Tag 3 the PToolboxLib selector trigger ("Select").
class TCCButton : public TControl {
 public:
  static constexpr ControlClass kClass = ControlClass::kCCButton;
  explicit TCCButton(ControlOwner* owner);

  QB_PROPERTY(std::string, Content, content_)
  QB_PROPERTY(qb::Color, ColorFill, color_fill_)
  QB_PROPERTY(qb::Color, ColorText, color_text_)
  QB_PROPERTY(int, Line, line_)
  QB_PROPERTY(int, Radius, radius_)
  const std::string& ShowForm() const { return show_form_; }
  void SetShowForm(const std::string& v) { show_form_ = v; }
  QB_PROPERTY(std::string, DOTColors, dot_colors_)
  QB_PROPERTY(int, DOTFormat, dot_format_)
  QB_PROPERTY(int, DOTPicker, dot_picker_)
  QB_PROPERTY(std::string, DOTTitle, dot_title_)
  bool IsSelect() const { return Tag() == kSelectTag; }

 private:
  std::string content_;
  qb::Color color_fill_ = kWhite;
  qb::Color color_text_ = kBlack;
  int line_ = 1;
  int radius_ = 4;
  std::string show_form_;
  std::string dot_colors_ = kDefaultDotColors;
  int dot_format_ = 8;
  int dot_picker_ = 0;
  std::string dot_title_;
};

}  // namespace qb
