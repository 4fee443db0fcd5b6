#pragma once

// The narrow interfaces through which the main window reaches the modules it does not own
// (clipboard, generate dialog). Each default does nothing, so the
// main window runs on its own and the modules are wired in as they come.


namespace qb {

class ClipboardLink {
 public:
  virtual ~ClipboardLink() = default;
  virtual void Cut() {}
  virtual void Copy() {}
  virtual void Paste() {}
};

class GenerateLink {
 public:
  virtual ~GenerateLink() = default;
  // Shows the generate dialog modally for the saved project.
  virtual void ShowGenerateDialog() {}
};

}  // namespace qb
