#pragma once

// The behaviour of the designer windows: activation, selection, mouse work on the screen
// panel and its dialogs, placing controls from the palette, and the designer's keys.
//
// The view forwards its input here: mouse presses, moves and releases in client-area pixels
// of the designer window (see designer/mouse.h), title-bar presses, and the Space, Delete and
// arrow keys of the whole application. It draws what the core holds (the picture, the cursor
// shape, the active title bar) and opens the context menu when a release asks for it.
//
// A new window: AddWindow, give it its name, ShowWindow, then Activate.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "designer/placement.h"
#include "designer/pop_menu.h"
#include "form/ChildFor.h"
#include "form/app_state.h"
#include "form/edit_transaction.h"
#include "form/hub.h"
#include "form/mouse.h"
#include "model/kinds.h"
#include "model/ui.h"

namespace qb {

enum class DesignerKey { kSpace, kDelete, kLeft, kUp, kRight, kDown };

inline constexpr const char* kDuplicateNameCControls = "Duplicate name";
inline constexpr const char* kDuplicateNamePToolbox = "Duplicate contol name";
// The failure shown when a new control's name is refused.
const char* DuplicateNameMessage(LibraryId lib);

// The arrow keys move by this step while the grid option and grid step are on, else by 1.
inline constexpr int kGridKeyStep = 4;
// A new window's offset from the toolbars and the inspector.
inline constexpr int kWindowGap = 4;
// A press on the shown dialog above this line (its title bar) moves the dialog; below it, on
// free dialog area, it draws a selection rectangle.
inline constexpr int kDialogTitleZone = 14;

// The readout of a control's Palm position and size: "x 40 y 24 w 42 h 13".
std::string PositionReadout(const TControl& control);

class Designer : public FormListener {
 public:
  Designer(AppState& state, Ui& ui, Hub& hub);
  ~Designer() override;
  Designer(const Designer&) = delete;
  Designer& operator=(const Designer&) = delete;

  AppState& State() { return state_; }
  Ui& GetUi() { return ui_; }

  // --- Windows ---
  // A new window with the grid option applied, added to the application state.
  TChildFrm& AddWindow();
  // Lets the window's resize notification reach the designer (done by AddWindow, Activate
  // and every input call, so windows made elsewhere join on first use).
  void Bind(TChildFrm& form);
  // Shows the window: the inspector comes up if hidden, and a window at the top-left corner
  // moves below the toolbars, right of the inspector.
  void ShowWindow(TChildFrm& form);
  // Makes the window current: active title bar, front, control list rebuilt and loaded into
  // the chooser, and its last selected control (or the form) shown in the inspector.
  void Activate(TChildFrm& form);
  // The form's own rows in the inspector, no marks, the form as the current control.
  void ShowFormProperties(TChildFrm& form);
  // Marks the current control; without `add` every other mark of the window goes first.
  void ShowSelection(TChildFrm& form, bool add);
  // Rebuilds the window's control list, loads it into the chooser, selects the current
  // control's entry and redraws the marks.
  void RefreshChooser(TChildFrm& form);
  // Makes a control (or the form's client area) current and fills the inspector for it.
  void Inspect(TChildFrm& form, TControl& object);

  // --- Mouse input from the view, in client-area pixels ---
  void MouseDown(TChildFrm& form, MouseButton button, ShiftState shift, Point point);
  void MouseMove(TChildFrm& form, ShiftState shift, Point point);
  // True when the context menu should open (a right-button release over a control).
  bool MouseUp(TChildFrm& form, MouseButton button, ShiftState shift, Point point);
  void TitleBarPressed(TChildFrm& form);

  // --- The handlers the mouse input reaches ---
  // A press on the screen panel itself.
  void ScreenPress(TChildFrm& form);
  // A release on the screen panel or the shown dialog: places the palette's kind there.
  void PanelRelease(TChildFrm& form, TControl& panel, MouseButton button, Point local);
  // A press on a control (both movers).
  void SelectionHandler(TChildFrm& form, TControl& sender, ShiftState shift);
  // A release on a control of the screen panel, a menu or the menu bar.
  void ScreenReleaseHandler(TChildFrm& form, TControl& sender, ShiftState shift);
  // A release on a control inside the shown dialog.
  void DialogReleaseHandler(TChildFrm& form, TControl& sender, ShiftState shift);

  // --- Placing controls ---
  // Places a control of the kind whose palette button is down, at (x, y) of the target panel
  // (the screen panel or the shown dialog). False when nothing was placed.
  bool PlaceControl(TChildFrm& form, int x, int y, TControl& target);
  // Attaches a control made for the form elsewhere (paste): its parent (a dialog always goes
  // on the screen panel), a new automatic name with the prefix, the resize notification and
  // the window's mouse handling; a dialog becomes the shown dialog. Lists it and refreshes
  // the chooser. nullptr, after the failure message, when the name is refused.
  TControl* AttachPlacedControl(TChildFrm& form, std::unique_ptr<TControl> control,
                                TControl& parent, const KindInfo& kind, const std::string& prefix);

  // --- Keys and the context menu ---
  // Space, Delete and the arrows while cursor-key mode is on; true when the key acted. The
  // view passes every key on to the focused control either way.
  // With Shift, the arrows change the current control's width (Left, Right) or height (Up,
  // Down) instead; without it they move every marked control of the current control's panel.
  bool KeyPressed(DesignerKey key, bool shift = false);
  // Whether a mouse button is held on a designer window (its step is still open).
  bool MouseStepOpen() const { return mouse_step_.has_value(); }
  // Esc while a button is held: the drag, resize or selection rectangle ends, the form goes
  // back to how it was at the press (marks included) and no step is recorded; the release
  // that follows does nothing. The window put back; nullptr when no mouse action was open.
  TChildFrm* CancelMouseAction();
  void RunPopCommand(TChildFrm& form, PopCommand command);
  // The window to the front or back among the main window's windows.
  void RaiseWindow(TChildFrm& form) { hub_.RaiseWindow(form); }
  void LowerWindow(TChildFrm& form) { hub_.LowerWindow(form); }

  void FormControlResized(TChildFrm& form, TControl& control) override;

  // The selection rectangle being drawn in the window, in client-area pixels; nothing while
  // none is drawn or the mouse has not moved since the press.
  std::optional<Rect> BandRect(const TChildFrm& form) const;

 private:
  // The selection rectangle, from the press on free panel area to the release.
  struct Band {
    WeakRef<TChildFrm> form;
    WeakRef<TControl> panel;
    Point start;
    Point end;
  };
  void StartBand(TChildFrm& form, TControl& panel, Point client_point);
  // Marks the controls the rectangle touches: the first becomes current.
  void SelectInBand(TChildFrm& form, TControl& panel, const Rect& client_rect);
  // Shift+click (no move) on a marked control: it loses its mark, and another marked control
  // of its panel (or else the form) becomes current.
  void Unmark(TChildFrm& form, TControl& control);
  bool GroupPress(const TChildFrm& form, const TControl& sender, ShiftState shift) const;
  bool ClaimName(TChildFrm& form, const std::string& name);
  TControl* Attach(TChildFrm& form, std::unique_ptr<TControl> control, TControl& parent,
                   const KindInfo& kind);
  std::string Prefix(const KindInfo& kind) const;
  bool PlaceOnPanel(TChildFrm& form, int x, int y, TControl& target, const KindInfo& kind,
                    const PlacementRule& rule);
  bool PlaceDialog(TChildFrm& form, const KindInfo& kind, const PlacementRule& rule);
  bool PlaceMenu(TChildFrm& form, const KindInfo& kind, const PlacementRule& rule);
  void ReleaseHandler(TChildFrm& form, TControl& sender, ShiftState shift, bool resized,
                      bool moved);
  // Whether a press leaves the marks and the current control as they are: a plain right-click
  // on a marked control of the current window.
  bool KeepsSelection(const TChildFrm& form, const TControl& sender, ShiftState shift) const;
  void SnapRowsAfterResize(TControl& control);
  void WireMovers(TChildFrm& form);

  AppState& state_;
  Ui& ui_;
  Hub& hub_;
  // Every window whose handlers point here, so that none is left pointing at a gone designer.
  std::vector<WeakRef<TChildFrm>> bound_;
  // A mouse press to its release is one step (a whole drag, a placement with its menu bar).
  std::optional<EditTransaction> mouse_step_;
  std::optional<Band> band_;
  // The marked control a Shift press went to: released without a move, it loses its mark.
  WeakRef<TControl> shift_press_;
  // The marked control a plain press kept the selection for: a release without a move makes
  // it the only marked one.
  WeakRef<TControl> group_press_;
  // Set from a cancelled press to its release, which then does nothing.
  bool release_cancelled_ = false;
  // Set while a key resizes the current control, whose marks then stay as they are.
  bool key_resizing_ = false;
};

}  // namespace qb
