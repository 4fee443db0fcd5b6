#pragma once

// Forms holding every kind of a library, built by hand in the state a form has after it
// was read from its file: the models behind tests/data/forms/*.qbf.

#include <memory>
#include <string>

#include "form/ChildFor.h"
#include "model/font.h"
#include "model/library.h"

namespace qb::test {

// Every kind of CControls: a shown dialog with a button and a table, a hidden dialog with a
// label, two menus and the menu bar.
std::unique_ptr<TChildFrm> CControlsAllKinds();
// Every kind of PToolboxLib, a shown dialog holding a GSI and a vertical radio, and the
// form's own colours.
std::unique_ptr<TChildFrm> PToolboxAllKinds();

// The standard Palm font as written by a control that was given it at placement.
Font StandardFont();

// The path of an expected file under tests/data/forms.
std::string FormDataPath(const std::string& name);

}  // namespace qb::test
