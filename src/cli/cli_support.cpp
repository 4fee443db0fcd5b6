#include "cli/cli_support.h"

#include <filesystem>
#include <ostream>

#include "cli/cli_texts.h"
#include "controls/font_registry.h"

namespace qb::cli {

int UsageError(CommandContext& context, const char* name, const char* usage,
               const std::string& why) {
  context.err << kProgramName << " " << name << ": " << why << "\n"
              << kUsageHeader << " " << kProgramName << " " << name << " " << usage << "\n";
  return kExitUsage;
}

void LoadPalmFaces(const std::string& folder, FontRegistry& fonts, std::ostream& err) {
  for (const auto& file : FontRegistry::Files()) {
    const std::string path = (std::filesystem::path(folder) / file.file_name).string();
    std::string why;
    if (!fonts.LoadFace(file.font_name, path, &why))
      err << kProgramName << ": " << kFaceMissing << " " << path << " (" << why << ")\n";
  }
}

}  // namespace qb::cli
