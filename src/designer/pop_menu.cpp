#include "designer/pop_menu.h"

namespace qb {

namespace {

using P = PopCommand;

const std::vector<PopMenuEntry> kEntries = {
    {"Align &Left", P::kAlignLeft, "Left", true},
    {"Align &Right", P::kAlignRight, "Right", true},
    {"Align &Top", P::kAlignTop, "Top", true},
    {"Align &Bottom", P::kAlignBottom, "Bottom", true},
    {kPopSeparator, P::kNone, "", true},
    {"Same &Widht", P::kSameWidth, "Width", true},
    {"Same &Height", P::kSameHeight, "Height", true},
    {kPopSeparator, P::kNone, "", true},
    {"Center H&orizontally", P::kCenterHorizontally, "Horizontal", true},
    {"Center &Vertically", P::kCenterVertically, "Vertical", true},
    {kPopSeparator, P::kNone, "", true},
    {"Space = Horizontally", P::kSpaceHorizontally, "Horizontal", true},
    {"Space = Vertically", P::kSpaceVertically, "Vertical", true},
    {kPopSeparator, P::kNone, "", true},
    {"Bring to &Front", P::kBringToFront, "", true},
    {"Send to &Back", P::kSendToBack, "", true},
    {kPopSeparator, P::kNone, "", true},
    {"&Delete control", P::kDelete, "", true},
    {kPopSeparator, P::kNone, "", false},
    {"Grid", P::kNone, "", false},
};

}  // namespace

const std::vector<PopMenuEntry>& PopMenuEntries() { return kEntries; }

const PopMenuEntry* FindPopEntry(PopCommand command) {
  if (command == PopCommand::kNone) return nullptr;
  for (const auto& entry : kEntries)
    if (entry.command == command) return &entry;
  return nullptr;
}

}  // namespace qb
