#include "cli/generate_command.h"

#include <filesystem>
#include <optional>
#include <ostream>

#include "cli/cli_support.h"
#include "cli/cli_texts.h"
#include "cli/generate_options.h"
#include "codegen/frmGenerateCode.h"
#include "codegen/generate_files.h"
#include "codegen/generate_session.h"
#include "controls/font_registry.h"
#include "form/form_file.h"
#include "model/safe_file.h"
#include "model/text_util.h"

namespace qb::cli {

namespace {

int Failed(CommandContext& context, const std::string& why) {
  context.err << kProgramName << " " << kGenerateName << ": " << why << "\n";
  return kExitFailed;
}

// The dialog's choices the command line sets; false, after the message, when one cannot be
// taken.
bool ApplyOptions(const GenerateOptions& options, TfrmGenerate& dialog, CommandContext& context) {
  if (options.out_dir) dialog.SetOutputFolder(*options.out_dir);
  if (options.first_form) {
    const auto& names = dialog.FormNames();
    bool found = false;
    for (std::size_t i = 0; i < names.size() && !found; ++i) {
      if (SameText(names[i], *options.first_form)) {
        dialog.SelectForm(static_cast<int>(i));
        found = true;
      }
    }
    if (!found) {
      Failed(context, std::string(kNoSuchForm) + " \"" + *options.first_form + "\"");
      return false;
    }
  }
  if (options.memo)
    dialog.ClickTarget(*options.memo ? GenerateTarget::kMemo : GenerateTarget::kPde);
  if (options.color) {
    if (dialog.ColorVisible())
      dialog.ClickColor(*options.color);
    else
      context.err << kProgramName << ": " << kColorOfPToolbox << "\n";
  }
  if (options.no_keep_code) dialog.ClickKeepCode(false);
  return true;
}

struct FileSnapshot {
  std::string path;
  bool existed = true;
  std::optional<std::string> bytes;  // the old content of a regular file
};

std::vector<FileSnapshot> TakeSnapshots(const std::vector<std::string>& paths) {
  std::vector<FileSnapshot> out;
  for (const std::string& path : paths) {
    ReadResult read = ReadRegularFile(path, kMaxDocumentFileSize);
    const bool existed = read.status != ReadStatus::kMissing;
    out.push_back({path, existed,
                   read.ok() ? std::optional<std::string>(std::move(read.bytes)) : std::nullopt});
  }
  return out;
}

void RestoreSnapshots(const std::vector<FileSnapshot>& snapshots) {
  for (const FileSnapshot& s : snapshots) {
    std::error_code ec;
    if (s.bytes)
      WriteFileAtomic(s.path, *s.bytes);
    else if (!s.existed)
      std::filesystem::remove(s.path, ec);
  }
}

}  // namespace

int RunGenerate(const std::vector<std::string>& args, CommandContext& context) {
  std::string why;
  const auto options = ParseGenerateOptions(args, &why);
  if (!options) return UsageError(context, kGenerateName, kGenerateUsage, why);
  const std::string& path = options->project_path;
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec))
    return Failed(context, path + ": " + kNoSuchFile);
  // The designer skips a listed form whose file is gone; generated code without it would
  // build a different program, so a batch run stops instead.
  std::string unusable;
  const auto project = OpenBatchProject(path, context, kNotWritten, &unusable);
  if (!project) return Failed(context, unusable);
  TMain& main = project->main;
  BatchUi& ui = project->ui;

  const GenerateSession session = GenerateSessionFor(main.State());
  if (session.forms.empty()) return Failed(context, kNoFormsOpen);
  TfrmGenerate dialog(ui, GenerateFolders{context.program_dir, context.program_dir});
  dialog.SetBatch(true);
  dialog.Show(session);
  // Everything that can be checked is checked before the first file is written: an icon
  // the project names that is not a bitmap fails the run here, with nothing written.
  if (ui.Errors() > 0) return Failed(context, kNotWritten);
  if (!ApplyOptions(*options, dialog, context)) return kExitFailed;
  dialog.Generate();
  // A text the device cannot show has been named; nothing is written.
  if (ui.Errors() > 0) return Failed(context, kNotWritten);

  const std::vector<std::string> targets = dialog.SaveTargets();
  if (!options->force) {
    bool exists = false;
    for (const std::string& target : targets) {
      if (FileExists(target)) {
        context.err << kProgramName << " " << kGenerateName << ": " << kExists << " "
                    << FullPathText(target) << "\n";
        exists = true;
      }
    }
    if (exists) return kExitFailed;
  }
  // A write that fails halfway puts back what the earlier writes replaced.
  std::vector<std::string> written = targets;
  for (const std::string& base : dialog.BaseTargets()) written.push_back(base);
  std::vector<FileSnapshot> before = TakeSnapshots(written);
  dialog.Save();
  if (ui.Errors() > 0) {
    RestoreSnapshots(before);
    return Failed(context, kNotWritten);
  }
  for (const std::string& target : targets) context.out << target << "\n";
  if (!dialog.KeptText().empty()) context.err << kProgramName << ": " << dialog.KeptText() << "\n";
  return kExitOk;
}

}  // namespace qb::cli
