#include "model/naming.h"

#include "controls/CCTable.h"
#include "model/text_util.h"

namespace qb {

std::string NextControlName(const std::string& prefix, const TChildFrm& form, int& counter) {
  for (;;) {
    ++counter;
    std::string candidate = prefix + std::to_string(counter);
    if (!form.FindControl(candidate) && !IsReservedControlName(candidate, form)) return candidate;
  }
}

std::string MenuBarName(const TChildFrm& form, bool short_names) {
  return (short_names ? "Mb" : "MenuBar") + form.Name();
}

std::string FormName(int form_counter, bool short_names) {
  return (short_names ? "Fm" : "Form") + std::to_string(form_counter + 1);
}

bool IsReservedControlName(const std::string& name, const TChildFrm& form) {
  if (SameText(name, "FORM")) return true;
  for (const std::string& part : TChildFrm::FixedPartNames())
    if (SameText(name, part)) return true;
  for (TControl* c : form.AllControls()) {
    if (c->Class() != ControlClass::kCCTable) continue;
    for (const char* suffix : {"Items", "ColWidths", "ColAlign"})
      if (SameText(name, c->Name() + suffix)) return true;
  }
  return false;
}

}  // namespace qb
