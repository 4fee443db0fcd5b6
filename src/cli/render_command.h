#pragma once

#include <string>
#include <vector>

#include "cli/command.h"

namespace qb::cli {

// render FORM.qbf --lib 1|2 -o OUT.png [--scale N] [--show-menu NAME]: reads the form with the
// library's reader and writes the designer window's picture as a PNG, each pixel N × N.
int RunRender(const std::vector<std::string>& args, CommandContext& context);

}  // namespace qb::cli
