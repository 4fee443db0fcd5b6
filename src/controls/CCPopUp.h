#pragma once

#include "controls/control.h"

namespace qb {

class TCCPopUp : public TControl {
 public:
  static constexpr ControlClass kClass = ControlClass::kCCPopUp;
  explicit TCCPopUp(ControlOwner* owner);

  QB_PROPERTY(StringList, Items, items_)
  QB_PROPERTY(int, SelectedItem, selected_item_)
  // Derived from the height: n rows of 11 pixels plus 3.
  int VisibleItems() const;
  void SetVisibleItems(int n);
  // The pop-up shows on the design surface only while Test is non-zero.
  int Test() const { return test_; }
  void SetTest(int v);

 private:
  StringList items_;
  int selected_item_ = -1;
  int test_ = 0;
};

}  // namespace qb
