#include "app/frmNuevoProy.h"

namespace qb {

const std::vector<std::string>& TfrmNProyecto::Entries() {
  static const std::vector<std::string> kEntries = {LibraryListName(LibraryId::kCControls),
                                                    LibraryListName(LibraryId::kPToolboxLib)};
  return kEntries;
}

void TfrmNProyecto::SetSelectedIndex(int index) {
  if (index >= 0 && index < static_cast<int>(Entries().size())) selected_ = index;
}

void TfrmNProyecto::Show(LibraryId current) { selected_ = static_cast<int>(current) - 1; }

LibraryId TfrmNProyecto::Chosen() const { return static_cast<LibraryId>(selected_ + 1); }

}  // namespace qb
