#include "form/ChildFor.h"

#include <cstdlib>
#include <cstring>

#include "model/kinds.h"
#include "model/text_util.h"

namespace qb {

TChildFrm::TChildFrm() : client_(std::make_unique<TDesignerClient>(this)) {
  client_->SetName("ChildFrm");
  auto screen = std::make_unique<TCCForm>(this);
  screen->SetBounds(kScreenLeft, kScreenTop, 160, 160);
  screen_ = static_cast<TCCForm*>(client_->AddChild(std::move(screen)));
  snap_.SetSnapToGridWindow(screen_);
}

// The client goes first so that no control outlives the window it reports to.
TChildFrm::~TChildFrm() { client_.reset(); }

namespace {

void Collect(const TControl& parent, std::vector<TControl*>* out) {
  for (const auto& child : parent.Children()) {
    out->push_back(child.get());
    Collect(*child, out);
  }
}

}  // namespace

std::vector<TControl*> TChildFrm::AllControls() const {
  std::vector<TControl*> out;
  for (const auto& child : client_->Children()) {
    if (child.get() == screen_) {
      Collect(*screen_, &out);
    } else {
      out.push_back(child.get());
      Collect(*child, &out);
    }
  }
  return out;
}

TControl* TChildFrm::FindControl(const std::string& name) const {
  for (TControl* c : AllControls())
    if (SameText(c->Name(), name)) return c;
  return nullptr;
}

const std::vector<std::string>& TChildFrm::FixedPartNames() {
  static const std::vector<std::string> kNames = {"imgPalm",     "panScreen", "popMenu",
                                                  "sthControls", "snap",      "snapDialog"};
  return kNames;
}

std::string ControlListText(const std::string& name, const std::string& kind) {
  return name + ": " + kind;
}

void TChildFrm::AppendToControlList(TControl& control, const std::string& kind) {
  control_list_.push_back({ControlListText(control.Name(), kind), WeakRef<TControl>(&control)});
}

void TChildFrm::RebuildControlList(LibraryId lib) {
  control_list_.clear();
  auto add = [&](TControl& c) {
    const KindInfo* kind = KindForClass(lib, c.Class(), c.Tag());
    if (kind) AppendToControlList(c, kind->kind);
  };
  for (const auto& child : screen_->Children()) {
    if (child->Class() == ControlClass::kPTDialog)
      for (const auto& inner : child->Children()) add(*inner);
    add(*child);
  }
  control_list_.push_back({ControlListText(name_, "Form"), WeakRef<TControl>(client_.get())});
  if (lib == LibraryId::kCControls) {
    for (const auto& child : client_->Children())
      if (child->Class() == ControlClass::kCCMenuBar || child->Class() == ControlClass::kCCMenu)
        add(*child);
  }
}

void TChildFrm::SetShownDialog(TPTDialog* dialog) {
  shown_dialog_.Reset(dialog);
  snap_dialog_.SetSnapToGridWindow(dialog);
  MarkPictureDirty();
}

void TChildFrm::ApplyGridOption(bool on) {
  ViewScope view(*this);
  MarkPictureDirty();
  screen_->SetGridVisible(on ? 1 : 0);
  if (on) screen_->SetGridSpace(kGridSpaceOn);
  snap_.SetGridSize(on ? kGridSizeOn : 1);
  snap_dialog_.SetGridSize(on ? kGridSizeOn : 1);
  for (const auto& child : screen_->Children()) {
    auto* dialog = As<TPTDialog>(child.get());
    if (!dialog) continue;
    dialog->SetGridVisible(on ? 1 : 0);
    if (on) dialog->SetGridSpace(kGridSpaceOn);
  }
}

void TChildFrm::ControlChanged(TControl& control) {
  MarkPictureDirty();
  if (view_depth_ > 0) return;
  DesignChanging(&control);
  ++change_count_;
}

void TChildFrm::ViewChanged(TControl&) { MarkPictureDirty(); }

// The size change itself was counted by ControlChanged.
void TChildFrm::ControlResized(TControl& control) {
  MarkPictureDirty();
  if (listener_) listener_->FormControlResized(*this, control);
}

void TChildFrm::StartRecording() {
  undo_.Clear(*this);
  recording_ = true;
}

namespace {

bool CheckFromEnvironment() {
#ifndef NDEBUG
  return true;
#else
  const char* value = std::getenv("QB_CHANGE_CHECK");
  return value && std::strcmp(value, "1") == 0;
#endif
}

bool& ChangeCheckFlag() {
  static bool on = CheckFromEnvironment();
  return on;
}

}  // namespace

bool ChangeCheckOn() { return ChangeCheckFlag(); }
void SetChangeCheck(bool on) { ChangeCheckFlag() = on; }

void TChildFrm::DesignChanging(const TControl* control) const {
  if (!recording_ || edit_depth_ > 0 || !ChangeCheckOn()) return;
  throw ChangeOutsideEdit("a change of form " + name_ +
                          (control ? " (" + control->Name() + ")" : std::string()) +
                          " outside an edit");
}

}  // namespace qb
