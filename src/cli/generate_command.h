#pragma once

#include <string>
#include <vector>

#include "cli/command.h"

namespace qb::cli {

// generate PROJECT.qbp [--out DIR] [--first FORM] [--pde | --memo] [--color | --no-color]
// [--force]: opens the project as the designer does and writes what the generate dialog's Save
// writes, with the dialog's choices read from the project file unless an option sets them.
int RunGenerate(const std::vector<std::string>& args, CommandContext& context);

}  // namespace qb::cli
