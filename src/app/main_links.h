#pragma once

// The generate dialog as the main window reaches it. The default does nothing, so that the
// main window's tests run without the dialog; the workbench sets the real one at start-up.

namespace qb {

class GenerateLink {
 public:
  virtual ~GenerateLink() = default;
  // Shows the generate dialog modally for the saved project.
  virtual void ShowGenerateDialog() = 0;
};

// The command line and headless runs have no generate dialog to show.
class NoGenerateDialog final : public GenerateLink {
 public:
  void ShowGenerateDialog() override {}
};

}  // namespace qb
