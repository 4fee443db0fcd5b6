#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/command.h"

namespace qb::cli {

struct CheckOptions {
  std::string project_path;
  bool json = false;
};

// The options of "check"; nullopt with the reason in *error when they are wrong.
std::optional<CheckOptions> ParseCheckOptions(const std::vector<std::string>& args,
                                              std::string* error);

// check PROJECT.qbp [--format text|json]: opens the project as the designer does and prints
// the layout check's findings, one line each or as a JSON array. Exits 0 without errors among
// them, 1 with errors (or a form the project lists that cannot be read, or no form), 2 for a wrong
// command line or a project file that cannot be read.
int RunCheck(const std::vector<std::string>& args, CommandContext& context);

}  // namespace qb::cli
