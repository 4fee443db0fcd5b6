#include "cli/check_command.h"

#include <ostream>

#include "cli/cli_support.h"
#include "cli/cli_texts.h"
#include "codegen/layout_check.h"
#include "model/safe_file.h"

namespace qb::cli {

namespace {

std::optional<CheckOptions> Fail(std::string* error, const std::string& why) {
  *error = why;
  return std::nullopt;
}

int Failed(CommandContext& context, const std::string& why) {
  context.err << kProgramName << " " << kCheckName << ": " << why << "\n";
  return kExitFailed;
}

}  // namespace

std::optional<CheckOptions> ParseCheckOptions(const std::vector<std::string>& args,
                                              std::string* error) {
  CheckOptions options;
  bool format_given = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == kOptionFormat) {
      if (i + 1 >= args.size()) return Fail(error, std::string(kMissingValue) + " " + arg);
      const std::string& value = args[++i];
      if (value != kFormatText && value != kFormatJson)
        return Fail(error, std::string(kBadFormat) + " " + value);
      if (format_given) return Fail(error, kSecondFormat);
      format_given = true;
      options.json = value == kFormatJson;
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

int RunCheck(const std::vector<std::string>& args, CommandContext& context) {
  std::string why;
  const auto options = ParseCheckOptions(args, &why);
  if (!options) return UsageError(context, kCheckName, kCheckUsage, why);
  const std::string& path = options->project_path;
  // A build gate must not mistake a project it cannot read for a clean one.
  const ReadResult read = ReadRegularFile(path, kMaxDocumentFileSize);
  if (!read.ok())
    return UsageError(context, kCheckName, kCheckUsage,
                      ReadProblemText(path, read.status, kMaxDocumentFileSize));

  std::string unusable;
  const auto project = OpenBatchProject(path, context, kNotChecked, &unusable);
  if (!project) return Failed(context, unusable);
  TMain& main = project->main;

  const std::vector<const TChildFrm*> forms = FormsToCheck(main.State());
  // A file that is no project at all reads as one without forms; a gate must not pass it.
  if (forms.empty()) return Failed(context, kNoFormsToCheck);
  const std::vector<LayoutFinding> findings =
      CheckLayout(forms, main.State().library, main.Fonts(),
                  CodeCheckSettingsOf(main.State().project_path, main.State().project_name));
  context.out << (options->json ? FindingsJson(findings) : FindingsText(findings));
  return HasErrors(findings) ? kExitFailed : kExitOk;
}

}  // namespace qb::cli
