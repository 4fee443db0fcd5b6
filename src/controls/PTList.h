#pragma once

#include "controls/control.h"
#include "controls/none_choice.h"

namespace qb {

// Style: 0 stand-alone, 1 pop-triggered, 2 popup-list; Style and Trigger stay consistent.
class TPTList : public TControl {
 public:
  static constexpr ControlClass kClass = ControlClass::kPTList;
  explicit TPTList(ControlOwner* owner);

  QB_PROPERTY(StringList, Items, items_)
  // Stored; setting it makes the height n rows plus 3.
  int MaxItems() const { return max_items_; }
  void SetMaxItems(int n);
  QB_PROPERTY(int, SelectedItem, selected_item_)
  int Style() const { return style_; }
  void SetStyle(int v);
  const std::string& Trigger() const { return trigger_; }
  void SetTrigger(const std::string& v);
  // Row height in pixels: 11 until the paint measures the font.
  int RowHeight() const { return row_height_; }
  void SetRowHeight(int h) { row_height_ = h; }

 private:
  StringList items_;
  int max_items_ = 2;
  int selected_item_ = -1;
  int style_ = 0;
  std::string trigger_;
  int row_height_ = 11;
};

}  // namespace qb
