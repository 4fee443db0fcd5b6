#include "app/workbench.h"

namespace qb {

Workbench::Workbench(Ui& ui, std::string program_dir, SettingsEnvironment env)
    : main_(ui, std::move(program_dir), env),
      inspector_(std::make_unique<TfrmProperties>(main_.State(), ui, main_.GetHub())) {
  main_.SetInspector(inspector_.get());
}

void Workbench::Start() {
  main_.Start();
  generate_ = std::make_unique<GenerateCommand>(
      main_.GetUi(), main_.State(),
      GenerateCommand::FoldersFor(main_.ProgramDir(), main_.SettingsFile()));
  main_.SetGenerate(generate_.get());
}

Workbench::~Workbench() {
  main_.SetInspector(nullptr);
  main_.SetGenerate(nullptr);
}

}  // namespace qb
