#include "app/form_access.h"

#include "model/form_file.h"

namespace qb {

namespace {

class LibraryForms : public FormAccess {
 public:
  std::string FormName(const std::string& path) override { return ReadFormName(path); }
  int FormLibrary(const std::string& path) override { return ReadFormLib(path); }
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
