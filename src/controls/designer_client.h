#pragma once

#include "controls/control.h"

namespace qb {

// The designer window's 167 × 226 client area: parent of the screen panel and, for
// CControls, of the menus and the menu bar, which lie over the top of the screen.
class TDesignerClient : public TControl {
 public:
  static constexpr ControlClass kClass = ControlClass::kDesignerClient;
  static constexpr int kClientWidth = 167;
  static constexpr int kClientHeight = 226;
  explicit TDesignerClient(ControlOwner* owner)
      : TControl(kClass, owner, kClientWidth, kClientHeight) {}
};

}  // namespace qb
