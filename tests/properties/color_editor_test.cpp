#include <gtest/gtest.h>

#include "controls/CCBitmap.h"
#include "controls/CCRadio.h"
#include "controls/CCSwitch.h"
#include "controls/PTButton.h"
#include "controls/PTLabel.h"
#include "controls/PTList.h"
#include "model/datamod.h"
#include "properties/frmPropSelect.h"
#include "support/fake_ui.h"
#include "support/pixel_art.h"

namespace qb {
namespace {

using test::FakeUi;
using Ed = TfrmDlgColor;

class ColorEditorTest : public ::testing::Test {
 protected:
  ColorEditorTest() {
    select_.SetTag(kSelectTag);
    select_.SetDOTPicker(kPickerDate);
    select_.SetDOTTitle("Pick a day");
  }

  // The sample's controls of one class, in child order.
  template <typename T>
  static std::vector<T*> PartsOf(TPTDialog& dialog) {
    std::vector<T*> out;
    for (const auto& child : dialog.Children())
      if (auto* c = As<T>(child.get())) out.push_back(c);
    return out;
  }
  static std::vector<std::string> LabelTexts(TPTDialog& dialog) {
    std::vector<std::string> out;
    for (TPTLabel* label : PartsOf<TPTLabel>(dialog)) out.push_back(label->Content());
    return out;
  }
  static std::vector<std::string> ButtonTexts(TPTDialog& dialog) {
    std::vector<std::string> out;
    for (TPTButton* button : PartsOf<TPTButton>(dialog)) out.push_back(button->Text());
    return out;
  }

  FakeUi ui_;
  FontRegistry fonts_;  // nothing loaded: the built-in face
  TCCButton select_{nullptr};
};

TEST_F(ColorEditorTest, RowsAndColourListInOrder) {
  EXPECT_EQ(std::vector<std::string>(Ed::RowNames().begin(), Ed::RowNames().end()),
            (std::vector<std::string>{"DialogFrameColor", "DialogFillColor", "ObjFrameColor",
                                      "ObjFillColor", "ObjForeTextColor", "ObjSelectedFillColor",
                                      "ObjSelectedForeColor"}));
  Ed editor(select_, fonts_);
  EXPECT_EQ(editor.ColorList(),
            (std::vector<std::string>{"Black", "Maroon", "Green", "Olive", "Navy", "Purple", "Teal",
                                      "Gray", "Silver", "Red", "Lime", "Yellow", "Blue", "Fuchsia",
                                      "Aqua", "White"}));
}

TEST_F(ColorEditorTest, OpensWithTheFieldsFirstRowSelectedAndTheListHidden) {
  select_.SetDOTColors("Navy,Silver,Red,Lime,Teal,Maroon,Aqua");
  Ed editor(select_, fonts_);
  const char* expected[] = {"Navy", "Silver", "Red", "Lime", "Teal", "Maroon", "Aqua"};
  for (int row = 0; row < Ed::kRowCount; ++row) EXPECT_EQ(editor.Value(row), expected[row]);
  EXPECT_EQ(editor.SelectedRow(), 0);
  EXPECT_FALSE(editor.ColorListVisible());
}

TEST_F(ColorEditorTest, TwoFieldsOpenWithFiveEmptyRowsAndOkWritesSevenFields) {
  select_.SetDOTColors("Red,White");
  ui_.AnswerDialog([](DialogModel& dialog) {
    auto& editor = static_cast<Ed&>(dialog);
    EXPECT_EQ(editor.Value(0), "Red");
    EXPECT_EQ(editor.Value(1), "White");
    for (int row = 2; row < Ed::kRowCount; ++row) EXPECT_EQ(editor.Value(row), "") << row;
    return true;
  });
  EXPECT_TRUE(EditPickerColors(ui_, select_, fonts_));
  EXPECT_EQ(select_.DOTColors(), "Red,White,,,,,");
}

TEST_F(ColorEditorTest, OkWithoutChangesKeepsTheDefaultColours) {
  ui_.AnswerDialog([](DialogModel&) { return true; });
  EXPECT_TRUE(EditPickerColors(ui_, select_, fonts_));
  EXPECT_EQ(select_.DOTColors(), "Black,White,Black,White,Black,White,Black");
}

TEST_F(ColorEditorTest, SurplusFieldsAreDropped) {
  select_.SetDOTColors("Red,Red,Red,Red,Red,Red,Red,Blue,Blue");
  ui_.AnswerDialog([](DialogModel&) { return true; });
  EditPickerColors(ui_, select_, fonts_);
  EXPECT_EQ(select_.DOTColors(), "Red,Red,Red,Red,Red,Red,Red");
}

TEST_F(ColorEditorTest, CancelStoresNothing) {
  select_.SetDOTColors("Red,White");
  ui_.AnswerDialog([](DialogModel& dialog) {
    auto& editor = static_cast<Ed&>(dialog);
    editor.SelectRow(3);
    editor.ChooseColor(12);
    return false;
  });
  EXPECT_FALSE(EditPickerColors(ui_, select_, fonts_));
  EXPECT_EQ(select_.DOTColors(), "Red,White");
}

TEST_F(ColorEditorTest, ChoosingAColourFillsTheCellAndOkJoinsThem) {
  Ed editor(select_, fonts_);
  editor.SelectRow(2);
  EXPECT_TRUE(editor.ColorListVisible());
  EXPECT_EQ(editor.ColorListIndex(), 0);  // "Black"
  editor.ChooseColor(12);
  EXPECT_EQ(editor.Value(2), "Blue");
  editor.SelectRow(6);
  editor.ChooseColor(3);
  editor.Apply();
  EXPECT_EQ(select_.DOTColors(), "Black,White,Blue,White,Black,White,Olive");
}

TEST_F(ColorEditorTest, ListPreselectsTheCellsName) {
  select_.SetDOTColors("Red,,Grey,White");
  Ed editor(select_, fonts_);
  editor.SelectRow(0);
  EXPECT_EQ(editor.ColorListIndex(), 9);
  editor.SelectRow(1);
  EXPECT_EQ(editor.ColorListIndex(), -1);
  editor.SelectRow(2);
  EXPECT_EQ(editor.ColorListIndex(), -1);
  editor.SelectRow(3);
  EXPECT_EQ(editor.ColorListIndex(), 15);
  editor.HideColorList();
  EXPECT_FALSE(editor.ColorListVisible());
  // Out-of-range rows and entries change nothing.
  editor.SelectRow(7);
  editor.SelectRow(-1);
  EXPECT_EQ(editor.SelectedRow(), 3);
  editor.ChooseColor(16);
  editor.ChooseColor(-1);
  EXPECT_EQ(editor.Value(3), "White");
}

TEST_F(ColorEditorTest, UnknownNamesArePreviewedBlackAndStoredUnchanged) {
  select_.SetDOTColors("Grey,red,,White,Blue,Black,White");
  ui_.AnswerDialog([](DialogModel& dialog) {
    auto& editor = static_cast<Ed&>(dialog);
    EXPECT_EQ(editor.DateSample().ColorDialogFrame(), kBlack);
    EXPECT_EQ(editor.DateSample().ColorDialogFill(), kBlack);
    EXPECT_EQ(editor.DateSample().ColorFrame(), kBlack);
    return true;
  });
  EditPickerColors(ui_, select_, fonts_);
  EXPECT_EQ(select_.DOTColors(), "Grey,red,,White,Blue,Black,White");
}

TEST_F(ColorEditorTest, DatePickerShowsTheDateSampleTitledWithTheTitle) {
  Ed editor(select_, fonts_);
  EXPECT_TRUE(editor.DateSample().Visible());
  EXPECT_FALSE(editor.TimeSample().Visible());
  EXPECT_EQ(editor.DateSample().Title(), "Pick a day");
}

TEST_F(ColorEditorTest, TimePickerShowsTheTimeSampleTitledWithTheTitle) {
  select_.SetDOTPicker(kPickerTime);
  select_.SetDOTTitle("When?");
  Ed editor(select_, fonts_);
  EXPECT_FALSE(editor.DateSample().Visible());
  EXPECT_TRUE(editor.TimeSample().Visible());
  EXPECT_EQ(editor.TimeSample().Title(), "When?");
}

TEST_F(ColorEditorTest, SelectWithoutAPickerOpensNothing) {
  for (int picker : {0, 3, -1}) {
    select_.SetDOTPicker(picker);
    EXPECT_FALSE(EditPickerColors(ui_, select_, fonts_));
  }
  EXPECT_TRUE(ui_.ShownLog().empty());
}

TEST_F(ColorEditorTest, SampleSizes) {
  Ed editor(select_, fonts_);
  EXPECT_EQ(editor.DateSample().UserWidth(), 156);
  EXPECT_EQ(editor.DateSample().UserHeight(), 156);
  EXPECT_EQ(editor.TimeSample().UserWidth(), 156);
  EXPECT_EQ(editor.TimeSample().UserHeight(), 70);
}

TEST_F(ColorEditorTest, DateSampleHoldsTheFixedParts) {
  Ed editor(select_, fonts_);
  TPTDialog& date = editor.DateSample();
  std::vector<std::string> labels = LabelTexts(date);
  ASSERT_EQ(labels.size(), 7u);
  EXPECT_EQ(labels[0], "2002");
  EXPECT_EQ(labels[1], "S       M       T       W       T       F       S");
  EXPECT_EQ(PartsOf<TPTLabel>(date)[1]->Font().name, "PilotBold");
  EXPECT_EQ(ButtonTexts(date), (std::vector<std::string>{"Cancel", "Today"}));
  auto months = PartsOf<TCCRadio>(date);
  ASSERT_EQ(months.size(), 2u);
  EXPECT_EQ(months[0]->Items(), (StringList{"Jan", "Feb", "Mar", "Apr", "May", "Jun"}));
  EXPECT_EQ(months[0]->SelectedItem(), -1);
  EXPECT_EQ(months[1]->Items(), (StringList{"Jul", "Aug", "Sep", "Oct", "Nov", "Dec"}));
  EXPECT_EQ(months[1]->Items()[static_cast<std::size_t>(months[1]->SelectedItem())], "Oct");
  auto arrows = PartsOf<TCCBitmap>(date);
  ASSERT_EQ(arrows.size(), 2u);
  EXPECT_EQ(arrows[0]->StringBits(), "040c1c3c7cfc7c3c1c0c04");
  EXPECT_EQ(arrows[0]->Width(), 6);
  EXPECT_EQ(arrows[0]->Height(), 11);
  EXPECT_EQ(arrows[1]->StringBits(), "80c0e0f0f8fcf8f0e0c080");
  EXPECT_EQ(PartsOf<TPTList>(date).size(), 1u);
  // The day numbers 1 to 31 over five lines.
  std::string days;
  for (std::size_t i = 2; i < labels.size(); ++i) days += labels[i] + " ";
  for (int d = 1; d <= 31; ++d)
    EXPECT_NE(days.find(" " + std::to_string(d) + " "), std::string::npos) << d;
}

TEST_F(ColorEditorTest, TimeSampleHoldsTheFixedParts) {
  Ed editor(select_, fonts_);
  TPTDialog& time = editor.TimeSample();
  EXPECT_EQ(LabelTexts(time), (std::vector<std::string>{":"}));
  EXPECT_EQ(ButtonTexts(time), (std::vector<std::string>{"OK", "Cancel"}));
  std::vector<std::pair<std::string, int>> pushes;
  for (TCCSwitch* push : PartsOf<TCCSwitch>(time))
    pushes.emplace_back(push->Content(), push->State());
  EXPECT_EQ(pushes, (std::vector<std::pair<std::string, int>>{
                        {"8", 1}, {"2", 0}, {"9", 0}, {"AM", 1}, {"PM", 0}}));
  auto arrows = PartsOf<TCCBitmap>(time);
  ASSERT_EQ(arrows.size(), 2u);
  EXPECT_EQ(arrows[0]->StringBits(), "0400e01f03f87fcffe");
  EXPECT_EQ(arrows[0]->Width(), 11);
  EXPECT_EQ(arrows[0]->Height(), 6);
  EXPECT_EQ(arrows[1]->StringBits(), "ffe7fc3f81f00e0040");
}

// Each row reaches its colour of the dialog, in both samples.
using DialogColor = Color (*)(const TPTDialog&);
struct RowCase {
  int row;
  DialogColor get;
};
const RowCase kRowCases[] = {
    {0, [](const TPTDialog& d) -> Color { return d.ColorDialogFrame(); }},
    {1, [](const TPTDialog& d) -> Color { return d.ColorDialogFill(); }},
    {2, [](const TPTDialog& d) -> Color { return d.ColorFrame(); }},
    {3, [](const TPTDialog& d) -> Color { return d.ColorFill(); }},
    {4, [](const TPTDialog& d) -> Color { return d.ColorText(); }},
    {5, [](const TPTDialog& d) -> Color { return d.ColorSelectedFill(); }},
    {6, [](const TPTDialog& d) -> Color { return d.ColorSelectedFore(); }},
};
constexpr int kYellowEntry = 11;
constexpr Color kYellow = 65535;

TEST_F(ColorEditorTest, EachRowSetsItsOwnDialogColourInBothSamples) {
  for (const RowCase& c : kRowCases) {
    Ed editor(select_, fonts_);
    const unsigned revision = editor.SampleRevision();
    editor.SelectRow(c.row);
    editor.ChooseColor(kYellowEntry);
    EXPECT_GT(editor.SampleRevision(), revision) << c.row;
    EXPECT_EQ(c.get(editor.DateSample()), kYellow) << c.row;
    EXPECT_EQ(c.get(editor.TimeSample()), kYellow) << c.row;
    for (const RowCase& other : kRowCases)
      if (other.row != c.row) {
        EXPECT_NE(other.get(editor.DateSample()), kYellow) << c.row;
      }
  }
}

TEST_F(ColorEditorTest, OpeningAppliesEveryField) {
  select_.SetDOTColors("Red,Lime,Blue,Yellow,Fuchsia,Aqua,Navy");
  Ed editor(select_, fonts_);
  const Color expected[] = {kRed, 65280, kBlue, kYellow, 16711935, 16776960, kNavy};
  for (const RowCase& c : kRowCases) {
    EXPECT_EQ(c.get(editor.DateSample()), expected[c.row]) << c.row;
    EXPECT_EQ(c.get(editor.TimeSample()), expected[c.row]) << c.row;
  }
}

TEST_F(ColorEditorTest, ObjectFillReachesTheButtonsAndTheDayLines) {
  Ed editor(select_, fonts_);
  editor.SelectRow(3);
  editor.ChooseColor(7);  // Gray
  for (TPTButton* button : PartsOf<TPTButton>(editor.DateSample()))
    EXPECT_EQ(button->ColorFill(), kGray) << button->Text();
  for (TPTButton* button : PartsOf<TPTButton>(editor.TimeSample()))
    EXPECT_EQ(button->ColorFill(), kGray) << button->Text();
  auto labels = PartsOf<TPTLabel>(editor.DateSample());
  // The year and weekday labels stand on the dialog; the five day lines on the object fill.
  for (std::size_t i = 2; i < labels.size(); ++i) {
    EXPECT_EQ(labels[i]->Color(), kGray) << labels[i]->Content();
    EXPECT_EQ(labels[i]->PalmForm(), nullptr);
  }
  EXPECT_EQ(labels[0]->PalmForm(), &editor.DateSample());
  EXPECT_NE(labels[0]->Color(), kGray);
}

TEST_F(ColorEditorTest, ObjectTextReachesLabelsButtonsAndArrows) {
  Ed editor(select_, fonts_);
  editor.SelectRow(4);
  editor.ChooseColor(9);  // Red
  for (TPTDialog* sample : {&editor.DateSample(), &editor.TimeSample()}) {
    for (TPTLabel* label : PartsOf<TPTLabel>(*sample))
      EXPECT_EQ(label->ColorText(), kRed) << label->Content();
    for (TPTButton* button : PartsOf<TPTButton>(*sample))
      EXPECT_EQ(button->ColorText(), kRed) << button->Text();
    for (TCCBitmap* arrow : PartsOf<TCCBitmap>(*sample))
      EXPECT_EQ(arrow->ColorFore(), kRed) << arrow->StringBits();
  }
}

TEST_F(ColorEditorTest, OtherRowsLeaveThePiecesAlone) {
  Ed editor(select_, fonts_);
  for (int row : {0, 1, 2, 5, 6}) {
    editor.SelectRow(row);
    editor.ChooseColor(4);  // Navy
  }
  for (TPTButton* button : PartsOf<TPTButton>(editor.DateSample())) {
    EXPECT_EQ(button->ColorFill(), kWhite);
    EXPECT_EQ(button->ColorText(), kBlack);
  }
  for (TCCBitmap* arrow : PartsOf<TCCBitmap>(editor.TimeSample()))
    EXPECT_EQ(arrow->ColorFore(), kBlack);
}

TEST_F(ColorEditorTest, KeepsTheZoomLiveAndIsFoundThroughTheSlot) {
  ColorEditorSlot slot;
  int depth = -1;
  bool slot_held_editor = false;
  ui_.AnswerDialog([&](DialogModel& dialog) {
    EXPECT_STREQ(dialog.DialogId(), "TfrmDlgColor");
    depth = ui_.ModalDepth();
    slot_held_editor = slot.open == &static_cast<Ed&>(dialog);
    return false;
  });
  EditPickerColors(ui_, select_, fonts_, &slot);
  EXPECT_EQ(depth, 0);
  EXPECT_TRUE(slot_held_editor);
  EXPECT_EQ(slot.open, nullptr);
}

// The samples as pictures: the dialog's frame and body in the chosen colours.
TEST_F(ColorEditorTest, DatePictureShowsTheChosenDialogColours) {
  select_.SetDOTColors("Red,Blue,Black,White,Black,White,Black");
  Ed editor(select_, fonts_);
  const PalmCanvas& picture = editor.DatePicture();
  ASSERT_EQ(picture.Width(), 160);
  ASSERT_EQ(picture.Height(), 160);
  // The rounded corner shows the window face; the frame is red, the empty body blue.
  EXPECT_EQ(picture.At(0, 0), kSilver);
  EXPECT_EQ(picture.At(2, 0), kRed);
  EXPECT_EQ(picture.At(0, 80), kRed);
  EXPECT_EQ(picture.At(159, 80), kRed);
  EXPECT_EQ(picture.At(80, 159), kRed);
  EXPECT_EQ(picture.At(150, 20), kBlue);
  EXPECT_EQ(picture.At(150, 135), kBlue);

  editor.SelectRow(1);
  editor.ChooseColor(2);  // Green
  EXPECT_EQ(editor.DatePicture().At(150, 20), kGreen);
  EXPECT_EQ(&editor.ShownSamplePicture(), &editor.DatePicture());
}

TEST_F(ColorEditorTest, TimePictureIsTheShownSampleOfATimePicker) {
  select_.SetDOTPicker(kPickerTime);
  select_.SetDOTColors("Navy,Silver");
  Ed editor(select_, fonts_);
  const PalmCanvas& picture = editor.ShownSamplePicture();
  ASSERT_EQ(picture.Width(), 160);
  ASSERT_EQ(picture.Height(), 74);
  EXPECT_EQ(picture.At(80, 0), kNavy);
  EXPECT_EQ(picture.At(80, 73), kNavy);
  EXPECT_EQ(picture.At(150, 60), kSilver);
  EXPECT_FALSE(editor.DateSampleVisible());
}

TEST_F(ColorEditorTest, TitleBarCarriesTheTitleInTheFillColour) {
  select_.SetDOTColors("Black,White");
  select_.SetDOTTitle("");
  Ed untitled(select_, fonts_);
  select_.SetDOTTitle("Date");
  Ed titled(select_, fonts_);
  const PalmCanvas& a = untitled.DatePicture();
  const PalmCanvas& b = titled.DatePicture();
  int white_in_bar = 0;
  for (int y = 2; y <= 13; ++y)
    for (int x = 2; x < 158; ++x) {
      EXPECT_EQ(a.At(x, y), kBlack) << x << "," << y;
      if (b.At(x, y) == kWhite) ++white_in_bar;
    }
  EXPECT_GT(white_in_bar, 0);
}

}  // namespace
}  // namespace qb
