#include "app/form_access.h"

#include "form/form_file.h"

namespace qb {

namespace {

class LibraryForms : public FormAccess {
 public:
  FormFileHeader Inspect(const std::string& path, LibraryId lib) override {
    return InspectFormFile(path, lib);
  }
  void Read(TChildFrm& window, const std::string& path, AppState& state) override {
    ReadForm(state.library, window, path, state);
  }
  bool Write(TChildFrm& window, const std::string& path, const AppState& state, Ui& ui) override {
    return WriteForm(state.library, window, path, ui);
  }
};

}  // namespace

FormAccess& LibraryFormAccess() {
  static LibraryForms forms;
  return forms;
}

}  // namespace qb
