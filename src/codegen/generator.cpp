#include "codegen/generator.h"

namespace qb {

void Generate(LibraryId lib, const GeneratorInput& input, GeneratedCode& out) {
  if (lib == LibraryId::kCControls)
    GenerateCControls(input, out);
  else
    GeneratePToolbox(input, out);
}

}  // namespace qb
