#include "form/undo.h"

#include "form/ChildFor.h"
#include "form/app_state.h"

namespace qb {

std::string UndoStack::UndoName() const {
  return CanUndo() ? steps_[position_ - 1].name : std::string();
}

std::string UndoStack::RedoName() const {
  return CanRedo() ? steps_[position_].name : std::string();
}

bool UndoStack::Modified(const TChildFrm& form) const {
  return position_ != clean_ || form.ChangeCount() != rest_count_;
}

void UndoStack::Rest(const TChildFrm& form) { rest_count_ = form.ChangeCount(); }

void UndoStack::MarkClean(const TChildFrm& form) {
  // A change made outside a transaction is saved with the file; it stays in the top step.
  if (form.ChangeCount() != rest_count_ && position_ > 0) steps_[position_ - 1].after.reset();
  clean_ = position_;
  Rest(form);
}

void UndoStack::Clear(const TChildFrm& form) {
  steps_.clear();
  position_ = 0;
  clean_ = 0;
  Rest(form);
}

void UndoStack::RestedAgain(const TChildFrm& form, std::uint64_t count) {
  if (rest_count_ == count) Rest(form);
}

bool UndoStack::WouldMerge(const TChildFrm& form, const std::string& merge_key) const {
  return !merge_key.empty() && position_ > 0 && position_ == steps_.size() && clean_ != position_ &&
         form.ChangeCount() == rest_count_ && steps_.back().merge_key == merge_key;
}

void UndoStack::Push(const TChildFrm& form, Step step) {
  steps_.resize(position_);
  // The saved state can no longer be reached by undo or redo.
  if (clean_ != kNoCleanPoint && clean_ > position_) clean_ = kNoCleanPoint;
  steps_.push_back(std::move(step));
  position_ = steps_.size();
  Rest(form);
}

void UndoStack::MergeIntoTop(const TChildFrm& form, const std::string& name) {
  if (steps_.empty()) return;
  steps_.back().after.reset();
  if (!name.empty()) steps_.back().name = name;
  Rest(form);
}

bool UndoStack::Undo(AppState& state, TChildFrm& form) {
  if (!CanUndo()) return false;
  Step& step = steps_[position_ - 1];
  if (!step.after || form.ChangeCount() != rest_count_) step.after = TakeFormSnapshot(state, form);
  RestoreFormSnapshot(state, form, step.before);
  --position_;
  Rest(form);
  return true;
}

bool UndoStack::Redo(AppState& state, TChildFrm& form) {
  if (!CanRedo()) return false;
  if (form.ChangeCount() != rest_count_ || !steps_[position_].after) {
    // Doing the step again would throw away the change made since.
    steps_.resize(position_);
    if (clean_ != kNoCleanPoint && clean_ > position_) clean_ = kNoCleanPoint;
    return false;
  }
  RestoreFormSnapshot(state, form, *steps_[position_].after);
  ++position_;
  Rest(form);
  return true;
}

}  // namespace qb
