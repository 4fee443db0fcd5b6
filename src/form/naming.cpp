#include "form/naming.h"

#include "controls/CCTable.h"
#include "form/app_state.h"
#include "model/text_util.h"

namespace qb {

namespace {

constexpr const char* kFormSectionName = "FORM";
// The sections a table keeps its lists in: its name followed by these.
constexpr const char* kTableSuffixes[] = {"Items", "ColWidths", "ColAlign"};

bool FixedName(std::string_view name) {
  if (SameText(name, kFormSectionName)) return true;
  for (const std::string& part : FormDocument::FixedPartNames())
    if (SameText(name, part)) return true;
  return false;
}

}  // namespace

std::string NextControlName(const std::string& prefix, const FormDocument& form, int& counter) {
  for (;;) {
    ++counter;
    std::string candidate = prefix + std::to_string(counter);
    if (!form.FindControl(candidate) && !IsReservedControlName(candidate, form)) return candidate;
  }
}

std::string NextProjectControlName(const std::string& prefix, const FormDocument& form,
                                   const Project& state, int& counter) {
  auto elsewhere = [&](const std::string& name) {
    for (const auto& window : state.windows)
      if (&window->Document() != &form && window->FindControl(name)) return true;
    return false;
  };
  for (;;) {
    std::string candidate = NextControlName(prefix, form, counter);
    if (!elsewhere(candidate)) return candidate;
  }
}

std::string MenuBarName(const FormDocument& form, bool short_names) {
  return (short_names ? "Mb" : "MenuBar") + form.Name();
}

std::string FormName(int form_counter, bool short_names) {
  return (short_names ? "Fm" : "Form") + std::to_string(form_counter + 1);
}

bool IsReservedControlName(const std::string& name, const FormDocument& form) {
  if (FixedName(name)) return true;
  for (TControl* c : form.AllControls()) {
    if (c->Class() != ControlClass::kCCTable) continue;
    for (const char* suffix : kTableSuffixes)
      if (SameText(name, c->Name() + suffix)) return true;
  }
  return false;
}

TakenNames::TakenNames(const FormDocument& form) {
  for (const TControl* c : form.AllControls()) Add(*c);
}

bool TakenNames::BorneByControl(std::string_view name) const {
  return controls_.count(LowerAscii(name)) > 0;
}

bool TakenNames::Reserved(std::string_view name) const {
  return FixedName(name) || tables_.count(LowerAscii(name)) > 0;
}

void TakenNames::Add(const TControl& control) { Count(control, control.Name(), 1); }

void TakenNames::Remove(const TControl& control) { Count(control, control.Name(), -1); }

void TakenNames::AddAs(const TControl& control, const std::string& name) {
  Count(control, name, 1);
}

void TakenNames::Count(const TControl& control, const std::string& given, int step) {
  const std::string name = LowerAscii(given);
  Step(controls_, name, step);
  if (control.Class() != ControlClass::kCCTable) return;
  for (const char* suffix : kTableSuffixes) Step(tables_, name + LowerAscii(suffix), step);
}

void TakenNames::Step(std::unordered_map<std::string, int>& counts, const std::string& key,
                      int step) {
  int& count = counts[key];
  count += step;
  if (count <= 0) counts.erase(key);
}

std::string NextControlName(const std::string& prefix, const TakenNames& names, int& counter) {
  for (;;) {
    ++counter;
    std::string candidate = prefix + std::to_string(counter);
    if (!names.Taken(candidate)) return candidate;
  }
}

}  // namespace qb
