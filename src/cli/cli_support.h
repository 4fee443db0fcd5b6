#pragma once

// What the sub-commands share: the usage error, the check of a project's listed forms and the
// loading of the Palm faces.

#include <iosfwd>
#include <string>

#include "cli/command.h"

namespace qb {
class FontRegistry;
struct ProjectFileData;
}

namespace qb::cli {

// Reports a wrong command line of a sub-command with its usage line; the usage status.
int UsageError(CommandContext& context, const char* name, const char* usage,
               const std::string& why);

// The first reason the forms a project lists cannot be used by a batch run: a form missing,
// unreadable, over the control limit or of the other library; empty when every one can. The
// designer would skip such a form, and output without it would be a different program.
std::string ListedFormsProblem(const ProjectFileData& project);

// The faces from the program's folder, as the designer loads them; a missing face is
// reported as a warning and drawn with the built-in face.
void LoadPalmFaces(const std::string& folder, FontRegistry& fonts, std::ostream& err);

}  // namespace qb::cli
