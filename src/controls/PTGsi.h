#pragma once

#include "controls/control.h"

namespace qb {

inline constexpr int kGsiWidth = 8;
inline constexpr int kGsiHeight = 9;

// The shift indicator: always 8 × 9 once drawn.
class TPTGsi : public TControl {
 public:
  static constexpr ControlClass kClass = ControlClass::kPTGsi;
  explicit TPTGsi(ControlOwner* owner);
};

}  // namespace qb
