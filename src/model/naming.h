#pragma once

#include <string>

#include "designer/ChildFor.h"

namespace qb {

// The next automatic control name: prefix followed by the next value of the shared
// counter, skipping every name a control of the form already bears (case-insensitively).
std::string NextControlName(const std::string& prefix, const TChildFrm& form, int& counter);
// "MenuBar" (or "Mb" with short names) followed by the form's name.
std::string MenuBarName(const TChildFrm& form, bool short_names);
// "Form" (or "Fm") followed by the form counter plus one.
std::string FormName(int form_counter, bool short_names);
// Whether a name would clash with a form's sections or the window's own parts.
// Names the form file reserves: "FORM" and "<table>Items", "<table>ColWidths", "<table>ColAlign".
bool IsReservedControlName(const std::string& name, const TChildFrm& form);

}  // namespace qb
