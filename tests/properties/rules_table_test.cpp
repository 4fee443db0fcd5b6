// Every kind of both libraries, and the form: its rows in order with the texts they show
// right after placement, and every row applied and shown back.

#include <optional>
#include <utility>

#include "inspector_fixture.h"
#include "properties/cell_types.h"
#include "properties/pick_lists.h"

namespace qb::test {
namespace {

constexpr LibraryId kCC = LibraryId::kCControls;
constexpr LibraryId kPT = LibraryId::kPToolboxLib;

using Rows = std::vector<std::pair<std::string, std::string>>;

struct KindCase {
  LibraryId lib;
  std::string kind;  // "Form" for the form itself
  Rows rows;         // each row with its text after placement at (10, 20)
};

std::ostream& operator<<(std::ostream& out, const KindCase& k) {
  return out << (k.lib == kCC ? "CControls " : "PToolboxLib ") << k.kind;
}

const std::vector<KindCase> kCases = {
    {kCC,
     "Button",
     {{"Content", "Button1"},
      {"Edge", "4"},
      {"Font", "Standard"},
      {"Height", "12"},
      {"Left", "10"},
      {"Line", "Black"},
      {"Name", "Button1"},
      {"ShowForm", "(None)"},
      {"Top", "20"},
      {"Width", "38"}}},
    {kCC,
     "Label",
     {{"Alignment", "Left"},
      {"Content", "Label1"},
      {"Font", "Standard"},
      {"Left", "11"},
      {"Line", "White"},
      {"Name", "Label1"},
      {"Style", "Plain"},
      {"Top", "21"},
      {"Width", "30"}}},
    {kCC,
     "CheckBox",
     {{"Content", "CheckBox1"},
      {"Font", "Standard"},
      {"Left", "11"},
      {"Name", "CheckBox1"},
      {"State", "False"},
      {"Top", "21"},
      {"Width", "58"}}},
    {kCC,
     "Switch",
     {{"Content", "Switch1"},
      {"Edge", "0"},
      {"Font", "Standard"},
      {"Height", "12"},
      {"Left", "11"},
      {"Line", "Black"},
      {"Name", "Switch1"},
      {"State", "False"},
      {"Top", "21"},
      {"Width", "36"}}},
    {kCC,
     "Edit",
     {{"Alignment", "Left"},
      {"Content", "Edit1"},
      {"Left", "11"},
      {"Line", "Gray"},
      {"Name", "Edit1"},
      {"Style", "Underlined"},
      {"Top", "21"},
      {"Topic", "Topic"},
      {"Width", "30"}}},
    {kCC,
     "EditLine",
     {{"Content", "EditLine1"},
      {"Left", "11"},
      {"Line", "Gray"},
      {"Name", "EditLine1"},
      {"Style", "Underlined"},
      {"Top", "21"},
      {"Width", "30"}}},
    {kCC,
     "ListBox",
     {{"Items", "(Items)"},
      {"Left", "11"},
      {"Name", "ListBox1"},
      {"SelectedItem", "-1"},
      {"Top", "21"},
      {"VisibleItems", "2"},
      {"Width", "33"}}},
    {kCC,
     "Radio",
     {{"Height", "12"},
      {"Items", "(Items)"},
      {"Left", "11"},
      {"Name", "Radio1"},
      {"SelectedItem", "0"},
      {"Top", "21"},
      {"Width", "28"}}},
    {kCC,
     "DropDown",
     {{"Items", "(Items)"},
      {"Left", "11"},
      {"Name", "DropDown1"},
      {"SelectedItem", "0"},
      {"TestItems", "No"},
      {"Top", "21"},
      {"VisibleItems", "2"},
      {"Width", "36"}}},
    {kCC,
     "PopUp",
     {{"Items", "(Items)"},
      {"Left", "11"},
      {"Name", "PopUp1"},
      {"SelectedItem", "-1"},
      {"Test", "Yes"},
      {"Top", "21"},
      {"VisibleItems", "2"},
      {"Width", "32"}}},
    {kCC,
     "Menu",
     {{"Items", "(Items)"},
      {"Left", "5"},
      {"Name", "Menu1"},
      {"Test", "Yes"},
      {"Topic", "Topic"},
      {"TopicWidth", "36"},
      {"Width", "38"}}},
    {kCC,
     "Dialog",
     {{"Content", "Dialog"},
      {"Height", "84"},
      {"Left", "3"},
      {"Name", "Dialog1"},
      {"Test", "Yes"},
      {"Top", "58"},
      {"Width", "156"}}},
    {kCC,
     "Image",
     {{"Bitmap", "(Bitmap)"},
      {"Clickable", "Yes"},
      {"Height", "20"},
      {"Left", "10"},
      {"Name", "Image1"},
      {"Top", "20"},
      {"Width", "20"}}},
    {kCC,
     "Table",
     {{"Items", "(Items)"},
      {"Left", "11"},
      {"Name", "Table1"},
      {"SelectedRow", "0"},
      {"Top", "21"},
      {"VisibleRows", "4"},
      {"Width", "75"}}},
    {kCC, "Form", {{"Name", "Form1"}, {"Title", "Form1"}}},
    {kPT,
     "Button",
     {{"Font", "Standard"},
      {"Frame", "Standard"},
      {"Height", "13"},
      {"Left", "10"},
      {"Name", "Button1"},
      {"ShowForm", "(None)"},
      {"Text", "Button1"},
      {"Top", "20"},
      {"Type", "Standard"},
      {"Width", "42"},
      {"FillColor", "White"},
      {"TextColor", "Black"}}},
    {kPT,
     "Push",
     {{"Font", "Standard"},
      {"GroupNumber", "0"},
      {"Height", "13"},
      {"Left", "11"},
      {"Name", "Push1"},
      {"State", "False"},
      {"Text", "Push1"},
      {"Top", "21"},
      {"Width", "30"}}},
    {kPT,
     "Select",
     {{"Align", "Left"},
      {"Font", "Standard"},
      {"Height", "13"},
      {"Left", "10"},
      {"Name", "Select1"},
      {"Text", "Select1"},
      {"Top", "20"},
      {"DateTimePicker", "(None)"},
      {"DateTimeFormat", "(None)"},
      {"DateTimeTitle", "Select..."},
      {"DateTimeColors", "(None)"},
      {"FillColor", "White"},
      {"TextColor", "Black"}}},
    {kPT,
     "CheckBox",
     {{"Font", "Standard"},
      {"GroupNumber", "0"},
      {"Height", "15"},
      {"Left", "11"},
      {"Name", "CheckBox1"},
      {"State", "False"},
      {"Text", "CheckBox1"},
      {"Top", "21"},
      {"Width", "58"}}},
    {kPT,
     "Label",
     {{"Font", "Standard"},
      {"Left", "10"},
      {"Name", "Label1"},
      {"Text", "Label1"},
      {"Top", "20"},
      {"TextColor", "Black"}}},
    {kPT,
     "List",
     {{"Font", "Standard"},
      {"Items", "(Items)"},
      {"Left", "11"},
      {"MaxItems", "2"},
      {"Name", "List1"},
      {"SelectedItem", "-1"},
      {"Style", "Stand-alone"},
      {"Top", "21"},
      {"Trigger", "(None)"},
      {"Width", "32"}}},
    {kPT,
     "PopTrigger",
     {{"Font", "Standard"},
      {"Height", "15"},
      {"Left", "10"},
      {"Name", "Pop1"},
      {"Text", "Pop"},
      {"Top", "20"},
      {"Width", "35"}}},
    {kPT,
     "Field",
     {{"Editable", "True"},
      {"Font", "Standard"},
      {"Height", "15"},
      {"Justification", "Left"},
      {"Left", "10"},
      {"MaxChars", "20"},
      {"Name", "Field1"},
      {"NumbersOnly", "False"},
      {"SingleLine", "False"},
      {"Text", "Field"},
      {"Top", "20"},
      {"Underline", "True"},
      {"Width", "32"},
      {"BackgroundColor", "White"},
      {"TextColor", "Black"},
      {"LineColor", "Black"},
      {"CaretColor", "Black"},
      {"HighlightBackColor", "Black"},
      {"HighlightForeColor", "White"}}},
    {kPT,
     "Dialog",
     {{"Height", "84"},
      {"Left", "3"},
      {"Name", "Dialog1"},
      {"Test", "Yes"},
      {"Title", "Dialog"},
      {"Top", "58"},
      {"Width", "156"},
      {"DialogFrameColor", "Black"},
      {"DialogFillColor", "White"},
      {"ObjFrameColor", "Black"},
      {"ObjFillColor", "White"},
      {"ObjForeTextColor", "Black"},
      {"ObjSelectedFillColor", "Black"},
      {"ObjSelectedForeColor", "White"}}},
    {kPT, "GSI", {{"Left", "10"}, {"Name", "GSI1"}, {"Top", "20"}}},
    {kPT,
     "Bitmap",
     {{"Bitmap", "(Bitmap)"},
      {"Height", "20"},
      {"Left", "10"},
      {"Name", "Bitmap1"},
      {"Top", "20"},
      {"Width", "20"},
      {"ForeColor", "Black"}}},
    {kPT,
     "Radio",
     {{"Font", "Standard"},
      {"GroupNumber", "1"},
      {"Height", "13"},
      {"Items", "(Items)"},
      {"Left", "11"},
      {"Name", "Radio1"},
      {"Orientation", "Horizontal"},
      {"SelectedItem", "0"},
      {"Top", "21"},
      {"Width", "28"}}},
    {kPT,
     "Form",
     {{"Name", "Form1"},
      {"Title", "Form1"},
      {"FormFrameColor", "Black"},
      {"FormFillColor", "White"},
      {"ObjFrameColor", "Black"},
      {"ObjFillColor", "White"},
      {"ObjForeTextColor", "Black"},
      {"ObjSelectedFillColor", "Black"},
      {"ObjSelectedForeColor", "White"}}},
};

class KindRows : public InspectorTest, public ::testing::WithParamInterface<KindCase> {
 protected:
  TControl& PlaceCase() {
    TChildFrm& form = NewForm(GetParam().lib, "Form1");
    if (GetParam().kind == "Form") {
      Show(form.Client());
      inspector.RefreshChooser();
      return form.Client();
    }
    return Place(form, GetParam().kind);
  }
};

TEST_P(KindRows, ShowsItsRowsInOrderWithThePlacementValues) {
  TControl& control = PlaceCase();
  std::vector<std::string> names;
  for (const auto& [name, text] : GetParam().rows) names.push_back(name);
  EXPECT_EQ(GridNames(), names);
  EXPECT_EQ(inspector.Rules().RowNames(control), names);
  for (const auto& [name, text] : GetParam().rows) {
    EXPECT_EQ(Cell(name), text) << name;
    EXPECT_EQ(inspector.Rules().ValueText(control, name), text) << name;
  }
  EXPECT_EQ(state.current_control.Get(), &control);
  ASSERT_GE(inspector.ChooserIndex(), 0);
  EXPECT_EQ(inspector.ChooserEntries()[inspector.ChooserIndex()].control.Get(), &control);
  EXPECT_TRUE(ui.ShownLog().empty());
}

// The text each typed row is given; the radio's width keeps to whole cells, so it is given a
// width it keeps.
std::optional<std::string> TypedSample(const KindCase& k, const std::string& row) {
  static const std::vector<std::pair<std::string, std::string>> kSamples = {
      {"Left", "7"},
      {"Top", "9"},
      {"Width", "24"},
      {"Height", "16"},
      {"Edge", "2"},
      {"SelectedItem", "1"},
      {"VisibleItems", "3"},
      {"VisibleRows", "3"},
      {"SelectedRow", "2"},
      {"TopicWidth", "40"},
      {"MaxItems", "3"},
      {"MaxChars", "12"},
      {"GroupNumber", "7"},
      {"Name", "Renamed"},
      {"Content", "Hello"},
      {"Text", "Hi there"},
      {"Title", "A title"},
      {"Topic", "File"},
      {"DateTimeTitle", "Pick a day"},
  };
  if (k.kind == "Radio" && row == "Width") return "28";
  for (const auto& [name, text] : kSamples)
    if (name == row) return text;
  return std::nullopt;
}

TEST_P(KindRows, ShowsBackEveryValueApplied) {
  TControl& control = PlaceCase();
  PropertyRules& rules = inspector.Rules();
  for (const auto& [row, placed] : GetParam().rows) {
    CellType type = TipoCelda(row);
    if (type == CellType::kPickList) {
      for (const std::string& word : PickListFor(row, &control, state).entries) {
        rules.ApplyValue(row, word);
        EXPECT_EQ(rules.ValueText(control, row), word) << row;
      }
    } else if (auto sample = TypedSample(GetParam(), row)) {
      rules.ApplyValue(row, *sample);
      EXPECT_EQ(rules.ValueText(control, row), *sample) << row;
    } else {
      // Rows that only a separate editor changes keep their text.
      std::string before = rules.ValueText(control, row);
      rules.ApplyValue(row, "anything");
      EXPECT_EQ(rules.ValueText(control, row), before) << row;
    }
  }
  EXPECT_TRUE(ui.ShownLog().empty());
}

TEST_P(KindRows, IgnoresRowsTheKindDoesNotHave) {
  TControl& control = PlaceCase();
  PropertyRules& rules = inspector.Rules();
  std::vector<std::string> before;
  for (const auto& [row, placed] : GetParam().rows) before.push_back(rules.ValueText(control, row));
  for (const char* foreign : {"Caption", "Font", "Topic", "Trigger", "Bitmap", "Align"}) {
    bool has = std::any_of(GetParam().rows.begin(), GetParam().rows.end(),
                           [&](const auto& r) { return r.first == foreign; });
    if (has) continue;
    rules.ApplyValue(foreign, "Bold");
    EXPECT_EQ(rules.ValueText(control, foreign), "") << foreign;
  }
  std::vector<std::string> after;
  for (const auto& [row, placed] : GetParam().rows) after.push_back(rules.ValueText(control, row));
  EXPECT_EQ(after, before);
}

INSTANTIATE_TEST_SUITE_P(AllKinds, KindRows, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<KindCase>& info) {
                           return std::string(info.param.lib == kCC ? "CC" : "PT") +
                                  info.param.kind;
                         });

// Every kind of both catalogues has a case above.
TEST(KindRowsCoverage, EveryKindOfBothLibrariesIsListed) {
  for (LibraryId lib : {kCC, kPT}) {
    for (const KindInfo& kind : KindsOf(lib)) {
      if (std::string(kind.kind) == "MenuBar") continue;  // placed with the first menu, below
      bool listed = std::any_of(kCases.begin(), kCases.end(), [&](const KindCase& k) {
        return k.lib == lib && k.kind == kind.kind;
      });
      EXPECT_TRUE(listed) << kind.kind;
    }
  }
}

TEST_F(InspectorTest, MenuBarShowsItsNameAndTest) {
  TChildFrm& form = NewForm(kCC, "Form1");
  Place(form, "Menu");
  TControl* bar = form.FindControl("MenuBarForm1");
  ASSERT_NE(bar, nullptr);
  Show(*bar);
  EXPECT_EQ(GridNames(), (std::vector<std::string>{"Name", "Test"}));
  EXPECT_EQ(Cell("Name"), "MenuBarForm1");
  EXPECT_EQ(Cell("Test"), "Yes");
}

}  // namespace
}  // namespace qb::test
