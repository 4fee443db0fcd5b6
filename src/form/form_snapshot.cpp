#include "form/form_snapshot.h"

#include <memory>
#include <unordered_map>

#include "controls/PTDialog.h"
#include "controls/factory.h"
#include "form/ChildFor.h"
#include "form/app_state.h"

namespace qb {

const ControlRecord* FormSnapshot::Find(const std::string& name) const {
  for (const ControlRecord& r : controls)
    if (r.name == name) return &r;
  return nullptr;
}

namespace {

class Recorder {
 public:
  Recorder(const TChildFrm& form, FormSnapshot& out) : form_(form), out_(out) {}

  void Record() {
    for (const auto& child : form_.Screen().Children()) Add(*child, FormSnapshot::kOnScreen);
    for (const auto& child : form_.Client().Children())
      if (child.get() != &form_.Screen()) Add(*child, FormSnapshot::kOnClient);
    // PalmForm may name a panel recorded later than the control that refers to it.
    for (std::size_t i = 0; i < out_.controls.size(); ++i)
      out_.controls[i].palm_form = IndexOf(palm_forms_[i]);
  }

  int IndexOf(const TControl* c) const {
    if (!c) return FormSnapshot::kNoPanel;
    if (c == &form_.Screen()) return FormSnapshot::kOnScreen;
    if (c == &form_.Client()) return FormSnapshot::kForm;
    auto it = index_.find(c);
    return it == index_.end() ? FormSnapshot::kNoPanel : it->second;
  }

 private:
  void Add(const TControl& c, int parent) {
    ControlRecord r;
    r.cls = c.Class();
    r.name = c.Name();
    r.parent = parent;
    r.visible = c.Visible();
    r.selected = c.Selected();
    r.resize_notification = c.ResizeNotification();
    r.values = CaptureControlValues(c);
    const int index = static_cast<int>(out_.controls.size());
    index_.emplace(&c, index);
    out_.controls.push_back(std::move(r));
    palm_forms_.push_back(c.PalmForm());
    for (const auto& child : c.Children()) Add(*child, index);
  }

  const TChildFrm& form_;
  FormSnapshot& out_;
  std::unordered_map<const TControl*, int> index_;
  std::vector<const TControl*> palm_forms_;
};

}  // namespace

FormSnapshot TakeFormSnapshot(const AppState& state, const TChildFrm& form) {
  FormSnapshot s;
  s.form_name = form.Name();
  s.screen = CaptureControlValues(form.Screen());
  s.screen_selected = form.Screen().Selected();
  s.controls.reserve(form.Screen().Children().size() + form.Client().Children().size());
  Recorder recorder(form, s);
  recorder.Record();
  s.shown_dialog = recorder.IndexOf(form.ShownDialog());
  for (const ControlListEntry& entry : form.ControlList()) {
    const TControl* c = entry.control.Get();
    if (!c) continue;
    s.control_list.push_back(recorder.IndexOf(c));
    s.control_list_texts.push_back(entry.text);
  }
  s.was_current_window = state.current_window.Get() == &form;
  if (s.was_current_window) s.current_control = recorder.IndexOf(state.current_control.Get());
  s.last_selected = recorder.IndexOf(form.LastSelected());
  return s;
}

bool SameDesign(const FormSnapshot& a, const FormSnapshot& b) {
  // The control list follows the controls; its order is the chooser's.
  if (a.form_name != b.form_name || a.controls.size() != b.controls.size() ||
      !SameDesignValues(ControlClass::kCCForm, a.screen, b.screen))
    return false;
  for (std::size_t i = 0; i < a.controls.size(); ++i) {
    const ControlRecord& x = a.controls[i];
    const ControlRecord& y = b.controls[i];
    if (x.cls != y.cls || x.name != y.name || x.parent != y.parent || x.palm_form != y.palm_form ||
        !SameDesignValues(x.cls, x.values, y.values))
      return false;
    // A menu or the menu bar shows and hides with its Test, a dialog when it is shown.
    const bool shown_by_test = x.cls == ControlClass::kCCMenu ||
                               x.cls == ControlClass::kCCMenuBar ||
                               x.cls == ControlClass::kPTDialog;
    if (x.visible != y.visible && !shown_by_test) return false;
  }
  return true;
}

void RestoreFormSnapshot(AppState& state, TChildFrm& form, const FormSnapshot& s) {
  form.SetMouseCapture(nullptr);
  form.SetShownDialog(nullptr);
  TCCForm& screen = form.Screen();
  TDesignerClient& client = form.Client();
  // Everything but the screen panel goes; the panel itself is set back in place. Taken from
  // the front, where RemoveChild finds a child at once.
  while (!screen.Children().empty()) screen.RemoveChild(screen.Children().front().get());
  for (std::size_t i = client.Children().size(); i-- > 0;)
    if (client.Children()[i].get() != &screen) client.RemoveChild(client.Children()[i].get());

  form.SetName(s.form_name);
  ApplyControlValues(s.screen, screen);
  screen.SetSelected(s.screen_selected);

  std::vector<TControl*> made(s.controls.size(), nullptr);
  auto at = [&](int index) -> TControl* {
    switch (index) {
      case FormSnapshot::kOnScreen:
        return &screen;
      case FormSnapshot::kOnClient:
      case FormSnapshot::kForm:
        return &client;
      default:
        return index >= 0 && static_cast<std::size_t>(index) < made.size()
                   ? made[static_cast<std::size_t>(index)]
                   : nullptr;
    }
  };
  for (std::size_t i = 0; i < s.controls.size(); ++i) {
    const ControlRecord& r = s.controls[i];
    std::unique_ptr<TControl> c = CreateControl(r.cls, &form.Document());
    TControl* parent = at(r.parent);
    if (!c || !parent) continue;
    c->SetName(r.name);
    ApplyControlValues(r.values, *c);
    c->SetVisible(r.visible);
    c->SetSelected(r.selected);
    c->SetResizeNotification(r.resize_notification);
    made[i] = parent->AddChild(std::move(c));
  }
  for (std::size_t i = 0; i < s.controls.size(); ++i)
    if (made[i]) made[i]->SetPalmForm(at(s.controls[i].palm_form));

  form.SetShownDialog(As<TPTDialog>(at(s.shown_dialog)));
  form.RebuildControlList(state.library);
  // The list keeps the order it had (placement appends), not the rebuilt one.
  if (s.control_list.size() == form.ControlList().size()) {
    std::vector<ControlListEntry> list;
    for (std::size_t i = 0; i < s.control_list.size(); ++i)
      if (TControl* c = at(s.control_list[i]))
        list.push_back({s.control_list_texts[i], WeakRef<TControl>(c)});
    if (list.size() == s.control_list.size()) form.SetControlList(std::move(list));
  }
  form.SetLastSelected(at(s.last_selected));
  if (state.current_window.Get() == &form) {
    TControl* current = s.was_current_window ? at(s.current_control) : nullptr;
    state.current_control.Reset(current ? current : &client);
  }
  form.ApplyGridOption(state.grid_option);
  form.MarkPictureDirty();
}

}  // namespace qb
