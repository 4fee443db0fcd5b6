#pragma once

// The fixed words enumerated rows show and accept. Words are compared exactly and
// case-sensitively; each vocabulary says what any other text does.

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace qb::vocab {

inline constexpr const char* kLeft = "Left";
inline constexpr const char* kRight = "Right";
inline constexpr const char* kCenter = "Center";
inline constexpr const char* kTrue = "True";
inline constexpr const char* kFalse = "False";
inline constexpr const char* kYes = "Yes";
inline constexpr const char* kNo = "No";
inline constexpr const char* kStandard = "Standard";
inline constexpr const char* kRepeat = "Repeat";
inline constexpr const char* kHorizontal = "Horizontal";
inline constexpr const char* kVertical = "Vertical";
// Shown by a Select's picker-colour row while a picker is set.
inline constexpr const char* kColorsMarker = "(Colors)";

using Words = std::span<const char* const>;

// Index = stored value.
extern const Words kLineWords;         // White, Black, Gray
extern const Words kTextStyleWords;    // Plain, Underlined, Boxed
extern const Words kAlignmentWords;    // by the text alignment numbering: Left, Right, Center
extern const Words kSelectAlignWords;  // Left, Right
extern const Words kFrameWords;        // Standard, Bold, Square, No Frame
extern const Words kListStyleWords;    // Stand-alone, Pop-triggered, Popup-list
extern const Words kPickerWords;       // (None), Date, Time

// The word of a stored value; empty for a value outside the list.
std::string WordText(Words words, int value);
// The value of a word; nothing for any other text.
std::optional<int> WordValue(Words words, std::string_view text);

// A row of two words over a 0/1 value.
struct FlagWords {
  const char* word;   // shown when the stored value means word_value
  const char* other;  // shown otherwise
  int word_value;     // 0 or 1
  // true: shown as `word` only when the stored value equals word_value;
  // false: by the value being zero or not.
  bool exact;
  // true: any text other than the two words changes nothing; false: it gives the other value.
  bool strict;
};

extern const FlagWords kStateFlag;          // 1 "True", else "False"; "True" -> 1, else 0
extern const FlagWords kClickableFlag;      // 1 "Yes", else "No"; "Yes" -> 1, else 0
extern const FlagWords kShownFlag;          // a dialog's flag: 1 "Yes", else "No"
extern const FlagWords kOnFlag;             // non-zero "True"; "True" -> 1, else 0
extern const FlagWords kInvertedFlag;       // 0 "True"; "True" -> 0, else 1
extern const FlagWords kJustificationFlag;  // 0 "Left"; "Left" -> 0, else 1
extern const FlagWords kOrientationFlag;    // 0 "Horizontal"; "Horizontal" -> 0, else 1
extern const FlagWords kButtonTypeFlag;     // 0 "Standard"; "Standard" -> 0, else 1
extern const FlagWords kTestFlag;           // non-zero "Yes"; "No" -> 0, else 1
extern const FlagWords kStrictTestFlag;     // non-zero "Yes"; "No" -> 0, "Yes" -> 1, else nothing

std::string FlagText(const FlagWords& flag, int value);
std::optional<int> FlagValue(const FlagWords& flag, std::string_view text);

// "(" + name + ")": what the Items and Bitmap rows show and their button editors read.
std::string Bracketed(std::string_view name);

}  // namespace qb::vocab
