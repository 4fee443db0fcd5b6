#pragma once

// The whole running designer: the main window's logic, the designer windows' behaviour and
// the property inspector, wired to one another. The Qt layer builds one and draws it.

#include <memory>
#include <string>

#include "app/Main.h"
#include "app/generate_command.h"
#include "designer/designer.h"
#include "properties/frmProperties.h"

namespace qb {

class Workbench {
 public:
  Workbench(Ui& ui, std::string program_dir,
            SettingsEnvironment env = SettingsEnvironment::System());
  ~Workbench();
  Workbench(const Workbench&) = delete;
  Workbench& operator=(const Workbench&) = delete;

  TMain& Main() { return main_; }
  Designer& GetDesigner() { return main_.GetDesigner(); }
  TfrmProperties& Inspector() { return *inspector_; }
  // Made once start-up has settled where the settings file lives (see Start).
  GenerateCommand* Generate() { return generate_.get(); }
  // Start-up of the whole designer: the main window's start, then the generate dialog.
  void Start();
  AppState& State() { return main_.State(); }
  void SetViewLinks(ViewLinks* views) { main_.SetViewLinks(views); }

 private:
  TMain main_;
  std::unique_ptr<TfrmProperties> inspector_;
  std::unique_ptr<GenerateCommand> generate_;
};

}  // namespace qb
