#pragma once

// Undo and redo, one stack per form. Every edit of a form runs inside an EditTransaction
// (edit_transaction.h) opened where a user action starts (a command, a mouse press to its release,
// a key, an inspector apply, an editor's OK, a paste). Nested transactions join the outermost one.
// A transaction that changed nothing leaves no step; one that did pushes a step on its form's
// UndoStack, or merges into the top step when both carry the same merge key (consecutive nudges of
// one control, consecutive keystrokes into one inspector row).
//
// A step holds the form's state before it; the state after it is taken when the step is
// undone, so a step costs one snapshot however long the action was (a drag included).
// A transaction whose form's change counter moved compares the form with its state before
// (SameDesign): an action that set values to what they were, or changed only view state,
// records no step and leaves Redo alone. Nothing changes a recording form outside a
// transaction, undo or redo (TChildFrm's change check).

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "form/form_snapshot.h"

namespace qb {

class TChildFrm;
struct AppState;

class UndoStack {
 public:
  struct Step {
    std::string name;
    std::string merge_key;
    FormSnapshot before;
    std::optional<FormSnapshot> after;
  };

  bool CanUndo() const { return position_ > 0; }
  bool CanRedo() const { return position_ < steps_.size(); }
  // The name of the step Undo or Redo would take back or do again; empty when none.
  std::string UndoName() const;
  std::string RedoName() const;
  std::size_t Size() const { return steps_.size(); }
  std::size_t Position() const { return position_; }

  // Whether the form differs from what was last saved (or opened).
  bool Modified() const { return position_ != clean_; }
  // The form is as its file holds it: here is the clean point.
  void MarkClean() { clean_ = position_; }
  // Forgets every step; the form as it is now is clean.
  void Clear();
  // No state the steps reach is the saved one (work recovered, never saved).
  void MarkUnsaved() { clean_ = kNoCleanPoint; }

  // Whether a step with this key would merge into the top one now.
  bool WouldMerge(const std::string& merge_key) const;
  void Push(Step step);
  // The top step takes in the transaction that merged into it: its after-state is taken
  // afresh when undone.
  void MergeIntoTop(const std::string& name);

  // Puts the form back as it was before the last step; false when there is none.
  bool Undo(AppState& state, TChildFrm& form);
  // Does the undone step again; false when there is none.
  bool Redo(AppState& state, TChildFrm& form);

 private:
  static constexpr std::size_t kNoCleanPoint = static_cast<std::size_t>(-1);

  std::vector<Step> steps_;
  std::size_t position_ = 0;
  std::size_t clean_ = 0;
};

}  // namespace qb
