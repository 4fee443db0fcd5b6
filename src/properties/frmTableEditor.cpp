#include "properties/frmTableEditor.h"

#include <algorithm>

#include "model/captions.h"
#include "model/code_page.h"
#include "model/datamod.h"
#include "model/font.h"
#include "properties/editor_texts.h"

namespace qb {

namespace {

constexpr const char* kColPrefix = "Col ";
constexpr const char* kRowPrefix = "Row ";
constexpr const char* kAlignLabel = "ColAlign";
constexpr const char* kWidthLabel = "ColWidth";
constexpr const char* kDeleteRowQuestion = "The selected row will be deleted. Are you sure?";
constexpr const char* kDeleteColQuestion = "The selected column will be deleted. Are you sure?";
constexpr const char* kClearAllQuestion = "All the row contents will be cleared. Are you sure?";
// What a new column starts with.
constexpr const char* kNewColumnWidth = "25";
constexpr int kLeftCode = 0;
constexpr char kCellSeparator = '~';

const std::array<const char*, 3> kAlignWords = {"Left", "Center", "Right"};

const std::array<TfrmTableEd::ButtonInfo, 7> kButtons = {{
    {TfrmTableEd::Button::kAddRow, "Add &Row"},
    {TfrmTableEd::Button::kDeleteRow, "Delete Row"},
    {TfrmTableEd::Button::kAddCol, "Add &Col"},
    {TfrmTableEd::Button::kDeleteCol, "Delete Col"},
    {TfrmTableEd::Button::kClearAll, "Clear All"},
    {TfrmTableEd::Button::kCancel, kCancelCaption},
    {TfrmTableEd::Button::kOk, kOkCaption},
}};

// "0", "1", "2" -> their word; any other code -> empty.
std::string AlignWordOf(const std::string& code) {
  for (std::size_t i = 0; i < kAlignWords.size(); ++i)
    if (code == std::to_string(i)) return kAlignWords[i];
  return {};
}

// "Center" -> "1", "Right" -> "2", anything else -> "0".
std::string AlignCodeOf(const std::string& word) {
  for (std::size_t i = 0; i < kAlignWords.size(); ++i)
    if (word == kAlignWords[i]) return std::to_string(i);
  return std::to_string(kLeftCode);
}

int AlignIndexOf(const std::string& word) {
  for (std::size_t i = 0; i < kAlignWords.size(); ++i)
    if (word == kAlignWords[i]) return static_cast<int>(i);
  return -1;
}

std::string LineAt(const StringList& lines, int index) {
  return index < static_cast<int>(lines.size()) ? lines[static_cast<std::size_t>(index)]
                                                : std::string();
}

bool IsDigit(char32_t ch) { return ch >= U'0' && ch <= U'9'; }

// How the refusal of a character the device cannot show names what is kept.
constexpr const char* kCellWhat = "cell";

// The key filter of a row, for one character.
bool RowAccepts(int row, char32_t ch) {
  if (ch == static_cast<char32_t>(kCellSeparator)) return false;
  if (row == TfrmTableEd::kWidthRow)
    return IsDigit(ch) || ch == TfrmTableEd::kEnterChar || ch == TfrmTableEd::kEscChar ||
           ch == TfrmTableEd::kBackspaceChar;
  return true;
}

// A text with the characters the row's key filter refuses taken out.
std::string Filtered(int row, const std::string& text) {
  std::string out;
  for (char c : text) {
    // Bytes of multi-byte characters are never a digit or the separator.
    const auto ch = static_cast<char32_t>(static_cast<unsigned char>(c));
    if (row == TfrmTableEd::kWidthRow ? IsDigit(ch) : RowAccepts(row, ch)) out += c;
  }
  return out;
}

}  // namespace

const std::array<TfrmTableEd::ButtonInfo, 7>& TfrmTableEd::Buttons() { return kButtons; }
const std::array<const char*, 3>& TfrmTableEd::AlignWords() { return kAlignWords; }

TfrmTableEd::TfrmTableEd(TCCTable& table, Ui& ui) : table_(table), ui_(ui) {
  columns_ = std::clamp(table.Cols(), 0, kMaxColumns);
  const auto cols = static_cast<std::size_t>(columns_);
  std::vector<std::string> align(cols), widths(cols);
  for (int c = 0; c < columns_; ++c) {
    align[static_cast<std::size_t>(c)] = AlignWordOf(LineAt(table.ColAlign(), c));
    widths[static_cast<std::size_t>(c)] = LineAt(table.ColWidths(), c);
  }
  rows_.push_back(std::move(align));
  rows_.push_back(std::move(widths));
  for (const std::string& line : table.Items()) {
    std::vector<std::string> cells(cols);
    for (int c = 0; c < columns_; ++c)
      cells[static_cast<std::size_t>(c)] = NthField(line, kCellSeparator, c + 1);
    rows_.push_back(std::move(cells));
  }
  ClampSelection();
}

std::string TfrmTableEd::Cell(int row, int col) const {
  if (row < 0 || row >= RowCount() || col < 0 || col >= ColCount()) return {};
  if (row == kHeaderRow)
    return col == kLabelCol ? std::string() : kColPrefix + std::to_string(col - 1);
  if (col == kLabelCol) {
    if (row == kAlignRow) return kAlignLabel;
    if (row == kWidthRow) return kWidthLabel;
    return kRowPrefix + std::to_string(row - kFirstDataRow);
  }
  return RowAt(row)[static_cast<std::size_t>(col - 1)];
}

bool TfrmTableEd::CellEditable(int row, int col) const {
  return row >= kWidthRow && row < RowCount() && col >= 1 && col < ColCount();
}

void TfrmTableEd::SetCell(int row, int col, const std::string& text) {
  if (!CellEditable(row, col)) return;
  std::string& cell = RowAt(row)[static_cast<std::size_t>(col - 1)];
  if (auto cp = FirstUnshownCharacter(text)) {
    ui_.ShowError(KeptValueMessage(*cp, table_.Name(), kCellWhat, cell));
    return;
  }
  cell = Filtered(row, text);
}

void TfrmTableEd::Select(int row, int col) {
  align_list_visible_ = false;
  if (row < kAlignRow || row >= RowCount() || col < 1 || col >= ColCount()) return;
  selected_row_ = row;
  selected_col_ = col;
}

void TfrmTableEd::ClampSelection() {
  if (columns_ == 0) {
    selected_col_ = 0;
  } else {
    selected_col_ = std::clamp(selected_col_, 1, columns_);
  }
  selected_row_ = std::clamp(selected_row_, static_cast<int>(kAlignRow), RowCount() - 1);
}

bool TfrmTableEd::CharTyped(char32_t ch) {
  if (!HasSelection()) return false;
  if (selected_row_ == kAlignRow) {
    if (ch != kEscChar) {
      align_list_visible_ = true;
      align_list_index_ = AlignIndexOf(Cell(selected_row_, selected_col_));
    }
    return false;
  }
  if (ch >= 0x20 && Cp1252FromUnicode(ch) < 0) {
    ui_.ShowError(
        KeptValueMessage(ch, table_.Name(), kCellWhat, Cell(selected_row_, selected_col_)));
    return false;
  }
  return RowAccepts(selected_row_, ch);
}

void TfrmTableEd::AlignListHighlight(int index) {
  if (index >= -1 && index < static_cast<int>(kAlignWords.size())) align_list_index_ = index;
}

void TfrmTableEd::AlignListEnter() {
  if (!align_list_visible_) return;
  align_list_visible_ = false;
  if (align_list_index_ < 0 || !HasSelection() || selected_row_ != kAlignRow) return;
  RowAt(kAlignRow)[static_cast<std::size_t>(selected_col_ - 1)] =
      kAlignWords[static_cast<std::size_t>(align_list_index_)];
}

bool TfrmTableEd::Confirm(const char* question) {
  return ui_.MessageBox(kCaptionConfirm, question, MsgIcon::kInformation, kMbYesNo, kMbNo) ==
         kMbYes;
}

void TfrmTableEd::Press(Button button) {
  switch (button) {
    case Button::kAddRow:
      AddRow();
      break;
    case Button::kDeleteRow:
      DeleteRow();
      break;
    case Button::kAddCol:
      AddCol();
      break;
    case Button::kDeleteCol:
      DeleteCol();
      break;
    case Button::kClearAll:
      ClearAll();
      break;
    case Button::kCancel:
    case Button::kOk:
      break;  // they close the dialog
  }
}

void TfrmTableEd::AddRow() {
  align_list_visible_ = false;
  rows_.emplace_back(static_cast<std::size_t>(columns_));
  selected_row_ = RowCount() - 1;
  if (columns_ > 0) selected_col_ = 1;
}

void TfrmTableEd::DeleteRow() {
  if (!HasSelection() || selected_row_ < kFirstDataRow) return;
  if (!Confirm(kDeleteRowQuestion)) return;
  align_list_visible_ = false;
  // The texts below move up; the labels are the row numbers and stay where they are.
  rows_.erase(rows_.begin() + (selected_row_ - 1));
  ClampSelection();
}

void TfrmTableEd::AddCol() {
  if (columns_ >= kMaxColumns) return;
  align_list_visible_ = false;
  ++columns_;
  for (std::size_t r = 0; r < rows_.size(); ++r) {
    // The cell made once from its text: gcc 12 at -O3 reports a copied empty string as
    // maybe uninitialised.
    const char* first = "";
    if (r == static_cast<std::size_t>(kAlignRow - 1)) first = kAlignWords[kLeftCode];
    if (r == static_cast<std::size_t>(kWidthRow - 1)) first = kNewColumnWidth;
    rows_[r].emplace_back(first);
  }
  selected_col_ = columns_;
  if (RowCount() > kFirstDataRow) selected_row_ = kFirstDataRow;
}

void TfrmTableEd::DeleteCol() {
  if (!HasSelection()) return;
  if (!Confirm(kDeleteColQuestion)) return;
  align_list_visible_ = false;
  for (auto& row : rows_) row.erase(row.begin() + (selected_col_ - 1));
  --columns_;
  ClampSelection();
}

void TfrmTableEd::ClearAll() {
  if (!Confirm(kClearAllQuestion)) return;
  align_list_visible_ = false;
  for (int r = kFirstDataRow; r < RowCount(); ++r)
    for (std::string& cell : RowAt(r)) cell.clear();
}

void TfrmTableEd::Apply() {
  align_list_visible_ = false;
  StringList align, widths, items;
  for (const std::string& word : RowAt(kAlignRow)) align.push_back(AlignCodeOf(word));
  widths = RowAt(kWidthRow);
  for (int r = kFirstDataRow; r < RowCount(); ++r) {
    std::string line;
    const auto& cells = RowAt(r);
    for (std::size_t c = 0; c < cells.size(); ++c) {
      if (c > 0) line += kCellSeparator;
      line += cells[c];
    }
    items.push_back(std::move(line));
  }
  table_.SetColAlign(align);
  table_.SetColWidths(widths);
  table_.SetItems(items);
  table_.SetCols(columns_);
  table_.SetFontName(kPilotStandard);
}

bool EditTable(Ui& ui, TCCTable& table) {
  TfrmTableEd editor(table, ui);
  if (!ui.RunDialog(editor)) return false;
  editor.Apply();
  return true;
}

}  // namespace qb
