#pragma once

// The table editor ("Table Editor") of a CControls Table: a grid with one fixed row of column
// headers and one fixed column of row labels, an alignment row, a width row and one row per
// table row. It works on a copy; OK rebuilds the table's ColAlign, ColWidths, Items and Cols.

#include <array>
#include <string>
#include <vector>

#include "controls/CCTable.h"
#include "model/ui.h"

namespace qb {

class TfrmTableEd : public DialogModel {
 public:
  static constexpr const char* kDialogId = "TfrmTableEd";
  static constexpr const char* kCaption = "Table Editor";
  static constexpr int kInitialWidth = 383;
  static constexpr int kInitialHeight = 270;
  static constexpr int kMinWidth = 283;
  static constexpr int kMinHeight = 270;
  static constexpr int kButtonColumnWidth = 86;
  static constexpr int kRowHeight = 20;
  static constexpr int kAlignListHeight = 18;

  // Grid rows and the fixed column.
  static constexpr int kHeaderRow = 0;
  static constexpr int kAlignRow = 1;
  static constexpr int kWidthRow = 2;
  static constexpr int kFirstDataRow = 3;
  static constexpr int kLabelCol = 0;
  // A table that claims more columns is edited with this many.
  static constexpr int kMaxColumns = 1024;

  // The buttons, top to bottom.
  enum class Button { kAddRow, kDeleteRow, kAddCol, kDeleteCol, kClearAll, kCancel, kOk };
  struct ButtonInfo {
    Button button;
    const char* caption;
  };
  static const std::array<ButtonInfo, 7>& Buttons();

  // The alignment list's words, by ColAlign code.
  static const std::array<const char*, 3>& AlignWords();

  // Characters the grid hands to the editor before a cell sees them.
  static constexpr char32_t kEnterChar = U'\r';
  static constexpr char32_t kEscChar = 27;
  static constexpr char32_t kBackspaceChar = 8;

  TfrmTableEd(TCCTable& table, Ui& ui);
  const char* DialogId() const override { return kDialogId; }

  // --- The grid.
  // Columns including the fixed one, and rows including the fixed header.
  int ColCount() const { return columns_ + 1; }
  int RowCount() const { return static_cast<int>(rows_.size()) + 1; }
  int Columns() const { return columns_; }
  int DataRows() const { return RowCount() - kFirstDataRow; }
  // Any cell, the fixed ones included; empty outside the grid.
  std::string Cell(int row, int col) const;
  // Whether the grid's own cell editor may change the cell: the width row and the data rows.
  bool CellEditable(int row, int col) const;
  // A text typed or pasted into an editable cell; characters the key filter refuses are
  // dropped. Ignored for other cells. A text holding a character the device cannot show is
  // refused with an error, the cell kept.
  void SetCell(int row, int col, const std::string& text);

  // --- Selection (never on the fixed row or column; none while the table has no column).
  int SelectedRow() const { return selected_row_; }
  int SelectedCol() const { return selected_col_; }
  bool HasSelection() const { return selected_col_ >= 1; }
  // Selects a cell; closes the alignment list. Cells outside the editable area are refused.
  void Select(int row, int col);

  // --- Keyboard: a character typed on the selected cell; false when it is discarded. In the
  // alignment row every character but Esc is discarded and opens the alignment list. A
  // character the device cannot show is discarded with an error.
  bool CharTyped(char32_t ch);

  // --- The alignment list over the selected alignment cell.
  bool AlignListVisible() const { return align_list_visible_; }
  // The highlighted word's index, -1 for none.
  int AlignListIndex() const { return align_list_index_; }
  void AlignListHighlight(int index);
  // Enter: the highlighted word goes into the cell and the list closes.
  void AlignListEnter();
  // Esc: the list closes, the cell unchanged.
  void AlignListEscape() { align_list_visible_ = false; }

  // --- Buttons. The questions are asked through the Ui.
  void Press(Button button);
  void AddRow();
  void DeleteRow();
  void AddCol();
  void DeleteCol();
  void ClearAll();

  // OK: the table gets the grid's alignments, widths, rows and column count, and the
  // standard Palm font.
  void Apply();

 private:
  // rows_[0] is the alignment row, rows_[1] the width row, then the data rows; each holds
  // one text per table column.
  std::vector<std::string>& RowAt(int grid_row) {
    return rows_[static_cast<std::size_t>(grid_row - 1)];
  }
  const std::vector<std::string>& RowAt(int grid_row) const {
    return rows_[static_cast<std::size_t>(grid_row - 1)];
  }
  bool Confirm(const char* question);
  void ClampSelection();

  TCCTable& table_;
  Ui& ui_;
  int columns_ = 0;
  std::vector<std::vector<std::string>> rows_;
  int selected_row_ = kAlignRow;
  int selected_col_ = 1;
  bool align_list_visible_ = false;
  int align_list_index_ = -1;
};

// Runs the table editor over table; true when it was closed with OK (the table changed).
bool EditTable(Ui& ui, TCCTable& table);

}  // namespace qb
