#pragma once

// What only the views can do: give a designer window or a control the keyboard focus, repaint
// a window. The Qt layer implements it; the main window's own tests run without views.

#include "form/ChildFor.h"

namespace qb {

class ViewLinks {
 public:
  virtual ~ViewLinks() = default;
  virtual void FocusWindow(TChildFrm& form) = 0;
  virtual void FocusControl(TControl& control) = 0;
  virtual void RepaintWindow(TChildFrm& form) = 0;
};

}  // namespace qb
