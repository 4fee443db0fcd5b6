#pragma once

// What the sub-commands share: the usage error and the loading of the Palm faces.

#include <iosfwd>
#include <string>

#include "cli/command.h"

namespace qb {
class FontRegistry;
}

namespace qb::cli {

// Reports a wrong command line of a sub-command with its usage line; the usage status.
int UsageError(CommandContext& context, const char* name, const char* usage,
               const std::string& why);

// The faces from the program's folder, as the designer loads them; a missing face is
// reported as a warning and drawn with the built-in face.
void LoadPalmFaces(const std::string& folder, FontRegistry& fonts, std::ostream& err);

}  // namespace qb::cli
