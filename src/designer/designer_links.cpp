#include "designer/designer_links.h"

#include "controls/PTList.h"

namespace qb {

int DesignerLinks::TextHeight(const TControl& control) const {
  if (const auto* list = As<TPTList>(&control)) return list->RowHeight();
  return kStandardRowHeight;
}

}  // namespace qb
