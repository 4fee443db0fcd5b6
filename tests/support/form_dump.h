#pragma once

// Everything a form holds, as text: the window, the screen panel and every control with all
// of its properties, one line each, children indented under their parent. Two forms hold the
// same model exactly when their dumps are equal, and a difference shows as a line diff.

#include <string>

#include "form/ChildFor.h"

namespace qb::test {

std::string DumpForm(const TChildFrm& form);
// One control's line of the dump, without its children.
std::string DumpControlLine(const TControl& control);

}  // namespace qb::test
