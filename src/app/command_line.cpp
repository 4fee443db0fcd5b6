#include "app/command_line.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <iterator>
#include <string_view>

#include "app/main_texts.h"

namespace qb {

StartRequest ParseCommandLine(const std::vector<std::string>& args) {
  StartRequest request;
  bool options_ended = false;
  for (const std::string& arg : args) {
    if (!options_ended && arg == "--") {
      options_ended = true;
      continue;
    }
    if (!options_ended && (arg == "--help" || arg == "-h")) return {StartAction::kHelp, "", ""};
    if (!options_ended && (arg == "--version" || arg == "-v")) {
      // A later --help still wins, as for most programs; remember and go on.
      request.action = StartAction::kVersion;
      continue;
    }
    if (!options_ended && arg.size() > 1 && arg[0] == '-')
      return {StartAction::kError, "", "unknown option " + arg, arg};
    if (arg.empty()) return {StartAction::kError, "", "empty file name"};
    if (!request.path.empty()) return {StartAction::kError, "", "only one file can be opened"};
    request.path = arg;
  }
  if (request.action == StartAction::kVersion) request.path.clear();
  return request;
}

bool IsToolkitOption(const std::string& arg) {
  static constexpr std::string_view kNames[] = {"platform",        "platformpluginpath",
                                                "platformtheme",   "plugin",
                                                "qwindowgeometry", "qwindowicon",
                                                "qwindowtitle",    "reverse",
                                                "session",         "style",
                                                "stylesheet",      "widgetcount",
                                                "display",         "geometry",
                                                "title",           "name",
                                                "visual",          "sync",
                                                "nograb",          "dograb",
                                                "qmljsdebugger",   "testability"};
  std::string_view name(arg);
  if (!name.starts_with('-')) return false;
  name.remove_prefix(name.starts_with("--") ? 2 : 1);
  name = name.substr(0, name.find('='));
  return std::find(std::begin(kNames), std::end(kNames), name) != std::end(kNames);
}

std::string UsageText() {
  return "Usage: quillboard [PROJECT.qbp | FORM.qbf]\n"
         "\n"
         "Designs Palm OS forms and generates their code.\n"
         "\n"
         "  PROJECT.qbp    open the project, as File > Open Project does\n"
         "  FORM.qbf       open the form, as File > Open Form does\n"
         "  -h, --help     show this text and stop\n"
         "  -v, --version  show the version and stop\n";
}

std::string VersionText() { return std::string(kMainCaption) + "\n"; }

std::string CommandLineErrorText(const std::string& error) {
  return "quillboard: " + error + "\nTry 'quillboard --help' for more information.\n";
}

bool NamesProjectFile(const std::string& path) {
  std::string extension = std::filesystem::path(path).extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension == std::string(".") + kProjectExtension;
}

}  // namespace qb
