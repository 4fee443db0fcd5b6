#include "properties/pick_lists.h"

#include "controls/CCButton.h"
#include "controls/CCEdit.h"
#include "controls/CCLabel.h"
#include "controls/PTList.h"
#include "form/app_state.h"
#include "model/datamod.h"
#include "model/font.h"
#include "properties/row_names.h"
#include "properties/vocab.h"

namespace qb {

namespace {

using namespace vocab;  // NOLINT(build/namespaces): the lists read as the words they offer

struct FixedList {
  const char* row;
  std::vector<const char*> words;
};

const std::vector<FixedList>& FixedLists() {
  static const std::vector<FixedList> kLists = {
      {rows::kFrame, {kFrameWords.begin(), kFrameWords.end()}},
      {rows::kType, {kStandard, kRepeat}},
      {rows::kAlignment, {kLeft, kCenter, kRight}},
      {rows::kAlign, {kLeft, kRight}},
      {rows::kJustification, {kLeft, kRight}},
      {rows::kOrientation, {kHorizontal, kVertical}},
      {rows::kState, {kFalse, kTrue}},
      {rows::kSingleLine, {kFalse, kTrue}},
      {rows::kNumbersOnly, {kFalse, kTrue}},
      {rows::kUnderline, {kTrue, kFalse}},
      {rows::kEditable, {kTrue, kFalse}},
      {rows::kTest, {kNo, kYes}},
      {rows::kTestItems, {kNo, kYes}},
      {rows::kClickable, {kNo, kYes}},
      {rows::kLine, {kLineWords.begin(), kLineWords.end()}},
      {rows::kDateTimePicker, {kPickerWords.begin(), kPickerWords.end()}},
  };
  return kLists;
}

constexpr const char* kColorRows[] = {
    rows::kFillColor,
    rows::kTextColor,
    rows::kFormFrameColor,
    rows::kFormFillColor,
    rows::kObjFrameColor,
    rows::kObjFillColor,
    rows::kObjForeTextColor,
    rows::kObjSelectedFillColor,
    rows::kObjSelectedForeColor,
    rows::kDialogFillColor,
    rows::kDialogFrameColor,
    rows::kBackgroundColor,
    rows::kLineColor,
    rows::kCaretColor,
    rows::kHighlightBackColor,
    rows::kHighlightForeColor,
    rows::kForeColor,
};

// The order the colour list offers them in, darkest families first.
constexpr Color kColorOrder[] = {0,        128,      32768,    32896,   8388608, 8388736,
                                 8421376,  8421504,  12632256, 255,     65280,   65535,
                                 16711680, 16711935, 16776960, 16777215};
constexpr int kColorLines = 16;

constexpr const char* kFontFaces[] = {kPilotStandard, kPilotBold, kPilotLarge, kPilotBold12};

std::vector<std::string> ShowFormTargets(const TControl* current, const AppState& state) {
  std::vector<std::string> out = {kNoneChoice};
  const TControl* parent = current ? current->Parent() : nullptr;
  bool in_dialog = parent && parent->Class() == ControlClass::kPTDialog;
  for (const auto& window : state.windows) {
    if (!window->Visible()) continue;
    if (parent != &window->Screen()) out.push_back(window->Name());
    if (in_dialog) continue;
    for (const auto& child : window->Screen().Children())
      if (child->Class() == ControlClass::kPTDialog) out.push_back(child->Name());
  }
  return out;
}

std::vector<std::string> TriggerTargets(const TControl* current) {
  std::vector<std::string> out = {kNoneChoice};
  const TControl* parent = current ? current->Parent() : nullptr;
  if (!parent) return out;
  for (const auto& child : parent->Children())
    if (child->Class() == ControlClass::kPTPopTrigger) out.push_back(child->Name());
  return out;
}

PickListContents DateTimeFormatList(const TControl* current) {
  PickListContents out;
  const auto* select = As<TCCButton>(current);
  int count = 0;
  const FormatEntry* formats = DateTimeFormats(select ? select->DOTPicker() : kPickerNone, &count);
  if (count == 0) {
    out.entries = {kNoneChoice};
    return out;
  }
  for (int i = 0; i < count; ++i) out.entries.emplace_back(formats[i].label);
  out.visible_lines = count;
  return out;
}

std::vector<std::string> StyleWords(const TControl* current) {
  Words words;
  if (As<TCCLabel>(current) || As<TCCEdit>(current)) words = kTextStyleWords;
  if (As<TPTList>(current)) words = kListStyleWords;
  return std::vector<std::string>(words.begin(), words.end());
}

}  // namespace

PickListContents PickListFor(std::string_view row, const TControl* current, const AppState& state) {
  PickListContents out;
  if (row == rows::kFont) {
    for (const char* face : kFontFaces) out.entries.push_back(FontLabel(face));
  } else if (row == rows::kStyle) {
    out.entries = StyleWords(current);
  } else if (row == rows::kShowForm) {
    out.entries = ShowFormTargets(current, state);
  } else if (row == rows::kTrigger) {
    out.entries = TriggerTargets(current);
  } else if (row == rows::kDateTimeFormat) {
    return DateTimeFormatList(current);
  }
  for (const FixedList& list : FixedLists())
    if (row == list.row) out.entries.assign(list.words.begin(), list.words.end());
  for (const char* color_row : kColorRows) {
    if (row != color_row) continue;
    for (Color c : kColorOrder) out.entries.push_back(ColorName(c));
    out.visible_lines = kColorLines;
  }
  return out;
}

}  // namespace qb
