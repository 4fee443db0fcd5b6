#include "cli/map_command.h"

#include <charconv>
#include <ostream>

#include "app/project_map_window.h"
#include "cli/cli_support.h"
#include "cli/cli_texts.h"
#include "cli/render_options.h"
#include "controls/png_writer.h"
#include "map/map_svg.h"
#include "model/safe_file.h"
#include "model/text_util.h"

namespace qb::cli {

namespace {

std::optional<MapOptions> Fail(std::string* error, const std::string& why) {
  *error = why;
  return std::nullopt;
}

int Failed(CommandContext& context, const std::string& why) {
  context.err << kProgramName << " " << kMapName << ": " << why << "\n";
  return kExitFailed;
}

bool EndsWith(const std::string& text, const char* end) {
  const std::string lower = LowerAscii(text);
  const std::string tail = end;
  return lower.size() >= tail.size() &&
         lower.compare(lower.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

std::optional<MapOptions> ParseMapOptions(const std::vector<std::string>& args,
                                          std::string* error) {
  MapOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == kOptionOut || arg == kOptionScale) {
      if (i + 1 >= args.size()) return Fail(error, std::string(kMissingValue) + " " + arg);
      const std::string& value = args[++i];
      if (arg == kOptionOut) {
        options.out_path = value;
        continue;
      }
      int scale = 0;
      const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), scale);
      if (ec != std::errc() || end != value.data() + value.size() || scale < 1 || scale > kMaxScale)
        return Fail(error, std::string(kBadScale) + " \"" + value + "\"");
      options.scale = scale;
    } else if (arg.size() > 1 && arg[0] == '-') {
      return Fail(error, std::string(kUnknownOption) + " " + arg);
    } else if (!options.project_path.empty()) {
      return Fail(error, kSecondProject);
    } else {
      options.project_path = arg;
    }
  }
  if (options.project_path.empty()) return Fail(error, kNoProject);
  if (options.out_path.empty()) return Fail(error, kNoMapOutput);
  options.svg = EndsWith(options.out_path, ".svg");
  if (!options.svg && !EndsWith(options.out_path, ".png"))
    return Fail(error, std::string(kBadMapOutput) + " \"" + options.out_path + "\"");
  return options;
}

int RunMap(const std::vector<std::string>& args, CommandContext& context) {
  std::string why;
  const auto options = ParseMapOptions(args, &why);
  if (!options) return UsageError(context, kMapName, kMapUsage, why);
  const std::string& path = options->project_path;
  const ReadResult read = ReadRegularFile(path, kMaxDocumentFileSize);
  if (!read.ok()) return Failed(context, ReadProblemText(path, read.status, kMaxDocumentFileSize));

  // Opened as the designer opens it; a form it cannot open is said so and drawn as a
  // placeholder.
  BatchProject project(context);
  TMain& main = project.main;
  main.FirstShown();
  LoadPalmFaces(context.program_dir, main.Fonts(), context.err);
  main.State().project_path = path;
  main.Project().LoadProject(path);
  ProjectMapWindow& window = main.MapWindow();
  window.Open();
  const ProjectMap& map = window.Map();
  if (map.forms.empty()) return Failed(context, kNoFormsToMap);
  const std::int64_t scaled = static_cast<std::int64_t>(map.picture.Width()) *
                              map.picture.Height() * options->scale * options->scale;
  if (map.too_large) return Failed(context, MapTooLargeText(map.wanted));
  if (scaled > kMaxMapPixels)
    return Failed(context, MapTooLargeText({map.picture.Width() * options->scale,
                                            map.picture.Height() * options->scale}));
  const bool written =
      options->svg ? [&] {
        const std::string svg = MapSvg(map, options->scale);
        return !svg.empty() && WriteFileAtomic(options->out_path, svg);
      }()
                   : WritePng(options->out_path, map.picture, options->scale);
  if (!written) return Failed(context, options->out_path + ": " + kCannotWrite);
  return kExitOk;
}

}  // namespace qb::cli
