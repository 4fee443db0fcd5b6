#pragma once

// How the project commands read and write form files: the form readers and writers of the
// current library behind one small interface, so that tests can watch or fail a save.

#include <string>

#include "form/ChildFor.h"
#include "form/app_state.h"
#include "form/form_file.h"
#include "model/ui.h"

namespace qb {

class FormAccess {
 public:
  virtual ~FormAccess() = default;
  // Whether the file can be read, its "FORM"/"Name" and "Lib", and how many controls the
  // reader of the given library would find in it.
  virtual FormFileHeader Inspect(const std::string& path, LibraryId lib) = 0;
  // Reads the form file into a window created with its name, with the current library.
  virtual void Read(TChildFrm& window, const std::string& path, AppState& state) = 0;
  // Writes the window's form with the current library and sets its caption to the file's
  // name. False when the file could not be written, after telling the user so.
  virtual bool Write(TChildFrm& window, const std::string& path, const AppState& state, Ui& ui) = 0;
};

// The readers and writers of the form-file module.
FormAccess& LibraryFormAccess();

}  // namespace qb
