#pragma once

// Large, realistic inputs for the benchmarks: form files with any number of controls that
// cycle through every kind of a library in catalogue order (dialogs holding the controls that
// follow them, CControls menus with their menu bar), the designer windows read from them, and
// sets of forms standing for a whole project.

#include <memory>
#include <string>
#include <vector>

#include "form/ChildFor.h"
#include "form/app_state.h"
#include "model/ini_file.h"
#include "model/library.h"

namespace qb::bench {

struct FormSpec {
  std::string name = "Form1";
  // Control sections in the file: dialogs, menus and the menu bar count as controls.
  int controls = 100;
  // Non-default colours on every control that has colour keys, and on the form.
  bool color = false;
};

// How many controls of each dialog's followers go inside it.
inline constexpr int kControlsPerDialog = 4;

// The form file's content. Every key of every kind is written, the control's own values
// varied by its number (place, text, alignment, font, list items); the first dialog is the
// shown one.
IniFile MakeFormFile(LibraryId lib, const FormSpec& form_spec);

// A designer window read from MakeFormFile's content with the library's reader.
std::unique_ptr<TChildFrm> MakeForm(LibraryId lib, const FormSpec& form_spec, AppState& state);
// The same into a window made elsewhere (by the designer), which takes the form's name.
void ReadInto(LibraryId lib, const FormSpec& form_spec, TChildFrm& form, AppState& state);

// forms windows named "Form1" ... of controls_per_form controls each.
std::vector<std::unique_ptr<TChildFrm>> MakeForms(LibraryId lib, int forms, int controls_per_form,
                                                  bool color, AppState& state);

// The number of controls of a window: every control of the form, menus and dialog children
// included, the screen panel and the client area not.
int CountControls(const TChildFrm& form);

}  // namespace qb::bench
