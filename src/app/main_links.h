#pragma once

// The narrow interfaces through which the main window reaches the modules it does not own
// (inspector, layout commands, clipboard, generate dialog). Each default does nothing, so the
// main window runs on its own and the modules are wired in as they come.

#include "controls/control.h"
#include "form/ChildFor.h"
#include "designer/pop_menu.h"

namespace qb {

// The property inspector, for the main window and for the designer (which reaches it through
// the main window).
class InspectorLink {
 public:
  virtual ~InspectorLink() = default;
  // One row with both cells blank and an empty control chooser.
  virtual void Empty() {}
  // `object` is a control or the form's client area; it is already the current control.
  virtual void FillInspector(TChildFrm& /*form*/, TControl& /*object*/) {}
  virtual void ShowFormRows(TChildFrm& /*form*/) {}
  virtual void LoadChooser(TChildFrm& /*form*/) {}
  virtual void SelectChooserEntry(TControl& /*object*/) {}
  virtual void HideInlineEditors() {}
  virtual void CloseChooserList() {}
};

// The context menu's commands: layout commands, z-order and delete.
class LayoutLink {
 public:
  virtual ~LayoutLink() = default;
  virtual void RunPopCommand(TChildFrm& /*form*/, const PopMenuEntry& /*entry*/) {}
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
