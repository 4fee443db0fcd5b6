#include "properties/vocab.h"

#include "controls/PTList.h"

namespace qb::vocab {

namespace {

constexpr const char* kLine[] = {"White", "Black", "Gray"};
constexpr const char* kTextStyle[] = {"Plain", "Underlined", "Boxed"};
constexpr const char* kAlignment[] = {kLeft, kRight, kCenter};
constexpr const char* kSelectAlign[] = {kLeft, kRight};
constexpr const char* kFrame[] = {kStandard, "Bold", "Square", "No Frame"};
constexpr const char* kListStyle[] = {"Stand-alone", "Pop-triggered", "Popup-list"};
constexpr const char* kPicker[] = {kNoneChoice, "Date", "Time"};

}  // namespace

const Words kLineWords{kLine};
const Words kTextStyleWords{kTextStyle};
const Words kAlignmentWords{kAlignment};
const Words kSelectAlignWords{kSelectAlign};
const Words kFrameWords{kFrame};
const Words kListStyleWords{kListStyle};
const Words kPickerWords{kPicker};

std::string WordText(Words words, int value) {
  if (value < 0 || static_cast<std::size_t>(value) >= words.size()) return {};
  return words[static_cast<std::size_t>(value)];
}

std::optional<int> WordValue(Words words, std::string_view text) {
  for (std::size_t i = 0; i < words.size(); ++i)
    if (text == words[i]) return static_cast<int>(i);
  return std::nullopt;
}

const FlagWords kStateFlag{kTrue, kFalse, 1, true, false};
const FlagWords kClickableFlag{kYes, kNo, 1, true, false};
const FlagWords kShownFlag{kYes, kNo, 1, true, false};
const FlagWords kOnFlag{kTrue, kFalse, 1, false, false};
const FlagWords kInvertedFlag{kTrue, kFalse, 0, false, false};
const FlagWords kJustificationFlag{kLeft, kRight, 0, false, false};
const FlagWords kOrientationFlag{kHorizontal, kVertical, 0, false, false};
const FlagWords kButtonTypeFlag{kStandard, kRepeat, 0, false, false};
const FlagWords kTestFlag{kNo, kYes, 0, false, false};
const FlagWords kStrictTestFlag{kNo, kYes, 0, false, true};

std::string FlagText(const FlagWords& flag, int value) {
  bool means_word = flag.exact ? value == flag.word_value : (value != 0) == (flag.word_value != 0);
  return means_word ? flag.word : flag.other;
}

std::optional<int> FlagValue(const FlagWords& flag, std::string_view text) {
  int other_value = flag.word_value == 0 ? 1 : 0;
  if (text == flag.word) return flag.word_value;
  if (!flag.strict || text == flag.other) return other_value;
  return std::nullopt;
}

// Appended, not "(" + …: gcc 12 at -O3 reports a false overlap in operator+ on a temporary.
std::string Bracketed(std::string_view name) {
  std::string text = "(";
  return text.append(name).append(")");
}

}  // namespace qb::vocab
