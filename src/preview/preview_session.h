#pragma once

// The preview: the project's forms running as on the device, on a copy of them. The session
// copies every open form when it starts and never holds a pointer into the design, so taps,
// typing and the ShowForm flow change only the copy.
//
// A window drives it with pen events in device pixels (the client area of a designer window,
// the same coordinates as its picture), typed text and Back, and shows Frame(), Title() and
// CanGoBack().
//
// What a tap does (pen down and up on the same control):
// - Button, Select, Push: drawn pressed (inverted) while the pen is down on them; leaving
//   releases them, coming back presses them again. A Button or Select whose ShowForm names a
//   dialog of the form shows that dialog over it; one naming a form switches to that form.
// - CheckBox, Switch: toggle. Push with a group (its Tag), Radio: select, releasing every other
//   Radio and Push of the same group on the form. A Push without a group toggles.
// - ListBox, List: select the tapped row; a tap on the right end of the last shown row scrolls
//   down when more rows follow, on the right end of the first row scrolls back up.
// - DropDown, PopUp: a tap opens the list; a tap on a row of the open list chooses it and
//   closes the list. PopTrigger: opens the List whose Trigger names it; the chosen row becomes
//   the trigger's text. A tap outside an open list closes it.
// - Edit, EditLine, Field (editable): take the focus; typed text goes to the end, behind a
//   caret, within MaxChars (a Field's NumbersOnly takes digits only); Backspace removes the
//   last character.
// - Menu topics of the CControls menu bar open their menu (one at a time); the next tap
//   closes it.

#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "controls/font_registry.h"
#include "controls/form_picture.h"
#include "controls/palm_canvas.h"
#include "controls/size_rules.h"
#include "form/app_state.h"

namespace qb {

// What the preview keeps per control beyond the copy's own properties.
struct PreviewControlState {
  // ListBox and List: the first row shown, and the full item list the copy shows a window of.
  int top_row = 0;
  StringList all_items;
  int selected = -1;  // in all_items
};

class PreviewSession {
 public:
  // Copies every form of design; the preview starts on the copy of start (which must be one of
  // design's windows; otherwise the first form).
  PreviewSession(const AppState& design, const TChildFrm& start, const FontRegistry& fonts);
  PreviewSession(const PreviewSession&) = delete;
  PreviewSession& operator=(const PreviewSession&) = delete;

  void PenDown(Point device);
  void PenMove(Point device);
  void PenUp(Point device);
  // Typed text for the focused edit, one character after another.
  void Type(std::string_view utf8);
  void Backspace();

  bool CanGoBack() const { return way_.size() > 1; }
  // Returns along the way taken: closes a dialog shown by a tap, or goes back to the form
  // before.
  void Back();

  // The title of the form shown, for the window's title bar.
  std::string Title() const;
  // The name of the form shown, and the name of the dialog shown over it (empty when none).
  const std::string& FormName() const;
  std::string DialogName() const;

  // The device picture as it stands: the form with its state, no grid, no selection marks.
  const PalmCanvas& Frame();

  // The copy of the form shown, and its controls by name (for the window and the tests).
  TChildFrm& Shown();
  TControl* Find(const std::string& name) const;
  TControl* Focused() const { return focus_; }
  // The control drawn pressed, the open list (DropDown, PopUp or pop-up List) and the open
  // menu; nullptr when none.
  TControl* Pressed() const { return pressed_; }
  TControl* OpenList() const { return open_list_; }
  TControl* OpenMenu() const { return open_menu_; }
  // Where the caret stands in the frame (device pixels), or an empty rectangle without focus.
  Rect CaretRect() const;

 private:
  struct Step {
    TChildFrm* form = nullptr;
    std::string dialog;  // the dialog shown over it, if any
  };

  void Enter(const Step& step);
  bool ShowsPressed(const TControl& control) const;
  void Tap(TControl& control, Point local);
  bool TapOpenList(Point device);
  void CloseLists();
  void FollowShowForm(TControl& control);
  void SelectInGroup(TControl& control);
  void TapRows(TControl& control, Point local);
  void ShowWindowOfRows(TControl& control);
  TControl* Hit(Point device);
  // The control that answers a tap on hit: none for the form, a dialog's own area, or anything
  // under a shown dialog.
  TControl* Answering(TChildFrm& form, TControl& hit);
  PreviewControlState& StateOf(TControl& control);

  const FontRegistry& fonts_;
  // The copies take the sizes these faces draw them at, as the design does.
  MeasuringFacesScope measuring_;
  AppState copies_;
  std::vector<Step> way_;
  std::map<const TControl*, PreviewControlState> states_;
  TControl* pen_target_ = nullptr;  // the control the pen went down on
  TControl* pressed_ = nullptr;     // shown pressed now
  TControl* focus_ = nullptr;
  TControl* open_list_ = nullptr;  // an open DropDown, PopUp or pop-up List
  TControl* open_menu_ = nullptr;
  FormPicture picture_;
  // The open list alone, laid over the frame.
  FormPicture list_picture_;
  PalmCanvas frame_;
};

}  // namespace qb
