#include <gtest/gtest.h>

#include "properties/frmTableEditor.h"
#include "support/fake_ui.h"

namespace qb {
namespace {

using test::FakeUi;
using Ed = TfrmTableEd;

// The grid as rows of cell texts, fixed cells included.
std::vector<StringList> GridOf(const Ed& editor) {
  std::vector<StringList> grid;
  for (int r = 0; r < editor.RowCount(); ++r) {
    StringList row;
    for (int c = 0; c < editor.ColCount(); ++c) row.push_back(editor.Cell(r, c));
    grid.push_back(row);
  }
  return grid;
}

class TableEditorTest : public ::testing::Test {
 protected:
  // The two-column table: alignments 0 and 2, widths 30 and 45, rows "a~b" and "c".
  void MakeTwoColumns() {
    table_.SetCols(2);
    table_.SetColAlign({"0", "2"});
    table_.SetColWidths({"30", "45"});
    table_.SetItems({"a~b", "c"});
  }
  void MakeThreeColumns() {
    table_.SetCols(3);
    table_.SetColAlign({"0", "1", "2"});
    table_.SetColWidths({"25", "25", "25"});
    table_.SetItems({"a~b~c", "d~e~f"});
  }
  void ExpectQuestion(const std::string& text) {
    ASSERT_FALSE(ui_.ShownLog().empty());
    const test::Shown& shown = ui_.ShownLog().back();
    EXPECT_EQ(shown.what, "message");
    EXPECT_EQ(shown.caption, "Confirm");
    EXPECT_EQ(shown.text, text);
    EXPECT_EQ(shown.icon, MsgIcon::kInformation);
    EXPECT_EQ(shown.buttons, kMbYesNo);
    EXPECT_EQ(shown.default_button, kMbNo);
  }

  FakeUi ui_;
  TCCTable table_{nullptr};
};

TEST_F(TableEditorTest, OpensTheTwoColumnTable) {
  MakeTwoColumns();
  Ed editor(table_, ui_);
  EXPECT_EQ(editor.ColCount(), 3);
  EXPECT_EQ(editor.RowCount(), 5);
  EXPECT_EQ(GridOf(editor), (std::vector<StringList>{
                                {"", "Col 0", "Col 1"},
                                {"ColAlign", "Left", "Right"},
                                {"ColWidth", "30", "45"},
                                {"Row 0", "a", "b"},
                                {"Row 1", "c", ""},
                            }));
}

TEST_F(TableEditorTest, OkWritesTheLastEmptyCellAfterASeparator) {
  MakeTwoColumns();
  table_.SetFontName("PilotBold");
  Ed editor(table_, ui_);
  editor.Apply();
  EXPECT_EQ(table_.Items(), (StringList{"a~b", "c~"}));
  EXPECT_EQ(table_.ColAlign(), (StringList{"0", "2"}));
  EXPECT_EQ(table_.ColWidths(), (StringList{"30", "45"}));
  EXPECT_EQ(table_.Cols(), 2);
  EXPECT_EQ(table_.Font().name, "PilotStandard");
}

TEST_F(TableEditorTest, OkAlwaysLeavesTheStandardFont) {
  for (const char* font : {"PilotLarge", "PilotBold12", "MS Sans Serif", "PilotStandard"}) {
    MakeTwoColumns();
    table_.SetFontName(font);
    ui_.AnswerDialog([](DialogModel&) { return true; });
    EXPECT_TRUE(EditTable(ui_, table_));
    EXPECT_EQ(table_.Font().name, "PilotStandard") << font;
  }
}

TEST_F(TableEditorTest, CancelStoresNothing) {
  MakeTwoColumns();
  table_.SetFontName("PilotBold");
  ui_.AnswerDialog([](DialogModel& dialog) {
    auto& editor = static_cast<Ed&>(dialog);
    editor.AddCol();
    editor.AddRow();
    editor.SetCell(3, 1, "changed");
    return false;
  });
  EXPECT_FALSE(EditTable(ui_, table_));
  EXPECT_EQ(table_.Items(), (StringList{"a~b", "c"}));
  EXPECT_EQ(table_.Cols(), 2);
  EXPECT_EQ(table_.ColAlign(), (StringList{"0", "2"}));
  EXPECT_EQ(table_.Font().name, "PilotBold");
}

TEST_F(TableEditorTest, PausesTheZoomWhileUp) {
  MakeTwoColumns();
  int depth = -1;
  ui_.AnswerDialog([&](DialogModel& dialog) {
    EXPECT_STREQ(dialog.DialogId(), "TfrmTableEd");
    depth = ui_.ModalDepth();
    return false;
  });
  EditTable(ui_, table_);
  EXPECT_EQ(depth, 1);
  EXPECT_EQ(ui_.ModalDepth(), 0);
}

TEST_F(TableEditorTest, SurplusFieldsAreIgnoredAndUnknownCodesLeaveTheCellEmpty) {
  table_.SetCols(2);
  table_.SetColAlign({"7", "1"});
  table_.SetColWidths({"10"});
  table_.SetItems({"a~b~c~d", ""});
  Ed editor(table_, ui_);
  EXPECT_EQ(editor.Cell(1, 1), "");
  EXPECT_EQ(editor.Cell(1, 2), "Center");
  EXPECT_EQ(editor.Cell(2, 2), "");  // no width line
  EXPECT_EQ(editor.Cell(3, 2), "b");
  editor.Apply();
  EXPECT_EQ(table_.ColAlign(), (StringList{"0", "1"}));
  EXPECT_EQ(table_.ColWidths(), (StringList{"10", ""}));
  EXPECT_EQ(table_.Items(), (StringList{"a~b", "~"}));
}

TEST_F(TableEditorTest, AddColOnThreeColumnsIsCol3) {
  MakeThreeColumns();
  Ed editor(table_, ui_);
  editor.AddCol();
  EXPECT_EQ(editor.ColCount(), 5);
  EXPECT_EQ(editor.Cell(0, 4), "Col 3");
  EXPECT_EQ(editor.Cell(1, 4), "Left");
  EXPECT_EQ(editor.Cell(2, 4), "25");
  EXPECT_EQ(editor.Cell(3, 4), "");
  EXPECT_EQ(editor.SelectedRow(), 3);
  EXPECT_EQ(editor.SelectedCol(), 4);
  editor.Apply();
  EXPECT_EQ(table_.Cols(), 4);
  EXPECT_EQ(table_.ColAlign(), (StringList{"0", "1", "2", "0"}));
  EXPECT_EQ(table_.ColWidths(), (StringList{"25", "25", "25", "25"}));
  EXPECT_EQ(table_.Items(), (StringList{"a~b~c~", "d~e~f~"}));
}

TEST_F(TableEditorTest, AddColWithoutDataRowsKeepsTheRow) {
  table_.SetCols(1);
  table_.SetColAlign({"0"});
  table_.SetColWidths({"25"});
  table_.SetItems({});
  Ed editor(table_, ui_);
  editor.Select(2, 1);
  editor.AddCol();
  EXPECT_EQ(editor.SelectedRow(), 2);
  EXPECT_EQ(editor.SelectedCol(), 2);
}

TEST_F(TableEditorTest, AddRowAppendsANumberedEmptyRowAndSelectsIt) {
  MakeTwoColumns();
  Ed editor(table_, ui_);
  editor.Select(1, 2);
  editor.AddRow();
  EXPECT_EQ(editor.RowCount(), 6);
  EXPECT_EQ(editor.Cell(5, 0), "Row 2");
  EXPECT_EQ(editor.Cell(5, 1), "");
  EXPECT_EQ(editor.Cell(5, 2), "");
  EXPECT_EQ(editor.SelectedRow(), 5);
  EXPECT_EQ(editor.SelectedCol(), 1);
  editor.SetCell(5, 2, "z");
  editor.Apply();
  EXPECT_EQ(table_.Items(), (StringList{"a~b", "c~", "~z"}));
}

TEST_F(TableEditorTest, TildeIsDiscardedEverywhere) {
  MakeTwoColumns();
  Ed editor(table_, ui_);
  for (int row : {2, 3, 4}) {
    editor.Select(row, 1);
    EXPECT_FALSE(editor.CharTyped(U'~')) << row;
  }
  editor.Select(3, 1);
  EXPECT_TRUE(editor.CharTyped(U'x'));
  // Pasted texts lose it too.
  editor.SetCell(3, 1, "a~b~");
  EXPECT_EQ(editor.Cell(3, 1), "ab");
  editor.Apply();
  EXPECT_EQ(table_.Items()[0], "ab~b");
}

TEST_F(TableEditorTest, WidthRowTakesDigitsAndEditingKeysOnly) {
  MakeTwoColumns();
  Ed editor(table_, ui_);
  editor.Select(Ed::kWidthRow, 1);
  for (char32_t ch : {U'0', U'5', U'9', Ed::kEnterChar, Ed::kEscChar, Ed::kBackspaceChar})
    EXPECT_TRUE(editor.CharTyped(ch)) << static_cast<int>(ch);
  for (char32_t ch : {U'a', U'-', U' ', U'.', U'~', U'/', U':'})
    EXPECT_FALSE(editor.CharTyped(ch)) << static_cast<int>(ch);
  editor.SetCell(Ed::kWidthRow, 1, "1x2 -3");
  EXPECT_EQ(editor.Cell(Ed::kWidthRow, 1), "123");
  editor.SetCell(Ed::kWidthRow, 2, "");
  editor.Apply();
  EXPECT_EQ(table_.ColWidths(), (StringList{"123", ""}));
}

TEST_F(TableEditorTest, AlignmentRowOpensTheListOnAnyKeyButEsc) {
  MakeTwoColumns();
  Ed editor(table_, ui_);
  editor.Select(Ed::kAlignRow, 2);
  EXPECT_FALSE(editor.CharTyped(Ed::kEscChar));
  EXPECT_FALSE(editor.AlignListVisible());
  EXPECT_FALSE(editor.CharTyped(U'x'));  // discarded
  EXPECT_TRUE(editor.AlignListVisible());
  EXPECT_EQ(editor.AlignListIndex(), 2);  // "Right" preselected
  EXPECT_EQ(editor.Cell(Ed::kAlignRow, 2), "Right");
  editor.AlignListHighlight(1);
  editor.AlignListEnter();
  EXPECT_FALSE(editor.AlignListVisible());
  EXPECT_EQ(editor.Cell(Ed::kAlignRow, 2), "Center");
  editor.Apply();
  EXPECT_EQ(table_.ColAlign(), (StringList{"0", "1"}));
}

TEST_F(TableEditorTest, AlignmentListEscAndOtherCellsLeaveTheCell) {
  MakeTwoColumns();
  Ed editor(table_, ui_);
  editor.Select(Ed::kAlignRow, 1);
  editor.CharTyped(Ed::kEnterChar);
  ASSERT_TRUE(editor.AlignListVisible());
  editor.AlignListHighlight(2);
  editor.AlignListEscape();
  EXPECT_FALSE(editor.AlignListVisible());
  EXPECT_EQ(editor.Cell(Ed::kAlignRow, 1), "Left");

  editor.CharTyped(U' ');
  editor.AlignListHighlight(2);
  editor.Select(3, 1);  // another cell closes it
  EXPECT_FALSE(editor.AlignListVisible());
  editor.AlignListEnter();
  EXPECT_EQ(editor.Cell(Ed::kAlignRow, 1), "Left");
}

TEST_F(TableEditorTest, AlignmentCellWithoutAWordOpensWithNothingHighlighted) {
  table_.SetCols(1);
  table_.SetColAlign({"x"});
  Ed editor(table_, ui_);
  editor.Select(Ed::kAlignRow, 1);
  editor.CharTyped(U'a');
  EXPECT_EQ(editor.AlignListIndex(), -1);
  editor.AlignListEnter();  // nothing chosen: the cell stays empty
  EXPECT_EQ(editor.Cell(Ed::kAlignRow, 1), "");
}

TEST_F(TableEditorTest, OnlyWidthAndDataCellsAreEditable) {
  MakeTwoColumns();
  Ed editor(table_, ui_);
  EXPECT_FALSE(editor.CellEditable(0, 1));
  EXPECT_FALSE(editor.CellEditable(Ed::kAlignRow, 1));
  EXPECT_FALSE(editor.CellEditable(3, 0));
  EXPECT_TRUE(editor.CellEditable(Ed::kWidthRow, 1));
  EXPECT_TRUE(editor.CellEditable(4, 2));
  EXPECT_FALSE(editor.CellEditable(5, 1));
  editor.SetCell(0, 1, "header");
  editor.SetCell(Ed::kAlignRow, 1, "Right");
  editor.SetCell(3, 0, "label");
  editor.SetCell(9, 9, "nowhere");
  EXPECT_EQ(editor.Cell(0, 1), "Col 0");
  EXPECT_EQ(editor.Cell(Ed::kAlignRow, 1), "Left");
  EXPECT_EQ(editor.Cell(3, 0), "Row 0");
  EXPECT_EQ(editor.Cell(9, 9), "");
  EXPECT_EQ(editor.Cell(-1, 0), "");
}

TEST_F(TableEditorTest, SelectionNeverLandsOnFixedCells) {
  MakeTwoColumns();
  Ed editor(table_, ui_);
  EXPECT_EQ(editor.SelectedRow(), Ed::kAlignRow);
  EXPECT_EQ(editor.SelectedCol(), 1);
  editor.Select(0, 1);
  editor.Select(3, 0);
  editor.Select(5, 1);
  EXPECT_EQ(editor.SelectedRow(), Ed::kAlignRow);
  EXPECT_EQ(editor.SelectedCol(), 1);
}

TEST_F(TableEditorTest, DeleteRowAsksAndMovesTheRowsBelowUp) {
  MakeThreeColumns();
  table_.SetItems({"a", "b", "c"});
  Ed editor(table_, ui_);
  editor.Select(3, 2);
  ui_.AnswerMessage(kMbNo);
  editor.DeleteRow();
  ExpectQuestion("The selected row will be deleted. Are you sure?");
  EXPECT_EQ(editor.RowCount(), 6);

  ui_.AnswerMessage(kMbYes);
  editor.DeleteRow();
  EXPECT_EQ(editor.RowCount(), 5);
  EXPECT_EQ(editor.Cell(3, 0), "Row 0");
  EXPECT_EQ(editor.Cell(3, 1), "b");
  EXPECT_EQ(editor.Cell(4, 0), "Row 1");
  EXPECT_EQ(editor.Cell(4, 1), "c");
  editor.Apply();
  EXPECT_EQ(table_.Items(), (StringList{"b~~", "c~~"}));
}

TEST_F(TableEditorTest, DeletingTheLastRowKeepsTheSelectionInTheGrid) {
  MakeTwoColumns();
  Ed editor(table_, ui_);
  editor.Select(4, 1);
  ui_.AnswerMessage(kMbYes);
  editor.DeleteRow();
  EXPECT_EQ(editor.RowCount(), 4);
  EXPECT_EQ(editor.SelectedRow(), 3);
}

TEST_F(TableEditorTest, DeleteRowOnAFixedRowAsksNothing) {
  MakeTwoColumns();
  Ed editor(table_, ui_);
  for (int row : {Ed::kAlignRow, Ed::kWidthRow}) {
    editor.Select(row, 1);
    editor.DeleteRow();
  }
  EXPECT_TRUE(ui_.ShownLog().empty());
  EXPECT_EQ(editor.RowCount(), 5);
}

TEST_F(TableEditorTest, DeleteColAsksAndMovesTheColumnsLeft) {
  MakeThreeColumns();
  Ed editor(table_, ui_);
  editor.Select(3, 1);
  ui_.AnswerMessage(kMbNo);
  editor.DeleteCol();
  ExpectQuestion("The selected column will be deleted. Are you sure?");
  EXPECT_EQ(editor.Columns(), 3);

  ui_.AnswerMessage(kMbYes);
  editor.DeleteCol();
  EXPECT_EQ(GridOf(editor), (std::vector<StringList>{
                                {"", "Col 0", "Col 1"},
                                {"ColAlign", "Center", "Right"},
                                {"ColWidth", "25", "25"},
                                {"Row 0", "b", "c"},
                                {"Row 1", "e", "f"},
                            }));
  editor.Apply();
  EXPECT_EQ(table_.Cols(), 2);
  EXPECT_EQ(table_.ColAlign(), (StringList{"1", "2"}));
  EXPECT_EQ(table_.Items(), (StringList{"b~c", "e~f"}));
}

TEST_F(TableEditorTest, DeletingTheOnlyColumnLeavesATableWithoutColumns) {
  table_.SetCols(1);
  table_.SetColAlign({"2"});
  table_.SetColWidths({"40"});
  table_.SetItems({"x", "y"});
  Ed editor(table_, ui_);
  editor.Select(3, 1);
  ui_.AnswerMessage(kMbYes);
  editor.DeleteCol();
  EXPECT_EQ(editor.Columns(), 0);
  EXPECT_FALSE(editor.HasSelection());
  // With nothing selected there is nothing to delete and nothing is asked.
  ui_.ClearLog();
  editor.DeleteCol();
  editor.DeleteRow();
  EXPECT_TRUE(ui_.ShownLog().empty());
  editor.Apply();
  EXPECT_EQ(table_.Cols(), 0);
  EXPECT_TRUE(table_.ColAlign().empty());
  EXPECT_TRUE(table_.ColWidths().empty());
  EXPECT_EQ(table_.Items(), (StringList{"", ""}));
  // A column added again starts the selection anew.
  editor.AddCol();
  EXPECT_EQ(editor.SelectedCol(), 1);
  EXPECT_EQ(editor.Cell(0, 1), "Col 0");
}

TEST_F(TableEditorTest, ClearAllEmptiesTheDataCellsOnly) {
  MakeThreeColumns();
  Ed editor(table_, ui_);
  ui_.AnswerMessage(kMbNo);
  editor.ClearAll();
  ExpectQuestion("All the row contents will be cleared. Are you sure?");
  EXPECT_EQ(editor.Cell(3, 1), "a");

  ui_.AnswerMessage(kMbYes);
  editor.ClearAll();
  EXPECT_EQ(GridOf(editor), (std::vector<StringList>{
                                {"", "Col 0", "Col 1", "Col 2"},
                                {"ColAlign", "Left", "Center", "Right"},
                                {"ColWidth", "25", "25", "25"},
                                {"Row 0", "", "", ""},
                                {"Row 1", "", "", ""},
                            }));
}

TEST_F(TableEditorTest, ButtonsInOrderWithTheirCaptions) {
  const auto& buttons = Ed::Buttons();
  std::vector<std::string> captions;
  for (const auto& b : buttons) captions.push_back(b.caption);
  EXPECT_EQ(captions, (std::vector<std::string>{"Add &Row", "Delete Row", "Add &Col", "Delete Col",
                                                "Clear All", "Cancel", "OK"}));
  MakeTwoColumns();
  Ed editor(table_, ui_);
  editor.Press(Ed::Button::kAddRow);
  editor.Press(Ed::Button::kAddCol);
  EXPECT_EQ(editor.RowCount(), 6);
  EXPECT_EQ(editor.ColCount(), 4);
}

TEST_F(TableEditorTest, HostileColumnCountsAreBounded) {
  table_.SetCols(-5);
  table_.SetItems({"a~b"});
  {
    Ed editor(table_, ui_);
    EXPECT_EQ(editor.Columns(), 0);
    EXPECT_EQ(editor.DataRows(), 1);
  }
  table_.SetCols(2000000000);
  Ed editor(table_, ui_);
  EXPECT_EQ(editor.Columns(), Ed::kMaxColumns);
  EXPECT_EQ(editor.Cell(3, 2), "b");
  editor.AddCol();
  EXPECT_EQ(editor.Columns(), Ed::kMaxColumns);
}

}  // namespace
}  // namespace qb
