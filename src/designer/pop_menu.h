#pragma once

// The context menu every control of a designer window carries, and the command of each entry.

#include <vector>

namespace qb {

enum class PopCommand {
  kNone,  // separators and the hidden entry
  kAlignLeft,
  kAlignRight,
  kAlignTop,
  kAlignBottom,
  kSameWidth,
  kSameHeight,
  kCenterHorizontally,
  kCenterVertically,
  kSpaceHorizontally,
  kSpaceVertically,
  kBringToFront,
  kSendToBack,
  kDelete,
};

struct PopMenuEntry {
  const char* caption;  // "-" for a separator; "&" marks the access key
  PopCommand command;
  const char* word;  // the word the layout command receives; empty for the others
  bool visible;
};

inline constexpr const char* kPopSeparator = "-";

// The entries in menu order, the two hidden ones at the end included.
const std::vector<PopMenuEntry>& PopMenuEntries();
// The entry of a command; nullptr for kNone.
const PopMenuEntry* FindPopEntry(PopCommand command);

}  // namespace qb
