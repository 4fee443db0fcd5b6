// Mouse input: routing from the view to the movers and the panels, and the handlers.

#include <algorithm>

#include "controls/CCListBox.h"
#include "controls/CCPopUp.h"
#include "controls/CCTable.h"
#include "controls/PTList.h"
#include "designer/designer.h"
#include "designer/hit_test.h"
#include "designer/image_limit.h"
#include "designer/row_height.h"
#include "designer/selection.h"
#include "model/datamod.h"

namespace qb {

namespace {

// A pop-up's height beyond its rows.
constexpr int kPopUpFrame = 3;

bool IsMenuPart(const TControl& control) {
  return control.Class() == ControlClass::kCCMenu || control.Class() == ControlClass::kCCMenuBar;
}

bool IsPlainRightClick(ShiftState shift) { return shift == kSsRight; }

// The panels that place controls on a release: the screen panel and its dialogs.
bool PlacesOnRelease(const TChildFrm& form, const TControl& target) {
  return &target == &form.Screen() ||
         (target.Class() == ControlClass::kPTDialog && target.Parent() == &form.Screen());
}

}  // namespace

void Designer::MouseDown(TChildFrm& form, MouseButton button, ShiftState shift, Point point) {
  Bind(form);
  // A new action: the readout shows what it moves from its first step on.
  state_.status_panels[kReadoutPanel].clear();
  shift_press_.Reset();
  group_press_.Reset();
  band_.reset();
  release_cancelled_ = false;
  // The control pressed keeps the mouse until the release, as the toolkit's capture does; a
  // second button pressed meanwhile goes to it too.
  TControl* captured = form.MouseCapture();
  if (!captured) {
    // A press whose release never came ends its step here.
    mouse_step_.reset();
    mouse_step_.emplace(state_, &form);
  }
  TControl& target = captured ? *captured : HitTest(form, point);
  form.SetMouseCapture(&target);
  Point local = ToLocal(form, target, point);
  if (&target == &form.Client()) {
    if (button != MouseButton::kMiddle) Activate(form);
    return;
  }
  // A selection rectangle starts from free area with the left button alone, and never while
  // a palette button waits to place its kind there.
  const bool band_press = !captured && button == MouseButton::kLeft &&
                          !(shift & (kSsShift | kSsCtrl | kSsRight | kSsMiddle | kSsDouble)) &&
                          state_.pressed_button == PaletteButton::kNone;
  if (&target == &form.Screen()) {
    ScreenPress(form);
    if (band_press) StartBand(form, form.Screen(), point);
    return;
  }
  TSnapToGrid* mover = form.Snap().Handles(target)         ? &form.Snap()
                       : form.SnapDialog().Handles(target) ? &form.SnapDialog()
                                                           : nullptr;
  WeakRef<TControl> pressed(&target);
  if (!mover || !mover->MouseDown(target, button, shift, local, point) || !pressed) return;
  if (band_press && &target == form.ShownDialog() && mover->Edges() == 0 &&
      local.y >= kDialogTitleZone) {
    mover->CancelDrag();
    StartBand(form, target, point);
    return;
  }
  // A marked control carries the rest of its panel's selection along.
  if (button == MouseButton::kLeft && target.Selected() && mover->Edges() == 0)
    mover->SetFollowers(MarkedSiblings(target));
}

void Designer::MouseMove(TChildFrm& form, ShiftState shift, Point point) {
  Bind(form);
  if (release_cancelled_) {
    form.SetCursor(CursorShape::kArrow);
    return;
  }
  if (band_ && band_->form.Get() == &form) {
    if (band_->end != point) {
      band_->end = point;
      form.MarkPictureDirty();
    }
    form.SetCursor(CursorShape::kArrow);
    return;
  }
  TControl* captured = form.MouseCapture();
  TControl& target = captured ? *captured : HitTest(form, point);
  Point local = ToLocal(form, target, point);
  TSnapToGrid* mover = nullptr;
  if (form.Snap().MouseMove(target, shift, local, point)) {
    mover = &form.Snap();
  } else if (form.SnapDialog().MouseMove(target, shift, local, point)) {
    mover = &form.SnapDialog();
  }
  form.SetCursor(mover ? mover->Cursor() : CursorShape::kArrow);
  if (mover && mover->Dragging() && mover->Captured())
    state_.status_panels[kReadoutPanel] = PositionReadout(*mover->Captured());
}

bool Designer::MouseUp(TChildFrm& form, MouseButton button, ShiftState shift, Point point) {
  Bind(form);
  struct EndStep {
    std::optional<EditTransaction>& step;
    ~EndStep() { step.reset(); }
  } end_step{mouse_step_};
  if (release_cancelled_) {
    release_cancelled_ = false;
    form.SetMouseCapture(nullptr);
    return false;
  }
  TControl* captured = form.MouseCapture();
  form.SetMouseCapture(nullptr);
  // A rectangle drawn from the press to here selects; a click without a move does not.
  std::optional<Rect> band = BandRect(form);
  if (band_ && band_->form.Get() == &form) {
    form.MarkPictureDirty();
    band_.reset();
  }
  WeakRef<TControl> target(captured ? captured : &HitTest(form, point));
  Point local = ToLocal(form, *target.Get(), point);
  if (!form.Snap().MouseUp(*target.Get(), button, shift, local, point))
    form.SnapDialog().MouseUp(*target.Get(), button, shift, local, point);
  shift_press_.Reset();
  group_press_.Reset();
  // The movers run first; then the control released on does its own handling.
  TControl* released = target.Get();
  if (!released) return false;
  if (PlacesOnRelease(form, *released)) {
    if (band && button == MouseButton::kLeft) {
      SelectInBand(form, *released, *band);
    } else {
      PanelRelease(form, *released, button, local);
    }
  } else if (IsMenuPart(*released)) {
    ScreenReleaseHandler(form, *released, shift);
  }
  return button == MouseButton::kRight && target.Get() && target.Get() != &form.Client();
}

TChildFrm* Designer::CancelMouseAction() {
  if (!mouse_step_) return nullptr;
  TChildFrm* window = mouse_step_->Form();
  for (const WeakRef<TChildFrm>& bound : bound_) {
    TChildFrm* form = bound.Get();
    if (!form || !form->MouseCapture()) continue;
    form->Snap().CancelDrag();
    form->SnapDialog().CancelDrag();
    form->SetMouseCapture(nullptr);
    form->SetCursor(CursorShape::kArrow);
  }
  band_.reset();
  shift_press_.Reset();
  group_press_.Reset();
  release_cancelled_ = true;
  mouse_step_->Rollback();
  mouse_step_.reset();
  if (window) window->MarkPictureDirty();
  return window;
}

std::optional<Rect> Designer::BandRect(const TChildFrm& form) const {
  if (!band_ || band_->form.Get() != &form || !band_->panel || band_->start == band_->end)
    return std::nullopt;
  return Rect{std::min(band_->start.x, band_->end.x), std::min(band_->start.y, band_->end.y),
              std::max(band_->start.x, band_->end.x) + 1,
              std::max(band_->start.y, band_->end.y) + 1};
}

void Designer::StartBand(TChildFrm& form, TControl& panel, Point client_point) {
  band_ = Band{WeakRef<TChildFrm>(&form), WeakRef<TControl>(&panel), client_point, client_point};
}

void Designer::SelectInBand(TChildFrm& form, TControl& panel, const Rect& client_rect) {
  CursorKeysOn(state_);
  Point origin = OriginInClient(form, panel);
  Rect area{client_rect.left - origin.x, client_rect.top - origin.y, client_rect.right - origin.x,
            client_rect.bottom - origin.y};
  std::vector<TControl*> touched = ControlsTouching(panel, area);
  if (touched.empty()) {
    if (&panel == &form.Screen()) {
      ShowFormProperties(form);
    } else {
      ShowSelection(form, false);
    }
    return;
  }
  std::vector<WeakRef<TControl>> marks(touched.begin(), touched.end());
  form.SetLastSelected(touched.front());
  Inspect(form, *touched.front());
  hub_.Inspector().SelectChooserEntry(*touched.front());
  ShowSelection(form, false);
  for (std::size_t i = 1; i < marks.size(); ++i)
    if (TControl* control = marks[i].Get()) MarkControl(*control, true);
  if (TControl* current = state_.current_control.Get()) hub_.FocusControl(*current);
  form.MarkPictureDirty();
}

void Designer::TitleBarPressed(TChildFrm& form) { Activate(form); }

void Designer::ScreenPress(TChildFrm& form) {
  form.SetLastSelected(&form.Client());
  hub_.ResumeZoom();
  Activate(form);
}

void Designer::PanelRelease(TChildFrm& form, TControl& panel, MouseButton button, Point local) {
  CursorKeysOn(state_);
  if (button != MouseButton::kLeft) return;
  if (form.Screen().GridVisible()) {
    int grid = form.Snap().GridSize();
    local = {TSnapToGrid::RoundToGrid(local.x, grid), TSnapToGrid::RoundToGrid(local.y, grid)};
  }
  if (PlaceControl(form, local.x, local.y, panel)) {
    RefreshChooser(form);
    return;
  }
  if (&panel == &form.Screen()) {
    ShowFormProperties(form);
  } else {
    ShowSelection(form, false);
  }
}

bool Designer::KeepsSelection(const TChildFrm& form, const TControl& sender,
                              ShiftState shift) const {
  if (!IsPlainRightClick(shift) || !sender.Selected()) return false;
  const TControl* current = state_.current_control.Get();
  return state_.current_window.Get() == &form && current && current->Owner() == &form.Document();
}

bool Designer::GroupPress(const TChildFrm& form, const TControl& sender, ShiftState shift) const {
  if ((shift & (kSsShift | kSsLeft | kSsRight | kSsMiddle)) != kSsLeft || !sender.Selected())
    return false;
  return state_.current_window.Get() == &form && !MarkedSiblings(sender).empty();
}

void Designer::SelectionHandler(TChildFrm& form, TControl& sender, ShiftState shift) {
  CursorKeysOn(state_);
  hub_.Inspector().HideEditors();
  // Shift on a marked control still drags it (with the rest of the selection); only a Shift
  // click, released without a move, takes its mark away.
  if (shift == (kSsShift | kSsLeft) && sender.Selected() && state_.current_window.Get() == &form &&
      IsMarkable(form, sender))
    shift_press_.Reset(&sender);
  // The context menu acts on the current control and the marks. A right-click on a marked
  // control keeps both, so that the layout commands reach the whole selection; any other
  // right-click selects what it points at, as a left click does, so that Delete never hits a
  // control the user did not point at.
  if (GroupPress(form, sender, shift)) {
    // A press on one of several marked controls keeps them all, for a drag of the group; the
    // control pressed becomes current and first.
    form.SetLastSelected(&sender);
    Activate(form);
    Inspect(form, sender);
    MakePrimaryMark(sender);
    group_press_.Reset(&sender);
  } else if (!KeepsSelection(form, sender, shift)) {
    form.SetLastSelected(&sender);
    Activate(form);
    Inspect(form, sender);
    ShowSelection(form, shift == (kSsShift | kSsLeft));
  }
  if (TControl* current = state_.current_control.Get()) hub_.FocusControl(*current);
}

void Designer::Unmark(TChildFrm& form, TControl& control) {
  control.SetSelected(false);
  std::vector<TControl*> rest = MarkedSiblings(control);
  if (rest.empty()) {
    form.SetLastSelected(&form.Client());
    ShowFormProperties(form);
    return;
  }
  TControl& next = *rest.front();
  form.SetLastSelected(&next);
  Inspect(form, next);
  hub_.Inspector().SelectChooserEntry(next);
  MakePrimaryMark(next);
  hub_.FocusControl(next);
}

void Designer::ScreenReleaseHandler(TChildFrm& form, TControl& sender, ShiftState shift) {
  WeakRef<TControl> keep(&sender);
  if (IsMenuPart(sender)) {
    // Menus take no marks: a click of either button makes one the current control alone.
    form.SetLastSelected(&sender);
    Activate(form);
    ClearAllMarks(form);
  }
  if (keep) ReleaseHandler(form, sender, shift, form.Snap().DragResized(), form.Snap().DragMoved());
  form.MarkPictureDirty();
}

void Designer::DialogReleaseHandler(TChildFrm& form, TControl& sender, ShiftState shift) {
  ReleaseHandler(form, sender, shift, form.SnapDialog().DragResized(),
                 form.SnapDialog().DragMoved());
}

void Designer::ReleaseHandler(TChildFrm& form, TControl& sender, ShiftState shift, bool resized,
                              bool moved) {
  hub_.Inspector().HideEditors();
  if (shift_press_.Get() == &sender && !moved && !resized) {
    Unmark(form, sender);
    return;
  }
  if (group_press_.Get() == &sender && !moved && !resized) {
    // A click without a drag on one of several marked controls selects it alone.
    Inspect(form, sender);
    ShowSelection(form, false);
    return;
  }
  if (resized) {
    SnapRowsAfterResize(sender);
    HoldImageSize(sender, ui_);
  }
  // After a right-click that kept the selection the current control stays as it was.
  if (!IsPlainRightClick(shift) || state_.current_control.Get() == &sender) Inspect(form, sender);
}

void Designer::SnapRowsAfterResize(TControl& control) {
  auto rows = [](int height, int row_height) {
    return NearestDiv(height, row_height > 0 ? row_height : kStandardRowHeight);
  };
  if (auto* list_box = As<TCCListBox>(&control)) {
    list_box->SetVisibleItems(rows(list_box->Height(), kStandardRowHeight));
  } else if (auto* table = As<TCCTable>(&control)) {
    table->SetVisibleRows(rows(table->Height(), kStandardRowHeight));
  } else if (auto* pop_up = As<TCCPopUp>(&control)) {
    pop_up->SetVisibleItems(rows(pop_up->Height() - kPopUpFrame, hub_.TextHeight(control)));
  } else if (auto* list = As<TPTList>(&control)) {
    list->SetMaxItems(rows(list->Height(), hub_.TextHeight(control)));
  }
}

}  // namespace qb
