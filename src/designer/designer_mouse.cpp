// Mouse input: routing from the view to the movers and the panels, and the handlers.

#include "controls/CCListBox.h"
#include "controls/CCPopUp.h"
#include "controls/CCTable.h"
#include "controls/PTList.h"
#include "designer/designer.h"
#include "designer/hit_test.h"
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
  if (&target == &form.Screen()) {
    ScreenPress(form);
    return;
  }
  if (!form.Snap().MouseDown(target, button, shift, local, point))
    form.SnapDialog().MouseDown(target, button, shift, local, point);
}

void Designer::MouseMove(TChildFrm& form, ShiftState shift, Point point) {
  Bind(form);
  TControl* captured = form.MouseCapture();
  TControl& target = captured ? *captured : HitTest(form, point);
  Point local = ToLocal(form, target, point);
  if (form.Snap().MouseMove(target, shift, local, point)) {
    form.SetCursor(form.Snap().Cursor());
  } else if (form.SnapDialog().MouseMove(target, shift, local, point)) {
    form.SetCursor(form.SnapDialog().Cursor());
  } else {
    form.SetCursor(CursorShape::kArrow);
  }
}

bool Designer::MouseUp(TChildFrm& form, MouseButton button, ShiftState shift, Point point) {
  Bind(form);
  struct EndStep {
    std::optional<EditTransaction>& step;
    ~EndStep() { step.reset(); }
  } end_step{mouse_step_};
  TControl* captured = form.MouseCapture();
  form.SetMouseCapture(nullptr);
  WeakRef<TControl> target(captured ? captured : &HitTest(form, point));
  Point local = ToLocal(form, *target.Get(), point);
  if (!form.Snap().MouseUp(*target.Get(), button, shift, local, point))
    form.SnapDialog().MouseUp(*target.Get(), button, shift, local, point);
  // The movers run first; then the control released on does its own handling.
  TControl* released = target.Get();
  if (!released) return false;
  if (PlacesOnRelease(form, *released)) {
    PanelRelease(form, *released, button, local);
  } else if (IsMenuPart(*released)) {
    ScreenReleaseHandler(form, *released, shift);
  }
  return button == MouseButton::kRight && target.Get() && target.Get() != &form.Client();
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
  return state_.current_window.Get() == &form && current && current->Owner() == &form;
}

void Designer::SelectionHandler(TChildFrm& form, TControl& sender, ShiftState shift) {
  CursorKeysOn(state_);
  hub_.HideInlineEditors();
  // The context menu acts on the current control and the marks. A right-click on a marked
  // control keeps both, so that the layout commands reach the whole selection; any other
  // right-click selects what it points at, as a left click does, so that Delete never hits a
  // control the user did not point at.
  if (!KeepsSelection(form, sender, shift)) {
    form.SetLastSelected(&sender);
    Activate(form);
    Inspect(form, sender);
    ShowSelection(form, shift == (kSsShift | kSsLeft));
  }
  if (TControl* current = state_.current_control.Get()) hub_.FocusControl(*current);
}

void Designer::ScreenReleaseHandler(TChildFrm& form, TControl& sender, ShiftState shift) {
  WeakRef<TControl> keep(&sender);
  if (IsMenuPart(sender)) {
    // Menus take no marks: a click of either button makes one the current control alone.
    form.SetLastSelected(&sender);
    Activate(form);
    ClearAllMarks(form);
  }
  if (keep) ReleaseHandler(form, sender, shift, form.Snap().DragResized());
  form.MarkPictureDirty();
}

void Designer::DialogReleaseHandler(TChildFrm& form, TControl& sender, ShiftState shift) {
  ReleaseHandler(form, sender, shift, form.SnapDialog().DragResized());
}

void Designer::ReleaseHandler(TChildFrm& form, TControl& sender, ShiftState shift, bool resized) {
  hub_.HideInlineEditors();
  if (resized) SnapRowsAfterResize(sender);
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
