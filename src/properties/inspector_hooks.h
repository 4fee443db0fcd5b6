#pragma once

// What the inspector and the property rules need from the designer, the main window and the
// modal editors. Each call does nothing until the main window wires the real behaviour in.

#include "controls/control.h"

namespace qb {

class TChildFrm;
class TPTDialog;
class TCCBitmap;
class TCCButton;
class TCCTable;

class InspectorHooks {
 public:
  virtual ~InspectorHooks() = default;

  // Redraws the window's selection marks so that its current control alone is marked.
  virtual void ShowSelection(TChildFrm& /*window*/) {}
  // Clears every selection mark of the window.
  virtual void ClearSelection(TChildFrm& /*window*/) {}
  // Gives the designer window the keyboard focus.
  virtual void FocusWindow(TChildFrm& /*window*/) {}
  // Repaints the whole designer window (the form's colours or title changed).
  virtual void RepaintWindow(TChildFrm& /*window*/) {}
  // The dialog became the form's shown dialog: releases on it now place controls into it
  // and the dialog mover works on it.
  virtual void DialogShown(TChildFrm& /*window*/, TPTDialog& /*dialog*/) {}
  // Redraws the zoom view at once when it is visible.
  virtual void RedrawZoom() {}

  // The modal editors. The items editor edits the lines in place and returns true on OK.
  virtual bool EditItemLines(StringList& /*lines*/) { return false; }
  virtual void EditTable(TCCTable& /*table*/) {}
  virtual void EditBitmap(TCCBitmap& /*picture*/) {}
  virtual void EditPickerColors(TCCButton& /*select*/) {}
};

}  // namespace qb
