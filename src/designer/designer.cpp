#include "designer/designer.h"

#include "designer/layout_commands.h"
#include "designer/selection.h"

namespace qb {

const char* DuplicateNameMessage(LibraryId lib) {
  return lib == LibraryId::kCControls ? kDuplicateNameCControls : kDuplicateNamePToolbox;
}

Designer::Designer(AppState& state, Ui& ui, Hub& hub) : state_(state), ui_(ui), hub_(hub) {}

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
    hub_.Inspector().CloseChooserList();
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
  if (!hub_.InspectorVisible()) hub_.ToggleInspector();
  int top = hub_.ToolbarAreaHeight() + kWindowGap;
  if (form.WindowLeft() == 0 && form.WindowTop() == 0)
    form.SetWindowPos(hub_.InspectorWidth() + kWindowGap, top);
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
  hub_.RaiseWindow(form);
  hub_.ResumeZoom();
  form.RebuildControlList(state_.library);
  hub_.Inspector().LoadChooser(form);
  if (!form.LastSelected()) form.SetLastSelected(&form.Client());
  TControl& last = *form.LastSelected();
  if (!Listed(form, last)) {
    ShowFormProperties(form);
    return;
  }
  Inspect(form, last);
  hub_.Inspector().SelectChooserEntry(last);
}

void Designer::ShowFormProperties(TChildFrm& form) {
  state_.current_control.Reset(&form.Client());
  hub_.Inspector().ShowFormRows(form);
  hub_.Inspector().SelectChooserEntry(form.Client());
  ClearAllMarks(form);
  hub_.FocusWindow(form);
}

void Designer::Inspect(TChildFrm& form, TControl& object) {
  state_.current_control.Reset(&object);
  hub_.Inspector().Fill(form, object);
}

void Designer::ShowSelection(TChildFrm& form, bool add) { qb::ShowSelection(state_, form, add); }

void Designer::RefreshChooser(TChildFrm& form) {
  form.RebuildControlList(state_.library);
  hub_.Inspector().LoadChooser(form);
  if (TControl* current = state_.current_control.Get())
    hub_.Inspector().SelectChooserEntry(*current);
  ShowSelection(form, false);
}

void Designer::FormControlResized(TChildFrm& form, TControl&) {
  if (!key_resizing_) ShowSelection(form, false);
}

std::string PositionReadout(const TControl& control) {
  return "x " + std::to_string(control.UserLeft()) + " y " + std::to_string(control.UserTop()) +
         " w " + std::to_string(control.UserWidth()) + " h " + std::to_string(control.UserHeight());
}

void Designer::RunPopCommand(TChildFrm& form, PopCommand command) {
  const PopMenuEntry* entry = FindPopEntry(command);
  if (!entry) return;
  // A layout command over many controls is one step; Delete is named after what went.
  std::string name;
  if (command != PopCommand::kDelete)
    for (const char* c = entry->caption; *c; ++c)
      if (*c != '&') name += *c;
  EditTransaction edit(state_, &form, name);
  RunLayoutCommand(*this, ui_, form, command);
}

}  // namespace qb
