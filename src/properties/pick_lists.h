#pragma once

// The entries the inspector's pick list offers for a row.

#include <string>
#include <string_view>
#include <vector>

namespace qb {

struct AppState;
class TControl;

inline constexpr int kPickListLines = 8;

struct PickListContents {
  std::vector<std::string> entries;
  int visible_lines = kPickListLines;
};

// The entries for a row of the current control (the rows "Style", "ShowForm", "Trigger" and
// "DateTimeFormat" depend on it and on the open forms). Empty for a row without a list.
PickListContents PickListFor(std::string_view row, const TControl* current, const AppState& state);

}  // namespace qb
