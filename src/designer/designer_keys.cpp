// The designer's keys, seen by the whole application while cursor-key mode is on.

#include "designer/designer.h"

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

bool Designer::KeyPressed(DesignerKey key) {
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
  // Consecutive nudges of one control are one step.
  EditTransaction edit(state_, state_.current_window.Get(), "Move " + control->Name(),
                       "nudge " + control->Name());
  switch (key) {
    case DesignerKey::kLeft:
      control->SetLeft(control->Left() - step);
      break;
    case DesignerKey::kUp:
      control->SetTop(control->Top() - step);
      break;
    case DesignerKey::kRight:
      control->SetLeft(control->Left() + step);
      break;
    case DesignerKey::kDown:
      control->SetTop(control->Top() + step);
      break;
    default:
      return false;
  }
  // Users read positions in the inspector: it follows each step.
  if (TChildFrm* window = state_.current_window.Get()) Inspect(*window, *control);
  return true;
}

}  // namespace qb
