// A character the device cannot show is refused where it is typed: in the inspector's cells,
// the items editor and the table editor, with the character, the control and the value kept.

#include <string>
#include <vector>

#include "controls/CCLabel.h"
#include "controls/CCListBox.h"
#include "controls/CCTable.h"
#include "controls/PTLabel.h"
#include "inspector_fixture.h"
#include "properties/frmTableEditor.h"

namespace qb::test {
namespace {

constexpr LibraryId kCC = LibraryId::kCControls;
constexpr LibraryId kPT = LibraryId::kPToolboxLib;

const std::string kWhy = " cannot be shown on the Palm (it has no Windows-1252 form); ";

struct TypedCase {
  const char* what;
  const char* typed;
  const char* refused;  // the character as the message names it; empty when accepted
};

const TypedCase kTyped[] = {
    {"ASCII", "Total:", ""},
    {"n with tilde", "A\xC3\xB1o", ""},
    {"euro sign", "5 \xE2\x82\xAC", ""},
    {"ellipsis", "Wait\xE2\x80\xA6", ""},
    {"quotes",
     "\"a\" \xE2\x80\x9C"
     "b\xE2\x80\x9D",
     ""},
    {"arrow",
     "a\xE2\x86\x92"
     "b",
     "\"\xE2\x86\x92\" (U+2192)"},
    {"Cyrillic", "\xD0\x96", "\"\xD0\x96\" (U+0416)"},
};

TEST_F(InspectorTest, TypedTextsTheDeviceCannotShowAreRefusedInEveryLibrary) {
  int forms = 0;
  for (const TypedCase& c : kTyped) {
    SCOPED_TRACE(c.what);
    for (LibraryId lib : {kCC, kPT}) {
      ui.ClearLog();
      TChildFrm& form = NewForm(lib, "Form" + std::to_string(++forms));
      TControl& label = Place(form, "Label");
      const char* row = lib == kCC ? "Content" : "Text";
      auto content = [&] {
        return lib == kCC ? static_cast<TCCLabel&>(label).Content()
                          : static_cast<TPTLabel&>(label).Content();
      };
      const std::string old = content();
      inspector.SelectCell(inspector.RowIndex(row));
      inspector.CellEdited(c.typed);
      EXPECT_EQ(Cell(row), c.typed);  // the cell keeps what was typed, as for other errors
      if (*c.refused) {
        EXPECT_EQ(content(), old);
        EXPECT_EQ(ui.Texts(), std::vector<std::string>{"The character " + std::string(c.refused) +
                                                       kWhy + label.Name() + " keeps its " + row +
                                                       " \"" + old + "\"."});
        ASSERT_EQ(ui.ShownLog().size(), 1u);
        EXPECT_EQ(ui.ShownLog()[0].what, "error");
      } else {
        EXPECT_EQ(content(), c.typed);
        EXPECT_TRUE(ui.Texts().empty());
      }
    }
  }
}

TEST_F(InspectorTest, TheFormTitleRefusesWhatTheDeviceCannotShow) {
  TChildFrm& form = NewForm(kCC, "Form1");
  inspector.Rules().FormRows(form);
  inspector.SelectCell(inspector.RowIndex("Title"));
  inspector.CellEdited("A\xC3\xB1o");
  EXPECT_EQ(form.Screen().Title(), "A\xC3\xB1o");
  inspector.CellEdited("A\xC3\xB1o\xE2\x86\x92");
  EXPECT_EQ(form.Screen().Title(), "A\xC3\xB1o");
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"The character \"\xE2\x86\x92\" (U+2192)" + kWhy +
                                                 "Form1 keeps its Title \"A\xC3\xB1o\"."});
}

TEST_F(InspectorTest, TheItemsEditorsLinesAreRefusedWholeWhenOneCannotBeShown) {
  TChildFrm& form = NewForm(kCC, "Form1");
  auto& list = PlaceAs<TCCListBox>(form, "ListBox");
  list.SetItems({"One"});
  hooks.items_ok = true;
  hooks.items_result = {"A\xC3\xB1o", "\xE2\x82\xAC"};
  inspector.ItemsButtonClicked();
  EXPECT_EQ(list.Items(), hooks.items_result);
  EXPECT_TRUE(ui.Texts().empty());

  hooks.items_result = {"fine", "\xD0\x96"};
  inspector.ItemsButtonClicked();
  EXPECT_EQ(list.Items(), (StringList{"A\xC3\xB1o", "\xE2\x82\xAC"}));
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"The character \"\xD0\x96\" (U+0416)" + kWhy +
                                                 list.Name() + " keeps its items."});
}

TEST(TableEditorCodePage, TypedAndPastedCharactersTheDeviceCannotShowAreRefused) {
  FakeUi ui;
  TCCTable table(nullptr);
  table.SetName("tbl1");
  table.SetCols(1);
  table.SetColAlign({"0"});
  table.SetColWidths({"30"});
  table.SetItems({"a"});
  TfrmTableEd editor(table, ui);
  editor.Select(TfrmTableEd::kFirstDataRow, 1);
  EXPECT_TRUE(editor.CharTyped(U'\u00F1'));
  EXPECT_TRUE(editor.CharTyped(U'\u20AC'));
  EXPECT_TRUE(ui.Texts().empty());
  EXPECT_FALSE(editor.CharTyped(U'\u2192'));
  editor.SetCell(TfrmTableEd::kFirstDataRow, 1, "A\xC3\xB1o");
  editor.SetCell(TfrmTableEd::kFirstDataRow, 1, "x\xD0\x96");
  EXPECT_EQ(editor.Cell(TfrmTableEd::kFirstDataRow, 1), "A\xC3\xB1o");
  EXPECT_EQ(
      ui.Texts(),
      (std::vector<std::string>{
          "The character \"\xE2\x86\x92\" (U+2192)" + kWhy + "tbl1 keeps its cell \"a\".",
          "The character \"\xD0\x96\" (U+0416)" + kWhy + "tbl1 keeps its cell \"A\xC3\xB1o\"."}));
  editor.Apply();
  EXPECT_EQ(table.Items(), StringList{"A\xC3\xB1o"});
}

}  // namespace
}  // namespace qb::test
