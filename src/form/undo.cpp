#include "form/undo.h"

#include "form/ChildFor.h"
#include "form/app_state.h"

namespace qb {

namespace {

// Undo and redo are edits of the form: its change check lets them through.
class RestoreEdit {
 public:
  explicit RestoreEdit(TChildFrm& form) : form_(form) { form_.BeginEdit(); }
  ~RestoreEdit() { form_.EndEdit(); }
  RestoreEdit(const RestoreEdit&) = delete;
  RestoreEdit& operator=(const RestoreEdit&) = delete;

 private:
  TChildFrm& form_;
};

}  // namespace

std::string UndoStack::UndoName() const {
  return CanUndo() ? steps_[position_ - 1].name : std::string();
}

std::string UndoStack::RedoName() const {
  return CanRedo() ? steps_[position_].name : std::string();
}

void UndoStack::Clear() {
  steps_.clear();
  position_ = 0;
  clean_ = 0;
}

bool UndoStack::WouldMerge(const std::string& merge_key) const {
  return !merge_key.empty() && position_ > 0 && position_ == steps_.size() && clean_ != position_ &&
         steps_.back().merge_key == merge_key;
}

void UndoStack::Push(Step step) {
  steps_.resize(position_);
  // The saved state can no longer be reached by undo or redo.
  if (clean_ != kNoCleanPoint && clean_ > position_) clean_ = kNoCleanPoint;
  steps_.push_back(std::move(step));
  position_ = steps_.size();
}

void UndoStack::MergeIntoTop(const std::string& name) {
  if (steps_.empty()) return;
  steps_.back().after.reset();
  if (!name.empty()) steps_.back().name = name;
}

bool UndoStack::Undo(AppState& state, TChildFrm& form) {
  if (!CanUndo()) return false;
  RestoreEdit edit(form);
  Step& step = steps_[position_ - 1];
  if (!step.after) step.after = TakeFormSnapshot(state, form);
  RestoreFormSnapshot(state, form, step.before);
  --position_;
  return true;
}

bool UndoStack::Redo(AppState& state, TChildFrm& form) {
  if (!CanRedo() || !steps_[position_].after) return false;
  RestoreEdit edit(form);
  RestoreFormSnapshot(state, form, *steps_[position_].after);
  ++position_;
  return true;
}

}  // namespace qb
