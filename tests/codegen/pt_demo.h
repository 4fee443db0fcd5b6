#pragma once

// The "Demo" project of the expected files in tests/data/codegen/pt: two forms that hold
// every PToolboxLib kind between them, a hidden dialog with controls, a repeat button, date
// and time pickers, radios in both orientations and a list opened by a pop trigger.

#include <memory>
#include <vector>

#include "codegen/generator.h"
#include "form/ChildFor.h"

namespace qb::test::pt {

struct DemoProject {
  std::vector<std::unique_ptr<TChildFrm>> forms;  // Main, Second
  GeneratorInput Input(bool memo, bool color) const;
};

DemoProject BuildDemoProject();

}  // namespace qb::test::pt
