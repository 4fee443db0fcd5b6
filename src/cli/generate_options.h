#pragma once

#include <optional>
#include <string>
#include <vector>

namespace qb::cli {

// What the command line may change of the generate dialog's choices; unset ones come from
// the project file.
struct GenerateOptions {
  std::string project_path;
  std::optional<std::string> out_dir;
  std::optional<std::string> first_form;
  std::optional<bool> memo;
  std::optional<bool> color;
  bool force = false;
  // Replaced files get the fresh texts, without the code written in them.
  bool no_keep_code = false;
};

// The options of "generate"; nullopt with the reason in *error when they are wrong.
std::optional<GenerateOptions> ParseGenerateOptions(const std::vector<std::string>& args,
                                                    std::string* error);

}  // namespace qb::cli
