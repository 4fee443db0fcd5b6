#pragma once

// The code generators of both libraries: pure text production over the design model. Each
// appends lines to the four line lists; the generate dialog may have put lines there first.

#include <string>
#include <vector>

#include "form/ChildFor.h"
#include "model/library.h"

namespace qb {

struct GeneratorInput {
  // The open forms in the order of the generate dialog's form list; all are generated.
  std::vector<const TChildFrm*> forms;
  // The form chosen as the first form (one of forms).
  const TChildFrm* first_form = nullptr;
  // The project file's name without its extension.
  std::string project_name;
  // True for the Palm memos / DOC files target.
  bool memo = false;
  // PToolboxLib only: colour mode.
  bool color = false;
};

// The four texts, one line per entry, without line ends.
struct GeneratedCode {
  std::vector<std::string> main;
  std::vector<std::string> forms;
  std::vector<std::string> events;
  std::vector<std::string> header;
};

void GenerateCControls(const GeneratorInput& input, GeneratedCode& out);
void GeneratePToolbox(const GeneratorInput& input, GeneratedCode& out);
// The generator of a library.
void Generate(LibraryId lib, const GeneratorInput& input, GeneratedCode& out);

}  // namespace qb
