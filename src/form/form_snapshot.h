#pragma once

// A form's whole state as an undo step records it: every control (class, name, every value
// of its class, visibility, selection mark, z-order position and parent, PalmForm), the
// screen panel, the form's own rows, the shown dialog, the control list, and which control
// was current and last selected. Restoring rebuilds the controls as they were, under their
// recorded names (no automatic naming), and re-points every reference the window holds.

#include <cstddef>
#include <string>
#include <vector>

#include "form/clipboard_format.h"

namespace qb {

class TChildFrm;
struct AppState;

struct ControlRecord {
  ControlClass cls = ControlClass::kCCButton;
  std::string name;
  // Index of the parent record; kOnScreen and kOnClient for the window's own parts.
  int parent = 0;
  // Index of the PalmForm record; kNoPanel or kOnScreen for the screen panel.
  int palm_form = 0;
  bool visible = true;
  bool selected = false;
  bool resize_notification = false;
  ControlValues values;
};

struct FormSnapshot {
  static constexpr int kOnScreen = -1;
  static constexpr int kOnClient = -2;
  static constexpr int kNoPanel = -3;
  // The form itself where a control reference points at it.
  static constexpr int kForm = -4;

  std::string form_name;
  ControlValues screen;
  bool screen_selected = false;
  // Parents come before their children, children in back-to-front order.
  std::vector<ControlRecord> controls;
  int shown_dialog = kNoPanel;
  // The control list's entries as record indexes (kForm for the form's own entry).
  std::vector<int> control_list;
  std::vector<std::string> control_list_texts;
  // Only set when the window was the current one.
  bool was_current_window = false;
  int current_control = kNoPanel;
  int last_selected = kNoPanel;

  std::size_t ControlCount() const { return controls.size(); }
  // The record of a control by exact name; nullptr when none.
  const ControlRecord* Find(const std::string& name) const;
};

FormSnapshot TakeFormSnapshot(const AppState& state, const TChildFrm& form);
// Whether two snapshots of a form hold the same design: the same name, controls, values,
// visibility, order and parents. View state is left out: selection marks and their
// colours, the shown dialog, open menus, the grid option, the current and last selected
// control, and the order of the control list.
bool SameDesign(const FormSnapshot& a, const FormSnapshot& b);
// Puts the form back as recorded. References to controls of the form (current control,
// last selected, shown dialog, mouse capture, control list) are re-pointed to the new ones.
void RestoreFormSnapshot(AppState& state, TChildFrm& form, const FormSnapshot& snapshot);

}  // namespace qb
