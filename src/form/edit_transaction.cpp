#include "form/edit_transaction.h"

#include <unordered_set>

namespace qb {

EditTransaction::EditTransaction(AppState& state, TChildFrm* form, std::string name,
                                 std::string merge_key)
    : state_(state), name_(std::move(name)), merge_key_(std::move(merge_key)) {
  if (form) {
    edited_.Reset(form);
    form->BeginEdit();
  }
  if (!state_.record_steps) return;
  if (state_.open_transaction) {
    outer_ = state_.open_transaction;
    // The outermost transaction records the step; a joined one may name it.
    if (outer_->name_.empty()) outer_->name_ = name_;
    return;
  }
  state_.open_transaction = this;
  open_ = true;
  if (!form) return;
  form_.Reset(form);
  start_count_ = form->ChangeCount();
  if (!form->Undo().WouldMerge(merge_key_)) before_ = TakeFormSnapshot(state_, *form);
}

EditTransaction::~EditTransaction() {
  try {
    Commit();
  } catch (...) {
    // A step that cannot be recorded is lost; the edit itself stands.
  }
  if (TChildFrm* form = edited_.Get()) form->EndEdit();
}

void EditTransaction::SetName(const std::string& name) {
  if (outer_) {
    if (outer_->name_.empty()) outer_->name_ = name;
    return;
  }
  name_ = name;
}

void EditTransaction::Commit() {
  if (!open_) return;
  open_ = false;
  if (state_.open_transaction == this) state_.open_transaction = nullptr;
  TChildFrm* form = form_.Get();
  if (!form || form->ChangeCount() == start_count_) return;
  UndoStack& stack = form->Undo();
  if (!before_) {
    stack.MergeIntoTop(name_);
    return;
  }
  // Setters that were given the value the control had, and view state, change nothing.
  if (SameDesign(*before_, TakeFormSnapshot(state_, *form))) {
    before_.reset();
    return;
  }
  std::string name = name_.empty() ? DescribeStep(state_, *form, *before_) : name_;
  stack.Push({std::move(name), merge_key_, std::move(*before_), std::nullopt});
  before_.reset();
}

bool EditTransaction::Rollback() {
  if (!open_) return false;
  TChildFrm* form = form_.Get();
  if (!form || !before_) {
    Commit();
    return false;
  }
  open_ = false;
  if (state_.open_transaction == this) state_.open_transaction = nullptr;
  RestoreFormSnapshot(state_, *form, *before_);
  before_.reset();
  return true;
}

std::string DescribeStep(const AppState& state, const TChildFrm& form, const FormSnapshot& before) {
  const std::vector<TControl*> now = form.AllControls();
  if (now.size() != before.ControlCount()) {
    std::unordered_set<std::string> had;
    for (const ControlRecord& r : before.controls) had.insert(r.name);
    if (now.size() > before.ControlCount()) {
      for (const TControl* c : now)
        if (!had.count(c->Name())) return "Place " + c->Name();
      return "Place";
    }
    std::unordered_set<std::string> has;
    for (const TControl* c : now) has.insert(c->Name());
    for (const ControlRecord& r : before.controls)
      if (!has.count(r.name)) return "Delete " + r.name;
    return "Delete";
  }
  const TControl* current =
      state.current_window.Get() == &form ? state.current_control.Get() : nullptr;
  if (!current || current == &form.Client()) return "Change " + form.Name();
  const ControlRecord* was = before.Find(current->Name());
  if (!was) return "Rename " + current->Name();
  const ControlValues& v = was->values;
  if (v.Width() != current->Width() || v.Height() != current->Height())
    return "Resize " + current->Name();
  if (v.Left() != current->Left() || v.Top() != current->Top()) return "Move " + current->Name();
  return "Change " + current->Name();
}

}  // namespace qb
