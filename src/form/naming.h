#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

#include "form/form_document.h"

namespace qb {

struct Project;

// The next automatic control name: prefix followed by the next value of the shared
// counter, skipping every name a control of the form already bears (case-insensitively).
std::string NextControlName(const std::string& prefix, const FormDocument& form, int& counter);
// The name placement and paste give: as above, also skipping every name a control of any
// other open form bears, so that the project's generated code defines it once. (The counter
// starts again at 0 when a project is opened again, and a rename checks its own form only.)
std::string NextProjectControlName(const std::string& prefix, const FormDocument& form,
                                   const Project& state, int& counter);
// "MenuBar" (or "Mb" with short names) followed by the form's name.
std::string MenuBarName(const FormDocument& form, bool short_names);
// "Form" (or "Fm") followed by the form counter plus one.
std::string FormName(int form_counter, bool short_names);
// Whether a name would clash with a form's sections or the window's own parts.
// Names the form file reserves: "FORM" and "<table>Items", "<table>ColWidths", "<table>ColAlign".
bool IsReservedControlName(const std::string& name, const FormDocument& form);

// The names a form's controls bear and the sections their tables reserve, without regard to
// case, gathered once. Naming many controls in a row (reading a form, saving one) asks it
// instead of scanning every control of the form for every name. The caller keeps it up to
// date through Add and Remove while it names controls.
class TakenNames {
 public:
  explicit TakenNames(const FormDocument& form);

  // FindControl's answer: a control bears this name.
  bool BorneByControl(std::string_view name) const;
  // IsReservedControlName's answer.
  bool Reserved(std::string_view name) const;
  // Either of them: no new control may take this name.
  bool Taken(std::string_view name) const { return BorneByControl(name) || Reserved(name); }

  // A control now bears its name (and, for a table, reserves its sections).
  void Add(const TControl& control);
  // A control no longer bears its name: call before renaming it, then Add.
  void Remove(const TControl& control);
  // The control bears this name in place of its own (a section written under another name).
  void AddAs(const TControl& control, const std::string& name);

 private:
  void Count(const TControl& control, const std::string& name, int step);
  static void Step(std::unordered_map<std::string, int>& counts, const std::string& key, int step);

  std::unordered_map<std::string, int> controls_;  // lower-cased name -> controls bearing it
  std::unordered_map<std::string, int> tables_;    // lower-cased reserved section -> tables
};

// NextControlName over a TakenNames snapshot of the form: the same answer, without a scan.
std::string NextControlName(const std::string& prefix, const TakenNames& names, int& counter);

}  // namespace qb
