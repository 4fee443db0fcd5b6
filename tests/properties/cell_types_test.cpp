#include "properties/cell_types.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/CCButton.h"
#include "controls/CCLabel.h"
#include "controls/PTList.h"
#include "controls/PTPopTrigger.h"
#include "form/ChildFor.h"
#include "form/app_state.h"
#include "properties/pick_lists.h"

namespace qb {
namespace {

TEST(TipoCelda, DecidesByNameInOrder) {
  struct Case {
    const char* row;
    CellType type;
  };
  const Case cases[] = {
      {"Text", CellType::kTyped},
      {"Items", CellType::kItems},
      {"Bitmap", CellType::kContent},
      {"DateTimeColors", CellType::kColors},
      {"Left", CellType::kTyped},
      {"TopicWidth", CellType::kTyped},
      {"Topic", CellType::kTyped},
      {"MaxChars", CellType::kTyped},
      {"Font", CellType::kPickList},
      {"ForeColor", CellType::kPickList},
      {"Test", CellType::kPickList},
      {"TestItems", CellType::kPickList},
      {"ShowForm", CellType::kPickList},
      {"Trigger", CellType::kPickList},
      {"DateTimeFormat", CellType::kPickList},
      {"ObjSelectedForeColor", CellType::kPickList},
      {"Align", CellType::kPickList},
      {"Name", CellType::kTyped},
      {"Content", CellType::kTyped},
      {"Title", CellType::kTyped},
      {"DateTimeTitle", CellType::kTyped},
      {"SelectedRow", CellType::kTyped},
      {"VisibleRows", CellType::kTyped},
      {"Caption", CellType::kTyped},
  };
  for (const Case& c : cases) EXPECT_EQ(TipoCelda(c.row), c.type) << c.row;
}

TEST(ValorOK, NumericRowsRefuseTheIntermediateTexts) {
  for (const char* row : {"Left", "Width", "Edge", "SelectedRow", "VisibleRows", "Topic", "Items",
                          "Top", "GroupNumber"}) {
    EXPECT_FALSE(ValorOK(row, "")) << row;
    EXPECT_FALSE(ValorOK(row, "-")) << row;
    EXPECT_TRUE(ValorOK(row, "-1")) << row;
    EXPECT_TRUE(ValorOK(row, "x")) << row;
    EXPECT_TRUE(ValorOK(row, "--")) << row;
  }
  for (const char* row : {"Name", "Content", "Text", "Title", "Font"}) {
    EXPECT_TRUE(ValorOK(row, "")) << row;
    EXPECT_TRUE(ValorOK(row, "-")) << row;
  }
}

class PickLists : public ::testing::Test {
 protected:
  std::vector<std::string> For(const char* row, const TControl* current = nullptr) {
    return PickListFor(row, current, state).entries;
  }
  TChildFrm& NewForm(const std::string& name) {
    state.windows.push_back(std::make_unique<TChildFrm>());
    state.windows.back()->SetName(name);
    return *state.windows.back();
  }
  AppState state;
};

using Words = std::vector<std::string>;

TEST_F(PickLists, FixedWords) {
  EXPECT_EQ(For("Font"), (Words{"Standard", "Bold", "Large", "LargeBold"}));
  EXPECT_EQ(For("Frame"), (Words{"Standard", "Bold", "Square", "No Frame"}));
  EXPECT_EQ(For("Type"), (Words{"Standard", "Repeat"}));
  EXPECT_EQ(For("Alignment"), (Words{"Left", "Center", "Right"}));
  EXPECT_EQ(For("Align"), (Words{"Left", "Right"}));
  EXPECT_EQ(For("Justification"), (Words{"Left", "Right"}));
  EXPECT_EQ(For("Orientation"), (Words{"Horizontal", "Vertical"}));
  for (const char* row : {"State", "SingleLine", "NumbersOnly"})
    EXPECT_EQ(For(row), (Words{"False", "True"})) << row;
  for (const char* row : {"Underline", "Editable"})
    EXPECT_EQ(For(row), (Words{"True", "False"})) << row;
  for (const char* row : {"Test", "TestItems", "Clickable"})
    EXPECT_EQ(For(row), (Words{"No", "Yes"})) << row;
  EXPECT_EQ(For("Line"), (Words{"White", "Black", "Gray"}));
  EXPECT_EQ(For("DateTimePicker"), (Words{"(None)", "Date", "Time"}));
  EXPECT_EQ(PickListFor("Line", nullptr, state).visible_lines, 8);
  EXPECT_TRUE(For("Name").empty());
}

TEST_F(PickLists, ColoursInTheirOwnOrderAllShown) {
  const Words colours = {"Black",  "Maroon", "Green", "Olive",  "Navy", "Purple",  "Teal", "Gray",
                         "Silver", "Red",    "Lime",  "Yellow", "Blue", "Fuchsia", "Aqua", "White"};
  for (const char* row :
       {"FillColor", "TextColor", "FormFrameColor", "FormFillColor", "ObjFrameColor",
        "ObjFillColor", "ObjForeTextColor", "ObjSelectedFillColor", "ObjSelectedForeColor",
        "DialogFillColor", "DialogFrameColor", "BackgroundColor", "LineColor", "CaretColor",
        "HighlightBackColor", "HighlightForeColor", "ForeColor"}) {
    EXPECT_EQ(For(row), colours) << row;
    EXPECT_EQ(PickListFor(row, nullptr, state).visible_lines, 16) << row;
  }
}

TEST_F(PickLists, StyleWordsDependOnTheKind) {
  TChildFrm& form = NewForm("Form1");
  TCCLabel label(&form.Document());
  TPTList list(&form.Document());
  TCCButton button(&form.Document());
  EXPECT_EQ(For("Style", &label), (Words{"Plain", "Underlined", "Boxed"}));
  EXPECT_EQ(For("Style", &list), (Words{"Stand-alone", "Pop-triggered", "Popup-list"}));
  EXPECT_TRUE(For("Style", &button).empty());
}

TEST_F(PickLists, DateTimeFormatsOfThePicker) {
  TChildFrm& form = NewForm("Form1");
  TCCButton select(&form.Document());
  select.SetTag(3);
  EXPECT_EQ(For("DateTimeFormat", &select), Words{"(None)"});
  select.SetDOTPicker(1);
  PickListContents date = PickListFor("DateTimeFormat", &select, state);
  ASSERT_EQ(date.entries.size(), 19u);
  EXPECT_EQ(date.visible_lines, 19);
  EXPECT_EQ(date.entries.front(), "Pref. Short Date");
  EXPECT_EQ(date.entries.back(), "MM-DD-YY (OS4.0+)");
  select.SetDOTPicker(2);
  PickListContents time = PickListFor("DateTimeFormat", &select, state);
  ASSERT_EQ(time.entries.size(), 12u);
  EXPECT_EQ(time.visible_lines, 12);
  EXPECT_EQ(time.entries.back(), "h,mm (0-24)");
  select.SetDOTPicker(7);
  EXPECT_EQ(For("DateTimeFormat", &select), Words{"(None)"});
}

TEST_F(PickLists, ShowFormOffersOtherFormsAndDialogs) {
  TChildFrm& one = NewForm("Form1");
  TChildFrm& two = NewForm("Form2");
  TChildFrm& hidden = NewForm("Form3");
  hidden.SetVisible(false);
  auto* dialog_one = one.Screen().AddChild(std::make_unique<TPTDialog>(&one.Document()));
  dialog_one->SetName("Dialog1");
  two.Screen().AddChild(std::make_unique<TPTDialog>(&two.Document()))->SetName("Dialog2");
  hidden.Screen().AddChild(std::make_unique<TPTDialog>(&hidden.Document()))->SetName("Dialog3");
  auto* on_screen = one.Screen().AddChild(std::make_unique<TCCButton>(&one.Document()));
  auto* in_dialog = dialog_one->AddChild(std::make_unique<TCCButton>(&one.Document()));
  EXPECT_EQ(For("ShowForm", on_screen), (Words{"(None)", "Dialog1", "Form2", "Dialog2"}));
  EXPECT_EQ(For("ShowForm", in_dialog), (Words{"(None)", "Form1", "Form2"}));
}

TEST_F(PickLists, TriggersOfTheListsOwnContainer) {
  TChildFrm& form = NewForm("Form1");
  auto* dialog = form.Screen().AddChild(std::make_unique<TPTDialog>(&form.Document()));
  form.Screen().AddChild(std::make_unique<TPTPopTrigger>(&form.Document()))->SetName("Pop1");
  dialog->AddChild(std::make_unique<TPTPopTrigger>(&form.Document()))->SetName("Pop2");
  form.Screen().AddChild(std::make_unique<TPTPopTrigger>(&form.Document()))->SetName("Pop3");
  auto* on_screen = form.Screen().AddChild(std::make_unique<TPTList>(&form.Document()));
  auto* in_dialog = dialog->AddChild(std::make_unique<TPTList>(&form.Document()));
  EXPECT_EQ(For("Trigger", on_screen), (Words{"(None)", "Pop1", "Pop3"}));
  EXPECT_EQ(For("Trigger", in_dialog), (Words{"(None)", "Pop2"}));
}

}  // namespace
}  // namespace qb
