#pragma once

// The one way up. The designer and the inspector tell the application what happened and ask
// it for what only it owns (the inspector as the designer sees it, the main window, the
// views, the zoom window, the fonts, the modal editors). The application implements every
// method; a new notification nobody wires is a compile error, not a silent no-op. A layer
// that needs something from a layer below calls it directly instead.

#include "controls/control.h"
#include "form/ChildFor.h"

namespace qb {

class TCCBitmap;
class TCCButton;
class TCCTable;

class Hub {
 public:
  virtual ~Hub() = default;

  // --- The inspector, as the designer reaches it ---
  // `object` is a control or the form's client area, which stands for the form; it is
  // already the current control.
  virtual void FillInspector(TChildFrm& form, TControl& object) = 0;
  // The form's own rows (FormRows of the library's property rules).
  virtual void ShowFormRows(TChildFrm& form) = 0;
  // Copies the form's control list into the chooser.
  virtual void LoadChooser(TChildFrm& form) = 0;
  // Selects the chooser entry of a control or of the form.
  virtual void SelectChooserEntry(TControl& object) = 0;
  // Hides the inspector's three in-place editors.
  virtual void HideInlineEditors() = 0;
  // Closes the chooser's drop-down list when it is open.
  virtual void CloseChooserList() = 0;
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
