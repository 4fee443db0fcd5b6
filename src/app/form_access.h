#pragma once

// How the project commands read and write form files: the form readers and writers of the
// current library behind one small interface, so that tests can watch or fail a save.

#include <string>

#include "app/app_state.h"
#include "designer/ChildFor.h"
#include "model/ui.h"

namespace qb {

class FormAccess {
 public:
  virtual ~FormAccess() = default;
  // "FORM"/"Name" of the file; empty when it is missing or the file cannot be read.
  virtual std::string FormName(const std::string& path) = 0;
  // "FORM"/"Lib" of the file; 0 when it is missing.
  virtual int FormLibrary(const std::string& path) = 0;
  // Reads the form file into a window created with its name, with the current library.
  virtual void Read(TChildFrm& window, const std::string& path, AppState& state) = 0;
  // Writes the window's form with the current library and sets its caption to the file's
  // name. False when the file could not be written, after telling the user so.
  virtual bool Write(TChildFrm& window, const std::string& path, const AppState& state, Ui& ui) = 0;
};

// The readers and writers of the form-file module.
FormAccess& LibraryFormAccess();

}  // namespace qb
