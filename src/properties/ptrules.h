#pragma once

// The PToolboxLib property rules.

#include <vector>

#include "properties/property_rules.h"

namespace qb {

class PTRules : public PropertyRules {
 public:
  explicit PTRules(RulesContext ctx) : PropertyRules(ctx) {}
  LibraryId Library() const override { return LibraryId::kPToolboxLib; }
  void EditItems() override;

  static const std::vector<KindTable>& Tables();
  static const KindTable& FormTable();

 protected:
  const KindTable* TableFor(const TControl& control) const override;
  // Only the pick list and the items editor are hidden here.
  void HideEditorsForFill() override;
};

// How far a Select moves when its text changes sides.
inline constexpr int kSelectAlignShift = 5;

}  // namespace qb
