#pragma once

// The narrow interfaces through which the main window reaches the other modules (designer,
// inspector, clipboard, generate dialog). Each default does nothing, so the main
// window runs on its own and the modules are wired in as they come.

#include "designer/ChildFor.h"

namespace qb {

// The entries of a designer window's context menu that the main window runs: the alignment
// toolbar runs the layout entries, the Delete key the last one.
enum class LayoutEntry {
  kAlignLeft,
  kAlignRight,
  kAlignTop,
  kAlignBottom,
  kSameHeight,
  kSameWidth,
  kCenterHorizontally,
  kCenterVertically,
  kSpaceHorizontally,
  kSpaceVertically,
  kDeleteControl,
};

class DesignerLink {
 public:
  virtual ~DesignerLink() = default;
  // Activate(window): title bars, control list and inspector follow the window.
  virtual void Activate(TChildFrm&) {}
  // Show form properties(window): the form's rows in the inspector, marks cleared, focus.
  virtual void ShowFormProperties(TChildFrm&) {}
  // The GridSize of the window's two movers, snap and snapDialog.
  virtual void SetSnapGridSize(TChildFrm&, int) {}
  virtual void RunLayout(TChildFrm&, LayoutEntry) {}
};

class InspectorLink {
 public:
  virtual ~InspectorLink() = default;
  // One row with both cells blank and an empty control chooser.
  virtual void Empty() {}
  // The window's control list into the chooser.
  virtual void LoadChooser(TChildFrm&) {}
};

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
