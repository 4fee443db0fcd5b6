#pragma once

// The CControls property rules.

#include <vector>

#include "controls/CCBitmap.h"
#include "properties/property_rules.h"

namespace qb {

class TCCMenu;

class CCRules : public PropertyRules {
 public:
  explicit CCRules(RulesContext ctx) : PropertyRules(ctx) {}
  LibraryId Library() const override { return LibraryId::kCControls; }
  void EditItems() override;

  // One table per kind, rows in display order, and the form's own table.
  static const std::vector<KindTable>& Tables();
  static const KindTable& FormTable();

 protected:
  const KindTable* TableFor(const TControl& control) const override;
  void HideEditorsForFill() override;
  // Selecting a closed menu opens it, unless the user is working in its "Test" row.
  void BeforeFill(TControl& control, TChildFrm* window) override;
  // Setting any menu property brings the menu to the front.
  void AfterRow(std::string_view row, TControl& control, TChildFrm* window) override;
};

}  // namespace qb
