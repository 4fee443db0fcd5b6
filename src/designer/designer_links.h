#pragma once

// What the designer asks of the rest of the program: the inspector, the main window, the zoom
// view, the fonts and the layout commands. The main window wires these; every default does
// nothing, so the designer runs on its own in tests.

#include "controls/control.h"
#include "designer/pop_menu.h"

namespace qb {

class TChildFrm;

class DesignerLinks {
 public:
  virtual ~DesignerLinks() = default;

  // Inspector. `object` is a control or the form's client area, which stands for the form.
  // The designer has already made it the current control.
  virtual void FillInspector(TChildFrm& /*form*/, TControl& /*object*/) {}
  // The form's own rows (FormRows of the library's property rules).
  virtual void ShowFormRows(TChildFrm& /*form*/) {}
  // Copies the form's control list into the chooser.
  virtual void LoadChooser(TChildFrm& /*form*/) {}
  // Selects the chooser entry of a control or of the form.
  virtual void SelectChooserEntry(TControl& /*object*/) {}
  // Hides the inspector's three in-place editors.
  virtual void HideInlineEditors() {}
  // Closes the chooser's drop-down list when it is open.
  virtual void CloseChooserList() {}
  virtual bool InspectorVisible() const { return true; }
  // View > "&Properties Editor": shows the inspector only while a project is open.
  virtual void ToggleInspector() {}
  virtual int InspectorWidth() const { return 0; }

  // Main window.
  virtual int ToolbarAreaHeight() const { return 0; }
  // Brings the designer window to the front among the main window's child windows.
  virtual void RaiseWindow(TChildFrm& /*form*/) {}
  // Sends the designer window to the back among the main window's child windows.
  virtual void LowerWindow(TChildFrm& /*form*/) {}
  virtual void FocusWindow(TChildFrm& /*form*/) {}
  virtual void FocusControl(TControl& /*control*/) {}
  virtual void ResumeZoom() {}

  // A context-menu command (layout commands, z-order, delete) for the window.
  virtual void RunPopCommand(TChildFrm& /*form*/, const PopMenuEntry& /*entry*/) {}

  // The height of the text "A" in the control's font. Without the fonts: a list's measured row
  // height, else the 11 pixels of the standard face.
  virtual int TextHeight(const TControl& control) const;
};

inline constexpr int kStandardRowHeight = 11;

}  // namespace qb
