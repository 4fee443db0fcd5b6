#pragma once

#include "controls/control.h"

namespace qb {

class TCCListBox : public TControl {
 public:
  static constexpr ControlClass kClass = ControlClass::kCCListBox;
  explicit TCCListBox(ControlOwner* owner);

  QB_PROPERTY(StringList, Items, items_)
  QB_PROPERTY(int, SelectedItem, selected_item_)
  // Derived from the height: n rows of 11 pixels plus 2.
  int VisibleItems() const;
  void SetVisibleItems(int n);

 private:
  StringList items_;
  int selected_item_ = -1;
};

}  // namespace qb
