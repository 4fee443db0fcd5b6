#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/command.h"

namespace qb::cli {

struct MapOptions {
  std::string project_path;
  std::string out_path;
  bool svg = false;  // by the output's extension: .svg, else .png
  int scale = 1;
};

// The options of "map"; nullopt with the reason in *error when they are wrong.
std::optional<MapOptions> ParseMapOptions(const std::vector<std::string>& args, std::string* error);

// map PROJECT.qbp -o MAP.png|MAP.svg [--scale N]: the project map as the designer's Project
// Map draws it, written as PNG (each pixel scale × scale) or as SVG (each thumbnail an
// embedded PNG, each link a path). Forms the project lists that cannot be opened are drawn as
// placeholders, with what opening said on the error stream.
int RunMap(const std::vector<std::string>& args, CommandContext& context);

}  // namespace qb::cli
