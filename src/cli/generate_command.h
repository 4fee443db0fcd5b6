#pragma once

#include <string>
#include <vector>

#include "cli/command.h"

namespace qb::cli {

// generate PROJECT.qbp [--out DIR] [--first FORM] [--pde | --memo] [--color | --no-color]
// [--force] [--no-keep-code]: opens the project as the designer does and writes what the
// generate dialog's Save writes, with the dialog's choices read from the project file unless an
// option sets them. Files replaced keep the code written in them unless --no-keep-code says.
int RunGenerate(const std::vector<std::string>& args, CommandContext& context);

}  // namespace qb::cli
