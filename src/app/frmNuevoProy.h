#pragma once

// The new-project dialog: chooses the form library of a new project.

#include <string>
#include <vector>

#include "model/library.h"
#include "model/ui.h"

namespace qb {

class TfrmNProyecto : public DialogModel {
 public:
  static constexpr const char* kDialogId = "frmNuevoProy";
  static constexpr const char* kCaption = "New project";
  static constexpr const char* kLibraryLabel = "Form &library";

  const char* DialogId() const override { return kDialogId; }

  // cmbLib: "CControls" and "PToolBox", in library order.
  static const std::vector<std::string>& Entries();
  // The selected entry, 0-based; the view edits it.
  int SelectedIndex() const { return selected_; }
  void SetSelectedIndex(int index);

  // On show: the entry of the current library is selected.
  void Show(LibraryId current);
  // On OK: the library of the selected entry.
  LibraryId Chosen() const;

 private:
  int selected_ = 0;
};

}  // namespace qb
