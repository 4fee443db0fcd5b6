#pragma once

#include "controls/control.h"

namespace qb {

// The menu bar of a CControls form; a child of the designer window, over the screen panel.
class TCCMenuBar : public TControl {
 public:
  static constexpr ControlClass kClass = ControlClass::kCCMenuBar;
  explicit TCCMenuBar(ControlOwner* owner);

  int Test() const { return test_; }
  // Shows the bar exactly when v is non-zero.
  void SetTest(int v);

 private:
  int test_ = 1;
};

}  // namespace qb
