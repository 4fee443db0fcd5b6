#include "form/form_lookup.h"

namespace qb {

TControl& FindParentByName(TChildFrm& form, std::string_view name) {
  TCCForm& screen = form.Screen();
  if (name == kScreenParentName) return screen;
  for (const auto& child : screen.Children())
    if (child->Class() == ControlClass::kPTDialog && child->Name() == name) return *child;
  return screen;
}

TCCMenuBar* FindMenuBar(const FormDocument& form) {
  for (const auto& child : form.Client().Children())
    if (auto* bar = As<TCCMenuBar>(child.get())) return bar;
  return nullptr;
}

}  // namespace qb
