#pragma once

// The scope of one user action on a form; see undo.h.

#include <cstdint>
#include <optional>
#include <string>

#include "form/ChildFor.h"
#include "form/app_state.h"
#include "form/form_snapshot.h"
#include "model/weak_ref.h"

namespace qb {

class EditTransaction {
 public:
  // `form` may be null (a command with no form); the name may be left empty and be given by
  // a joined transaction or found from what changed.
  EditTransaction(AppState& state, TChildFrm* form, std::string name = "",
                  std::string merge_key = "");
  ~EditTransaction();
  EditTransaction(const EditTransaction&) = delete;
  EditTransaction& operator=(const EditTransaction&) = delete;

  void SetName(const std::string& name);
  TChildFrm* Form() const { return form_.Get(); }
  // Ends the transaction early (the destructor then does nothing).
  void Commit();
  // Ends the transaction with its form put back as it was when it began, recording no step
  // (Esc during a drag). A transaction that merges into the top step holds no state to go
  // back to and commits instead. False when nothing was put back.
  bool Rollback();

 private:
  AppState& state_;
  EditTransaction* outer_ = nullptr;
  bool open_ = false;
  WeakRef<TChildFrm> form_;
  // The form whose edit this transaction holds open (joined ones too).
  WeakRef<TChildFrm> edited_;
  std::string name_;
  std::string merge_key_;
  std::uint64_t start_count_ = 0;
  std::optional<FormSnapshot> before_;
};

// A step's name made from what changed: "Place Button2", "Delete Label1", "Move Button1",
// "Resize Button1", "Change Button1", "Change Form1".
std::string DescribeStep(const AppState& state, const TChildFrm& form, const FormSnapshot& before);

}  // namespace qb
