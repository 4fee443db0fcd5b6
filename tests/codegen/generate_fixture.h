#pragma once

// A generate dialog over a saved "Demo" project in a private folder: the project file in
// project/, the program's folder in program/, forms made in code, and a scripted Ui.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "codegen/frmGenerateCode.h"
#include "form/ChildFor.h"
#include "support/fake_ui.h"
#include "support/temp_dir.h"

namespace qb::test {

class GenerateTest : public ::testing::Test {
 protected:
  GenerateTest();

  // A form appended to the window order (the first added is the most recently activated).
  TChildFrm& AddForm(const std::string& name, const std::string& title);
  // The project file: its "Project" section followed by the given text.
  void WriteProject(const std::string& more = "");
  void Show(LibraryId library = LibraryId::kCControls);
  // The lines of a text area.
  std::vector<std::string> LinesOf(CodeText text) const;

  std::string InProject(const std::string& name) const;
  std::string InProgram(const std::string& name) const;
  void InstallConverter() const;
  // An expected file under tests/data/codegen/generate.
  static std::string Expected(const std::string& relative);

  TempDir dir_;
  FakeUi ui_;
  std::string project_dir_;
  std::string program_dir_;
  std::string project_path_;
  std::vector<std::unique_ptr<TChildFrm>> forms_;
  TfrmGenerate dialog_;
};

// Changes the current folder for the lifetime of the object.
class CurrentFolder {
 public:
  explicit CurrentFolder(const std::string& folder);
  ~CurrentFolder();
  CurrentFolder(const CurrentFolder&) = delete;
  CurrentFolder& operator=(const CurrentFolder&) = delete;

 private:
  std::string previous_;
};

}  // namespace qb::test
