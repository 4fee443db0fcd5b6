#include "properties/cell_types.h"

#include "properties/row_names.h"

namespace qb {

namespace {

constexpr std::string_view kTypedRows =
    "Left,Top,Width,Height,Edge,TopicWidth,VisibleItems,GroupNumber,MaxItems,SelectedItem,MaxChars";
constexpr std::string_view kPickListRows =
    "State,Font,Alignment,Align,Line,Style,Test,Type,TestItems,Frame,SingleLine,Underline,"
    "NumbersOnly,Orientation,Editable,Clickable,Justification,Trigger,ShowForm,FillColor,"
    "TextColor,FormFillColor,FormFrameColor,ObjForeTextColor,ObjSelectedFillColor,"
    "ObjSelectedForeColor,ObjFrameColor,ObjFillColor,DialogFillColor,DialogFrameColor,"
    "DateTimePicker,DateTimeFormat,BackgroundColor,LineColor,CaretColor,HighlightBackColor,"
    "HighlightForeColor";
constexpr std::string_view kNumericRows =
    "Left,Top,Width,Height,Edge,TopicWidth,VisibleItems,GroupNumber,MaxItems,SelectedItem,"
    "MaxChars,VisibleRows,SelectedRow";
constexpr std::string_view kLoneMinus = "-";

bool OccursIn(std::string_view row, std::string_view list) {
  return list.find(row) != std::string_view::npos;
}

}  // namespace

CellType TipoCelda(std::string_view row) {
  if (row == rows::kText) return CellType::kTyped;
  if (row == rows::kItems) return CellType::kItems;
  if (row == rows::kBitmap) return CellType::kContent;
  if (row == rows::kDateTimeColors) return CellType::kColors;
  if (OccursIn(row, kTypedRows)) return CellType::kTyped;
  if (OccursIn(row, kPickListRows)) return CellType::kPickList;
  return CellType::kTyped;
}

bool ValorOK(std::string_view row, std::string_view text) {
  if (!OccursIn(row, kNumericRows)) return true;
  return !text.empty() && text != kLoneMinus;
}

}  // namespace qb
