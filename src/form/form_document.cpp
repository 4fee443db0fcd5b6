#include "form/form_document.h"

#include <cstdlib>
#include <cstring>

#include "controls/PTDialog.h"
#include "model/kinds.h"
#include "model/text_util.h"

namespace qb {

FormDocument::FormDocument(DocumentObserver* observer)
    : observer_(observer), client_(std::make_unique<TDesignerClient>(this)) {
  client_->SetName("ChildFrm");
  auto screen = std::make_unique<TCCForm>(this);
  screen->SetBounds(kScreenLeft, kScreenTop, 160, 160);
  screen_ = static_cast<TCCForm*>(client_->AddChild(std::move(screen)));
}

// The client goes first so that no control outlives the document it reports to.
FormDocument::~FormDocument() {
  observer_ = nullptr;
  client_.reset();
}

void FormDocument::SetName(const std::string& name) {
  if (name == name_) return;
  DesignChanging();
  ++change_count_;
  name_ = name;
}

namespace {

void Collect(const TControl& parent, std::vector<TControl*>* out) {
  for (const auto& child : parent.Children()) {
    out->push_back(child.get());
    Collect(*child, out);
  }
}

}  // namespace

std::vector<TControl*> FormDocument::AllControls() const {
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

TControl* FormDocument::FindControl(const std::string& name) const {
  for (TControl* c : AllControls())
    if (SameText(c->Name(), name)) return c;
  return nullptr;
}

const std::vector<std::string>& FormDocument::FixedPartNames() {
  static const std::vector<std::string> kNames = {"imgPalm",     "panScreen", "popMenu",
                                                  "sthControls", "snap",      "snapDialog"};
  return kNames;
}

std::string ControlListText(const std::string& name, const std::string& kind) {
  return name + ": " + kind;
}

void FormDocument::AppendToControlList(TControl& control, const std::string& kind) {
  control_list_.push_back({ControlListText(control.Name(), kind), WeakRef<TControl>(&control)});
}

std::vector<ControlListEntry> FormDocument::OrderedControlList(LibraryId lib) const {
  std::vector<ControlListEntry> list;
  auto add = [&](TControl& c) {
    const KindInfo* kind = KindForClass(lib, c.Class(), c.Tag());
    if (kind) list.push_back({ControlListText(c.Name(), kind->kind), WeakRef<TControl>(&c)});
  };
  for (const auto& child : screen_->Children()) {
    if (child->Class() == ControlClass::kPTDialog)
      for (const auto& inner : child->Children()) add(*inner);
    add(*child);
  }
  list.push_back({ControlListText(name_, "Form"), WeakRef<TControl>(client_.get())});
  if (lib == LibraryId::kCControls) {
    for (const auto& child : client_->Children())
      if (child->Class() == ControlClass::kCCMenuBar || child->Class() == ControlClass::kCCMenu)
        add(*child);
  }
  return list;
}

void FormDocument::ControlChanged(TControl& control) {
  PictureChanged();
  if (view_depth_ > 0) return;
  DesignChanging(&control);
  ++change_count_;
}

void FormDocument::ViewChanged(TControl&) { PictureChanged(); }

// The size change itself was counted by ControlChanged.
void FormDocument::ControlResized(TControl& control) {
  PictureChanged();
  if (observer_) observer_->DocumentControlResized(control);
}

void FormDocument::StartRecording() {
  undo_.Clear();
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

void FormDocument::DesignChanging(const TControl* control) const {
  if (!recording_ || edit_depth_ > 0 || !ChangeCheckOn()) return;
  throw ChangeOutsideEdit("a change of form " + name_ +
                          (control ? " (" + control->Name() + ")" : std::string()) +
                          " outside an edit");
}

}  // namespace qb
