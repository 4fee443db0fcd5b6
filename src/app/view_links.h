#pragma once

// What only the views can do: give a designer window or a control the keyboard focus, repaint
// a window, tell the toolbar area's height. The Qt layer implements it.

#include "form/ChildFor.h"

namespace qb {

class ViewLinks {
 public:
  virtual ~ViewLinks() = default;
  virtual void FocusWindow(TChildFrm&) {}
  virtual void FocusControl(TControl&) {}
  virtual void RepaintWindow(TChildFrm&) {}
  virtual int ToolbarAreaHeight() const { return 0; }
};

}  // namespace qb
