#include "codegen/generator.h"

namespace qb {

// Filled in by the CControls generator.
void GenerateCControls(const GeneratorInput&, GeneratedCode&) {}

}  // namespace qb
