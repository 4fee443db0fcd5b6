#include "codegen/generator.h"

namespace qb {

// Filled in by the PToolboxLib generator.
void GeneratePToolbox(const GeneratorInput&, GeneratedCode&) {}

}  // namespace qb
