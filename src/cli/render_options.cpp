#include "cli/render_options.h"

#include <charconv>

#include "cli/cli_texts.h"

namespace qb::cli {

namespace {

std::optional<int> WholeNumber(const std::string& text) {
  int value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<RenderOptions> Fail(std::string* error, const std::string& why) {
  *error = why;
  return std::nullopt;
}

}  // namespace

std::optional<RenderOptions> ParseRenderOptions(const std::vector<std::string>& args,
                                                std::string* error) {
  RenderOptions options;
  std::string lib_text;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool takes_value =
        arg == kOptionLib || arg == kOptionOut || arg == kOptionScale || arg == kOptionShowMenu;
    if (takes_value) {
      if (i + 1 >= args.size()) return Fail(error, std::string(kMissingValue) + " " + arg);
      const std::string& value = args[++i];
      if (arg == kOptionLib) {
        lib_text = value;
      } else if (arg == kOptionOut) {
        options.out_path = value;
      } else if (arg == kOptionScale) {
        const auto scale = WholeNumber(value);
        if (!scale || *scale < 1 || *scale > kMaxScale)
          return Fail(error, std::string(kBadScale) + " \"" + value + "\"");
        options.scale = *scale;
      } else {
        options.show_menu = value;
      }
    } else if (arg.size() > 1 && arg[0] == '-') {
      return Fail(error, std::string(kUnknownOption) + " " + arg);
    } else if (!options.form_path.empty()) {
      return Fail(error, kSecondForm);
    } else {
      options.form_path = arg;
    }
  }
  if (options.form_path.empty()) return Fail(error, kNoForm);
  if (lib_text.empty()) return Fail(error, kNoLib);
  const auto lib = WholeNumber(lib_text);
  if (!lib || (*lib != 1 && *lib != 2))
    return Fail(error, std::string(kBadLib) + " \"" + lib_text + "\"");
  options.library = *lib;
  if (options.out_path.empty()) return Fail(error, kNoOutput);
  return options;
}

}  // namespace qb::cli
