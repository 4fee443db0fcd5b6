#include "cli/cli_support.h"

#include <filesystem>
#include <ostream>

#include "app/project_file.h"
#include "cli/cli_texts.h"
#include "controls/font_registry.h"
#include "form/form_file.h"
#include "model/safe_file.h"

namespace qb::cli {

int UsageError(CommandContext& context, const char* name, const char* usage,
               const std::string& why) {
  context.err << kProgramName << " " << name << ": " << why << "\n"
              << kUsageHeader << " " << kProgramName << " " << name << " " << usage << "\n";
  return kExitUsage;
}

std::string ListedFormsProblem(const ProjectFileData& project) {
  const int lib = static_cast<int>(project.library);
  for (const auto& [key, form_path] : project.forms) {
    const FormFileHeader header = InspectFormFile(form_path, project.library);
    if (header.status == ReadStatus::kMissing) return std::string(kFormMissing) + " " + form_path;
    if (std::string refusal = FormFileRefusal(form_path, header); !refusal.empty()) return refusal;
    if (header.lib != lib)
      return form_path + ": " + kFormOfLibrary + " " + std::to_string(header.lib) + ", " +
             kNotOfLibrary + " " + std::to_string(lib);
  }
  return {};
}

void LoadPalmFaces(const std::string& folder, FontRegistry& fonts, std::ostream& err) {
  for (const auto& file : FontRegistry::Files()) {
    const std::string path = (std::filesystem::path(folder) / file.file_name).string();
    std::string why;
    if (!fonts.LoadFace(file.font_name, path, &why))
      err << kProgramName << ": " << kFaceMissing << " " << path << " (" << why << ")\n";
  }
}

std::unique_ptr<BatchProject> OpenBatchProject(const std::string& path,
                                               const CommandContext& context, const char* not_done,
                                               std::string* why) {
  // The designer refuses a file that is not one of our projects with the same words.
  *why = ProjectRefusal(path);
  if (!why->empty()) return nullptr;
  *why = ListedFormsProblem(ReadProjectFile(path, 0, 0));
  if (!why->empty()) return nullptr;
  auto project = std::make_unique<BatchProject>(context);
  TMain& main = project->main;
  main.FirstShown();
  // Text widths are measured with the faces the designer draws with.
  LoadPalmFaces(context.program_dir, main.Fonts(), context.err);
  main.State().project_path = path;
  main.Project().LoadProject(path);
  if (project->ui.Messages() > 0) {
    *why = not_done;
    return nullptr;
  }
  return project;
}

}  // namespace qb::cli
