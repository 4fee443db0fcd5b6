#include "designer/designer.h"

#include "designer/selection.h"

namespace qb {

const char* DuplicateNameMessage(LibraryId lib) {
  return lib == LibraryId::kCControls ? kDuplicateNameCControls : kDuplicateNamePToolbox;
}

Designer::Designer(AppState& state, Ui& ui, DesignerLinks& links)
    : state_(state), ui_(ui), links_(links) {}

Designer::~Designer() {
  for (const auto& ref : bound_) {
    TChildFrm* window = ref.Get();
    if (!window || window->Listener() != this) continue;
    window->SetListener(nullptr);
    for (TSnapToGrid* mover : {&window->Snap(), &window->SnapDialog()}) {
      mover->OnMouseDown = nullptr;
      mover->OnMouseUp = nullptr;
      mover->OnMouseMove = nullptr;
    }
  }
}

TChildFrm& Designer::AddWindow() {
  auto window = std::make_unique<TChildFrm>();
  TChildFrm& form = *window;
  Bind(form);
  if (state_.grid_option) form.ApplyGridOption(true);
  state_.windows.push_back(std::move(window));
  return form;
}

void Designer::Bind(TChildFrm& form) {
  if (form.Listener() == this) return;
  form.SetListener(this);
  WireMovers(form);
  std::erase_if(bound_, [](const WeakRef<TChildFrm>& ref) { return !ref; });
  bound_.emplace_back(&form);
}

void Designer::WireMovers(TChildFrm& form) {
  auto press = [this, &form](TControl& sender, MouseButton, ShiftState shift, int, int) {
    SelectionHandler(form, sender, shift);
  };
  auto move = [this, &form](TControl&, ShiftState, int, int) {
    links_.CloseChooserList();
    form.MarkPictureDirty();
  };
  form.Snap().OnMouseDown = press;
  form.SnapDialog().OnMouseDown = press;
  form.Snap().OnMouseMove = move;
  form.SnapDialog().OnMouseMove = move;
  form.Snap().OnMouseUp = [this, &form](TControl& sender, MouseButton, ShiftState shift, int, int) {
    ScreenReleaseHandler(form, sender, shift);
  };
  form.SnapDialog().OnMouseUp = [this, &form](TControl& sender, MouseButton, ShiftState shift, int,
                                              int) { DialogReleaseHandler(form, sender, shift); };
}

void Designer::ShowWindow(TChildFrm& form) {
  Bind(form);
  if (!links_.InspectorVisible()) links_.ToggleInspector();
  int top = links_.ToolbarAreaHeight() + kWindowGap;
  if (form.WindowLeft() == 0 && form.WindowTop() == 0)
    form.SetWindowPos(links_.InspectorWidth() + kWindowGap, top);
  else if (form.WindowTop() == 0)
    form.SetWindowPos(form.WindowLeft(), top);
  form.SetVisible(true);
}

namespace {

bool Listed(const TChildFrm& form, const TControl& object) {
  for (const auto& entry : form.ControlList())
    if (entry.control.Get() == &object) return true;
  return false;
}

}  // namespace

void Designer::Activate(TChildFrm& form) {
  Bind(form);
  for (const auto& window : state_.windows) window->SetActive(window.get() == &form);
  form.SetActive(true);
  state_.current_window.Reset(&form);
  NoteWindowActivated(state_, form);
  links_.RaiseWindow(form);
  links_.ResumeZoom();
  form.RebuildControlList(state_.library);
  links_.LoadChooser(form);
  if (!form.LastSelected()) form.SetLastSelected(&form.Client());
  TControl& last = *form.LastSelected();
  if (!Listed(form, last)) {
    ShowFormProperties(form);
    return;
  }
  Inspect(form, last);
  links_.SelectChooserEntry(last);
}

void Designer::ShowFormProperties(TChildFrm& form) {
  state_.current_control.Reset(&form.Client());
  links_.ShowFormRows(form);
  links_.SelectChooserEntry(form.Client());
  ClearAllMarks(form);
  links_.FocusWindow(form);
}

void Designer::Inspect(TChildFrm& form, TControl& object) {
  state_.current_control.Reset(&object);
  links_.FillInspector(form, object);
}

namespace {

void ClearAllBut(TControl& parent, const TControl* keep) {
  for (const auto& child : parent.Children()) {
    if (child.get() != keep && child->Selected()) child->SetSelected(false);
    if (child->Class() == ControlClass::kPTDialog) ClearAllBut(*child, keep);
  }
}

}  // namespace

void Designer::ShowSelection(TChildFrm& form, bool add) {
  TControl* current = state_.current_control.Get();
  if (current && current->Owner() != &form) current = nullptr;
  bool markable = current && IsMarkable(form, *current);
  if (!add) {
    // Everything else loses its mark; the current control keeps it only in the first colour,
    // so that a control marked already is not repainted for nothing.
    ClearAllBut(form.Screen(), markable ? current : nullptr);
    for (const auto& child : form.Client().Children())
      if (child.get() != &form.Screen() && child->Selected()) child->SetSelected(false);
    if (markable && current->Selected() && current->Class() != ControlClass::kPTDialog &&
        current->SelectColor() != MarkColor(*current, false))
      current->SetSelected(false);
  }
  if (markable && !current->Selected()) MarkControl(*current, add);
  if (current) form.SetLastSelected(current);
}

void Designer::RefreshChooser(TChildFrm& form) {
  form.RebuildControlList(state_.library);
  links_.LoadChooser(form);
  if (TControl* current = state_.current_control.Get()) links_.SelectChooserEntry(*current);
  ShowSelection(form, false);
}

void Designer::FormControlResized(TChildFrm& form, TControl&) { ShowSelection(form, false); }

void Designer::RunPopCommand(TChildFrm& form, PopCommand command) {
  if (const PopMenuEntry* entry = FindPopEntry(command)) links_.RunPopCommand(form, *entry);
}

}  // namespace qb
