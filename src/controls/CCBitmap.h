#pragma once

#include "controls/control.h"

namespace qb {

// A one-bit picture (CControls Image, PToolboxLib Bitmap). In CControls Tag is the
// clickable flag. Left, Top, Width and Height are the picture's own.
class TCCBitmap : public TControl {
 public:
  static constexpr ControlClass kClass = ControlClass::kCCBitmap;
  explicit TCCBitmap(ControlOwner* owner);

  QB_PROPERTY(std::string, StringBits, string_bits_)
  QB_PROPERTY(qb::Color, ColorFore, color_fore_)

 private:
  std::string string_bits_;
  qb::Color color_fore_ = kBlack;
};

// An Image is at most this wide and high; a larger size is refused where it enters (the
// inspector, a mouse resize, Shift+arrow, Same Width and Same Height, the form reader).
inline constexpr int kImageMaxSize = 40;
inline constexpr const char* kImageWidthMessage = "The maximum width of a Image control is 40";
inline constexpr const char* kImageHeightMessage = "The maximum height of a Image control is 40";

}  // namespace qb
