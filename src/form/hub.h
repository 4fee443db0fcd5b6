#pragma once

// The one way up. The designer and the inspector tell the application what happened and ask
// it for what only it owns (the inspector's port and window, the main window, the
// views, the zoom window, the fonts, the modal editors). The application implements every
// method; a new notification nobody wires is a compile error, not a silent no-op. A layer
// that needs something from a layer below calls it directly instead.

#include "controls/control.h"
#include "form/ChildFor.h"
#include "form/inspector_port.h"

namespace qb {

class TCCBitmap;
class TCCButton;
class TCCTable;

class Hub {
 public:
  virtual ~Hub() = default;

  // --- The inspector ---
  // The inspector's rows and chooser, handed out once; always a real port (the application
  // without an inspector hands out one that does nothing, NoInspector).
  virtual InspectorPort& Inspector() = 0;
  // The inspector's window is the application's: its visibility, its width and the toggle.
  virtual bool InspectorVisible() const = 0;
  // View > "&Properties Editor": shows the inspector only while a project is open.
  virtual void ToggleInspector() = 0;
  virtual int InspectorWidth() const = 0;

  // --- The main window and the views ---
  virtual int ToolbarAreaHeight() const = 0;
  // Brings the designer window to the front among the main window's child windows.
  virtual void RaiseWindow(TChildFrm& form) = 0;
  // Sends the designer window to the back among the main window's child windows.
  virtual void LowerWindow(TChildFrm& form) = 0;
  // Gives the designer window, or the control on it, the keyboard focus.
  virtual void FocusWindow(TChildFrm& form) = 0;
  virtual void FocusControl(TControl& control) = 0;
  // Repaints the whole designer window (the form's colours or title changed).
  virtual void RepaintWindow(TChildFrm& form) = 0;
  // The zoom view's refresh runs again (a designer window was activated or pressed).
  virtual void ResumeZoom() = 0;
  // Redraws the zoom view at once when it is visible (a property was applied).
  virtual void RedrawZoom() = 0;

  // The height of the text "A" in the control's font.
  virtual int TextHeight(const TControl& control) const = 0;

  // --- The modal editors ---
  // The items editor edits the lines in place and returns true on OK.
  virtual bool EditItemLines(StringList& lines) = 0;
  virtual void EditTable(TCCTable& table) = 0;
  virtual void EditBitmap(TCCBitmap& picture) = 0;
  virtual void EditPickerColors(TCCButton& select) = 0;
};

}  // namespace qb
