#include "app/generate_command.h"

#include <filesystem>

#include "codegen/generate_session.h"

namespace qb {

GenerateCommand::GenerateCommand(Ui& ui, const AppState& state, GenerateFolders folders)
    : ui_(ui), state_(state), dialog_(ui, std::move(folders)) {}

GenerateFolders GenerateCommand::FoldersFor(const std::string& program_dir,
                                            const std::string& settings_file) {
  return {program_dir, std::filesystem::path(settings_file).parent_path().string()};
}

void GenerateCommand::ShowGenerateDialog() {
  dialog_.Show(GenerateSessionFor(state_));
  ui_.RunDialog(dialog_);
}

}  // namespace qb
