#include <gtest/gtest.h>

#include "properties/frmItemsEditor.h"
#include "support/fake_ui.h"

namespace qb {
namespace {

using test::FakeUi;

TfrmItemsEd& AsItemsEditor(DialogModel& dialog) {
  EXPECT_STREQ(dialog.DialogId(), "TfrmItemsEd");
  return static_cast<TfrmItemsEd&>(dialog);
}

TEST(ItemsEditor, OpensWithTheLinesAndTheirCount) {
  FakeUi ui;
  StringList lines = {"One", "Two"};
  std::string text, counter;
  ui.AnswerDialog([&](DialogModel& dialog) {
    text = AsItemsEditor(dialog).Text();
    counter = AsItemsEditor(dialog).Counter();
    return false;  // Cancel
  });
  EXPECT_FALSE(EditItemLines(ui, lines));
  EXPECT_EQ(TextLines(text), (StringList{"One", "Two"}));
  EXPECT_EQ(counter, "2 items");
  EXPECT_EQ(lines, (StringList{"One", "Two"}));
  EXPECT_TRUE(ui.AllAnswersUsed());
}

TEST(ItemsEditor, CancelKeepsTheLinesWhateverWasTyped) {
  FakeUi ui;
  StringList lines = {"A", "B", "C"};
  ui.AnswerDialog([](DialogModel& dialog) {
    AsItemsEditor(dialog).SetText("X\nY");
    return false;
  });
  EXPECT_FALSE(EditItemLines(ui, lines));
  EXPECT_EQ(lines, (StringList{"A", "B", "C"}));
}

TEST(ItemsEditor, OkStoresTheTypedLines) {
  FakeUi ui;
  StringList lines = {"One"};
  ui.AnswerDialog([](DialogModel& dialog) {
    AsItemsEditor(dialog).SetText("Red\nGreen\nBlue\n");
    return true;
  });
  EXPECT_TRUE(EditItemLines(ui, lines));
  EXPECT_EQ(lines, (StringList{"Red", "Green", "Blue"}));
}

TEST(ItemsEditor, OkOnAnEmptyTextLeavesNoItems) {
  FakeUi ui;
  StringList lines = {"One", "Two", "Three"};
  ui.AnswerDialog([](DialogModel& dialog) {
    AsItemsEditor(dialog).SetText("");
    EXPECT_EQ(AsItemsEditor(dialog).Counter(), "0 items");
    return true;
  });
  EXPECT_TRUE(EditItemLines(ui, lines));
  EXPECT_TRUE(lines.empty());
}

TEST(ItemsEditor, OkWithoutChangesKeepsEmptyItems) {
  // An empty item, also the last one, survives a round trip through the text box.
  for (const StringList& original :
       {StringList{""}, StringList{"a", ""}, StringList{"", "", "b"}}) {
    FakeUi ui;
    StringList lines = original;
    ui.AnswerDialog([](DialogModel&) { return true; });
    EXPECT_TRUE(EditItemLines(ui, lines));
    EXPECT_EQ(lines, original);
  }
}

TEST(ItemsEditor, PausesTheZoomWhileUp) {
  FakeUi ui;
  StringList lines;
  int depth = -1;
  ui.AnswerDialog([&](DialogModel&) {
    depth = ui.ModalDepth();
    return false;
  });
  EditItemLines(ui, lines);
  EXPECT_EQ(depth, 1);
  EXPECT_EQ(ui.ModalDepth(), 0);
}

struct CounterCase {
  const char* text;
  const char* counter;
};

class ItemsCounter : public ::testing::TestWithParam<CounterCase> {};

TEST_P(ItemsCounter, CountsLinesWithoutTheFinalBreak) {
  StringList transfer;
  TfrmItemsEd editor(transfer);
  editor.SetText(GetParam().text);
  EXPECT_EQ(editor.Counter(), GetParam().counter) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ItemsCounter,
    ::testing::Values(CounterCase{"", "0 items"}, CounterCase{"a", "1 items"},
                      CounterCase{"a\n", "1 items"}, CounterCase{"a\n\n", "2 items"},
                      CounterCase{"\n", "1 items"}, CounterCase{"a\r\nb\r\n", "2 items"},
                      CounterCase{"a\rb\nc", "3 items"}, CounterCase{"a\n\nb", "3 items"}));

TEST(TextLines, SplitsAtEveryKindOfBreak) {
  EXPECT_EQ(TextLines("a\r\nb\rc\nd"), (StringList{"a", "b", "c", "d"}));
  EXPECT_EQ(TextLines("a\n\r\nb"), (StringList{"a", "", "b"}));
  EXPECT_EQ(TextLines("x\r\n"), (StringList{"x"}));
  EXPECT_EQ(JoinTextLines({"a", "b"}), "a\nb\n");
  EXPECT_EQ(JoinTextLines({}), "");
}

}  // namespace
}  // namespace qb
