#pragma once

#include "controls/control.h"

namespace qb {

class TCCDropDown : public TControl {
 public:
  static constexpr ControlClass kClass = ControlClass::kCCDropDown;
  explicit TCCDropDown(ControlOwner* owner);

  QB_PROPERTY(StringList, Items, items_)
  QB_PROPERTY(int, SelectedItem, selected_item_)
  // Stored; setting it also makes the height n × 11 + 3.
  int VisibleItems() const { return visible_items_; }
  void SetVisibleItems(int n);
  // 1 shows the list opened on the design surface.
  QB_PROPERTY(int, TestItems, test_items_)

 private:
  StringList items_;
  int selected_item_ = -1;
  int visible_items_ = 3;
  int test_items_ = 0;
};

}  // namespace qb
