#include "cli/generate_options.h"

#include "cli/cli_texts.h"

namespace qb::cli {

namespace {

std::optional<GenerateOptions> Fail(std::string* error, const std::string& why) {
  *error = why;
  return std::nullopt;
}

// Sets a two-way switch once; false when the other way was given already.
bool SetSwitch(std::optional<bool>& flag, bool value) {
  if (flag && *flag != value) return false;
  flag = value;
  return true;
}

}  // namespace

std::optional<GenerateOptions> ParseGenerateOptions(const std::vector<std::string>& args,
                                                    std::string* error) {
  GenerateOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == kOptionOutDir || arg == kOptionFirst) {
      if (i + 1 >= args.size()) return Fail(error, std::string(kMissingValue) + " " + arg);
      (arg == kOptionOutDir ? options.out_dir : options.first_form) = args[++i];
    } else if (arg == kOptionPde || arg == kOptionMemo) {
      if (!SetSwitch(options.memo, arg == kOptionMemo)) return Fail(error, kTwoTargets);
    } else if (arg == kOptionColor || arg == kOptionNoColor) {
      if (!SetSwitch(options.color, arg == kOptionColor)) return Fail(error, kTwoColors);
    } else if (arg == kOptionForce) {
      options.force = true;
    } else if (arg == kOptionNoKeepCode) {
      options.no_keep_code = true;
    } else if (arg.size() > 1 && arg[0] == '-') {
      return Fail(error, std::string(kUnknownOption) + " " + arg);
    } else if (!options.project_path.empty()) {
      return Fail(error, kSecondProject);
    } else {
      options.project_path = arg;
    }
  }
  if (options.project_path.empty()) return Fail(error, kNoProject);
  return options;
}

}  // namespace qb::cli
