#include "properties/property_sheet.h"

#include <stdexcept>

namespace qb {

int KindTable::IndexOf(std::string_view row) const {
  for (std::size_t i = 0; i < rows.size(); ++i)
    if (row == rows[i].name) return static_cast<int>(i);
  return -1;
}

PropertySheet::PropertySheet(const KindTable& kind, TControl& control, TChildFrm* window,
                             RulesContext& ctx, AfterApply after)
    : kind_(kind), control_(control), window_(window), ctx_(ctx), after_(std::move(after)) {}

std::size_t PropertySheet::Checked(int index) const {
  if (index < 0 || index >= Count()) throw std::out_of_range("property row");
  return static_cast<std::size_t>(index);
}

std::string PropertySheet::Text(int index) const {
  RowEnv env{ctx_, window_, kind_};
  return kind_.rows[Checked(index)].show(control_, env);
}

void PropertySheet::Apply(int index, const std::string& text) {
  const RowSpec& row = kind_.rows[Checked(index)];
  if (!row.apply) return;
  RowEnv env{ctx_, window_, kind_};
  row.apply(control_, text, env);
  if (after_) after_(row.name, control_, window_);
}

}  // namespace qb
