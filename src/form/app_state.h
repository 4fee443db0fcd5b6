#pragma once

// The one process-wide record of the running designer: the project and the session.

#include <memory>
#include <string>
#include <vector>

#include "controls/control.h"
#include "form/ChildFor.h"
#include "model/colors.h"
#include "model/kinds.h"
#include "model/library.h"
#include "model/weak_ref.h"

namespace qb {

class EditTransaction;

// The project: what its file and its forms' files hold, and the counters that name new forms
// and controls. Generators, the layout check, the map and the preview read only this.
struct Project {
  LibraryId library = LibraryId::kPToolboxLib;
  std::string project_name;  // empty: no project open
  std::string project_path;
  int form_counter = 0;
  int control_counter = 0;
  // The forms, each in its designer window, in creation order.
  std::vector<std::unique_ptr<TChildFrm>> windows;
};

// The session: what this run of the designer shows and holds between actions, none of it
// part of the design.
struct Session {
  bool short_names = false;
  bool cursor_keys_active = true;
  bool grid_step = true;
  // The View > Grid option: grid dots on every form and moves rounded to 4 pixels.
  bool grid_option = false;
  Color control_color = kWhite;
  WeakRef<TChildFrm> current_window;
  // A control, or the current window's client area when the form itself is selected.
  WeakRef<TControl> current_control;
  // The designer windows by activation, the most recent first (see NoteWindowActivated).
  std::vector<WeakRef<TChildFrm>> activation_order;
  // The palette button that is down, if any: the next click on a form places its kind.
  PaletteButton pressed_button = PaletteButton::kNone;
  // The status-bar panels: library, short names, cursor-key mode, and the readout of the
  // control being dragged, resized or nudged ("x 40 y 24 w 42 h 13", Palm coordinates).
  std::string status_panels[4];
  // The outermost edit transaction while one is open; nested ones join it.
  EditTransaction* open_transaction = nullptr;
  // Whether edits record undo steps; off only to measure what recording adds.
  bool record_steps = true;
};

// The running designer: the open project and this session.
struct AppState : Project, Session {};

// The status-bar panel of the position and size readout.
inline constexpr int kReadoutPanel = 3;

inline constexpr const char* kCursorKeysGridStep = "Cursor keys activated - Grid Step";
inline constexpr const char* kCursorKeysSingleStep = "Cursor keys activated - Single Step";

// Cursor-key mode: arrow, Space and Delete keys act on the designer while it is on.
void CursorKeysOn(AppState& state);
void CursorKeysOff(AppState& state);

// Moves a window to the front of the activation order; the main window calls it whenever a
// designer window is activated.
void NoteWindowActivated(AppState& state, TChildFrm& window);
// Moves a window to the back of the window order, behind every other designer window.
void NoteWindowLowered(AppState& state, TChildFrm& window);
// The application's window order: the windows in the order they were last activated, the most
// recent first, then those never activated, the newest first (a new window lies on top).
std::vector<TChildFrm*> WindowsInWindowOrder(const AppState& state);

}  // namespace qb
