#pragma once

// A link to nothing: the ShowForm of a button or the Trigger of a list that names no form,
// dialog or trigger.

#include <string_view>

namespace qb {

// The choice the inspector's lists offer for no link.
inline constexpr const char* kNoneChoice = "(None)";

// A link that names nothing: unset (empty) or kNoneChoice.
inline bool IsNone(std::string_view value) { return value.empty() || value == kNoneChoice; }

}  // namespace qb
