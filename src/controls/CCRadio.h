#pragma once

#include "controls/control.h"

namespace qb {

// A row (Orientation 0) or column (1) of cells sharing one-pixel borders, one per item.
// In PToolboxLib Tag is the group number.
class TCCRadio : public TControl {
 public:
  static constexpr ControlClass kClass = ControlClass::kCCRadio;
  explicit TCCRadio(ControlOwner* owner);

  QB_PROPERTY(StringList, Items, items_)
  QB_PROPERTY(int, SelectedItem, selected_item_)
  int Orientation() const { return orientation_; }
  void SetOrientation(int v);

  int UserWidth() const override;
  void SetUserWidth(int v) override;

 private:
  StringList items_;
  int selected_item_ = 0;
  int orientation_ = 0;
};

}  // namespace qb
