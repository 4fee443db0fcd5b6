#include "codegen/generate_tables.h"

namespace qb {

namespace {

constexpr std::array<GenerateLibraryRules, 2> kLibraryRules = {{
    {LibraryId::kCControls, "Quillboard 1.21 - Generate code - CControls", false, "CControls.c",
     "CControls library not found at project source path. You must copy it before compile."},
    {LibraryId::kPToolboxLib, "Quillboard 1.21 - Generate code - PToolboxLib", true, "fctl.h",
     "PToolboxLib header file Fctl.h not found at project source path. You must copy it before "
     "compile."},
}};

}  // namespace

const GenerateLibraryRules& RulesFor(LibraryId library) {
  for (const GenerateLibraryRules& rules : kLibraryRules)
    if (rules.library == library) return rules;
  return kLibraryRules.back();
}

}  // namespace qb
