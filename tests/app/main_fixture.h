#pragma once

// Shared set-up for the main window's tests: a TMain over a scripted Ui in a temporary
// program folder, with the real inspector and a recording generator.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Main.h"
#include "form/edit_transaction.h"
#include "model/ini_file.h"
#include "support/fake_ui.h"
#include "support/temp_dir.h"

namespace qb::test {

// File > New Project with the library chosen in its dialog, which ui answers.
inline void StartNewProject(TMain& main, FakeUi& ui, LibraryId lib) {
  ui.AnswerDialog([lib](DialogModel& d) {
    static_cast<TfrmNProyecto&>(d).SetSelectedIndex(static_cast<int>(lib) - 1);
    return true;
  });
  main.Project().NewProject();
}

// The form readers and writers, counting what they were asked to do.
class CountingForms : public FormAccess {
 public:
  FormFileHeader Inspect(const std::string& path, LibraryId lib) override {
    return LibraryFormAccess().Inspect(path, lib);
  }
  void Read(TChildFrm& window, const std::string& path, AppState& state) override {
    reads.push_back(path);
    LibraryFormAccess().Read(window, path, state);
  }
  bool Write(TChildFrm& window, const std::string& path, const AppState& state, Ui& ui) override {
    writes.push_back(path);
    return LibraryFormAccess().Write(window, path, state, ui);
  }
  std::vector<std::string> reads;
  std::vector<std::string> writes;
};

class RecordingGenerate : public GenerateLink {
 public:
  void ShowGenerateDialog() override { ++shown; }
  int shown = 0;
};

inline SettingsEnvironment WritableEnvironment() {
  // No configuration folder: the settings file stays in the test's program folder.
  return {[](const char*) -> std::optional<std::string> { return std::nullopt; }};
}

class MainTest : public ::testing::Test {
 protected:
  ~MainTest() override { main_.SetInspector(nullptr); }
  MainTest() : main_(ui_, dir_.Path("program"), WritableEnvironment()) {
    std::filesystem::create_directory(dir_.Path("program"));
    main_.SetFormAccess(&forms_);
    main_.SetInspector(&inspector_);
    main_.SetGenerate(&generate_);
    main_.FirstShown();
  }

  // New Project with the library chosen in its dialog.
  void StartProject(LibraryId lib) { StartNewProject(main_, ui_, lib); }

  std::string Path(const std::string& name) const { return dir_.Path(name); }
  // A change the form's file does not hold yet, so that closing has something to ask about.
  void Touch(TChildFrm& window) {
    EditTransaction edit(main_.State(), &window, "Touch");
    window.Screen().SetTitle(window.Screen().Title() + "2");
  }
  TChildFrm& Window(std::size_t i) { return *main_.State().windows.at(i); }
  // A change the test makes to a form by hand, as one edit (outside one the change check
  // would fail it).
  template <typename F>
  void Edit(TChildFrm& window, F change) {
    EditTransaction edit(main_.State(), &window, "Edit");
    change();
  }

  TempDir dir_;
  FakeUi ui_;
  CountingForms forms_;
  RecordingGenerate generate_;
  TMain main_;
  TfrmProperties inspector_{main_.State(), ui_, main_.GetHub()};
};

}  // namespace qb::test
