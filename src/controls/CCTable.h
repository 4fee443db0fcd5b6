#pragma once

#include "controls/control.h"

namespace qb {

// Rows of "~"-separated cells; ColAlign codes "0" left, "1" centre, "2" right.
class TCCTable : public TControl {
 public:
  static constexpr ControlClass kClass = ControlClass::kCCTable;
  explicit TCCTable(ControlOwner* owner);

  QB_PROPERTY(StringList, Items, items_)
  QB_PROPERTY(StringList, ColWidths, col_widths_)
  QB_PROPERTY(StringList, ColAlign, col_align_)
  QB_PROPERTY(int, Cols, cols_)
  // Derived from the height: n rows of 11 pixels plus 2.
  int VisibleRows() const;
  void SetVisibleRows(int n);
  QB_PROPERTY(int, SelectedRow, selected_row_)

 private:
  StringList items_;
  StringList col_widths_;
  StringList col_align_;
  int cols_ = 3;
  int selected_row_ = 0;
};

}  // namespace qb
