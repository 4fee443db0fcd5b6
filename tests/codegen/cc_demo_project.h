#pragma once

// The "Demo" CControls project of the golden files: Form1 holds every kind, two dialogs (the
// first with children, the second shown and empty), both kinds of Image, a table, a menu bar
// with two menus and a button that opens Form2; Form2 holds a button back and a label.

#include <memory>

#include "codegen/generator.h"
#include "form/ChildFor.h"

namespace qb::test {

struct DemoProject {
  std::unique_ptr<TChildFrm> form1;
  std::unique_ptr<TChildFrm> form2;
  GeneratorInput Input(bool memo) const;
};

DemoProject BuildDemoProject();

}  // namespace qb::test
