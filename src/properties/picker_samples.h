#pragma once

// The sample picker dialogs of the dialog-colour editor: a date picker (dlgSelect) and a
// time picker (dlgTime) made of PToolboxLib controls with fixed texts, and how each of the
// seven picker colours reaches the sample's dialog and controls.

#include <array>
#include <memory>
#include <string_view>
#include <vector>

#include "controls/PTDialog.h"

namespace qb {

inline constexpr int kPickerColorCount = 7;

// The picker colours by DOTColors position: "DialogFrameColor", "DialogFillColor",
// "ObjFrameColor", "ObjFillColor", "ObjForeTextColor", "ObjSelectedFillColor",
// "ObjSelectedForeColor".
const std::array<const char*, kPickerColorCount>& PickerColorNames();

// The arrows of the samples, as StringBits.
inline constexpr const char* kArrowLeftBits = "040c1c3c7cfc7c3c1c0c04";   // 6 × 11
inline constexpr const char* kArrowRightBits = "80c0e0f0f8fcf8f0e0c080";  // 6 × 11
inline constexpr const char* kArrowUpBits = "0400e01f03f87fcffe";         // 11 × 6
inline constexpr const char* kArrowDownBits = "ffe7fc3f81f00e0040";       // 11 × 6

struct PickerSample {
  // A control of the sample and which object colours it carries itself (the others take
  // theirs from the dialog).
  struct Part {
    TControl* control;
    bool takes_fill;
    bool takes_text;
  };
  std::unique_ptr<TPTDialog> dialog;
  std::vector<Part> parts;
};

// dlgSelect: 156 × 156 Palm pixels (a 160 × 160 panel).
PickerSample MakeDateSample(ControlOwner* owner);
// dlgTime: 156 × 70 Palm pixels (a 160 × 74 panel).
PickerSample MakeTimeSample(ControlOwner* owner);

// Gives the sample the named colour of one DOTColors position; an empty or unknown name is
// Black.
void ApplyPickerColor(PickerSample& sample, int position, std::string_view name);

}  // namespace qb
