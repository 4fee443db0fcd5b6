// The designer's keys, seen by the whole application while cursor-key mode is on.

#include <algorithm>

#include "designer/designer.h"
#include "designer/image_limit.h"
#include "designer/selection.h"

namespace qb {

namespace {

bool Nudgeable(const TControl& control) {
  switch (control.Class()) {
    case ControlClass::kCCMenu:
    case ControlClass::kCCMenuBar:
    case ControlClass::kCCForm:
    case ControlClass::kDesignerClient:
      return false;
    default:
      return true;
  }
}

}  // namespace

bool Designer::KeyPressed(DesignerKey key, bool shift) {
  if (!state_.cursor_keys_active) return false;
  if (key == DesignerKey::kSpace) {
    state_.grid_step = !state_.grid_step;
    CursorKeysOn(state_);
    return true;
  }
  if (key == DesignerKey::kDelete) {
    TChildFrm* window = state_.current_window.Get();
    if (!window) return false;
    RunPopCommand(*window, PopCommand::kDelete);
    return true;
  }
  TControl* control = state_.current_control.Get();
  if (!control || !Nudgeable(*control)) return false;
  // Key moves are neither rounded to the grid nor kept inside the panel.
  int step = state_.grid_option && state_.grid_step ? kGridKeyStep : 1;
  // Consecutive nudges of one control are one step, and so are consecutive key resizes.
  EditTransaction edit(state_, state_.current_window.Get(),
                       (shift ? "Resize " : "Move ") + control->Name(),
                       (shift ? "size " : "nudge ") + control->Name());
  int dx = 0, dy = 0;
  switch (key) {
    case DesignerKey::kLeft:
      dx = -step;
      break;
    case DesignerKey::kUp:
      dy = -step;
      break;
    case DesignerKey::kRight:
      dx = step;
      break;
    case DesignerKey::kDown:
      dy = step;
      break;
    default:
      return false;
  }
  WeakRef<TControl> current(control);
  if (shift) {
    // The right or bottom edge moves; a control keeps at least one pixel.
    key_resizing_ = true;
    if (dx != 0) control->SetWidth(std::max(TSnapToGrid::kMinSize, control->Width() + dx));
    if (dy != 0) control->SetHeight(std::max(TSnapToGrid::kMinSize, control->Height() + dy));
    key_resizing_ = false;
    HoldImageSize(*control, ui_);
  } else {
    // Every marked control of the panel moves with the current one.
    std::vector<TControl*> group{control};
    if (control->Selected())
      for (TControl* other : MarkedSiblings(*control))
        if (Nudgeable(*other)) group.push_back(other);
    for (TControl* moved : group)
      moved->SetBounds(moved->Left() + dx, moved->Top() + dy, moved->Width(), moved->Height());
  }
  if (!current) return true;
  state_.status_panels[kReadoutPanel] = PositionReadout(*control);
  // Users read positions in the inspector: it follows each step.
  if (TChildFrm* window = state_.current_window.Get()) Inspect(*window, *control);
  return true;
}

}  // namespace qb
