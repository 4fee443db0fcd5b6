#pragma once

// The Generate Code command's dialog: made once with the main window, kept for the whole run,
// and shown modally on the open project.

#include <string>

#include "app/main_links.h"
#include "codegen/frmGenerateCode.h"
#include "form/app_state.h"
#include "model/ui.h"

namespace qb {

class GenerateCommand : public GenerateLink {
 public:
  GenerateCommand(Ui& ui, const AppState& state, GenerateFolders folders);

  // The program's folder for the converter; the converter's texts beside the settings file,
  // which is in the program's folder unless that folder cannot be written.
  static GenerateFolders FoldersFor(const std::string& program_dir,
                                    const std::string& settings_file);

  void ShowGenerateDialog() override;
  TfrmGenerate& Dialog() { return dialog_; }

 private:
  Ui& ui_;
  const AppState& state_;
  TfrmGenerate dialog_;
};

}  // namespace qb
