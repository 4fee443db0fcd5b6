#include "designer/placement.h"

#include "designer/placement_tables.h"

namespace qb {

const StringList& PlacedListItems() {
  static const StringList kItems = {"One", "Two", "Three"};
  return kItems;
}

const StringList& PlacedRadioItems() {
  static const StringList kItems = {"A", "B", "C"};
  return kItems;
}

const std::vector<PlacementRule>& PlacementRules(LibraryId lib) {
  return lib == LibraryId::kCControls ? CControlsPlacement() : PToolboxPlacement();
}

const PlacementRule* FindPlacementRule(LibraryId lib, const std::string& kind) {
  for (const auto& rule : PlacementRules(lib))
    if (kind == rule.kind) return &rule;
  return nullptr;
}

}  // namespace qb
