#pragma once

// The inspector as the designer and the main window reach it: filling its rows, loading and
// selecting its chooser, hiding its in-place editors. The inspector (TfrmProperties)
// implements it; the hub hands it out (Hub::Inspector).

#include "controls/control.h"
#include "form/ChildFor.h"

namespace qb {

class InspectorPort {
 public:
  virtual ~InspectorPort() = default;

  // The rows of `object`, a control or the form's client area (which stands for the form);
  // it is already the current control.
  virtual void Fill(TChildFrm& form, TControl& object) = 0;
  // The form's own rows (FormRows of the library's property rules).
  virtual void ShowFormRows(TChildFrm& form) = 0;
  // Copies the form's control list into the chooser.
  virtual void LoadChooser(TChildFrm& form) = 0;
  // Selects the chooser entry of a control or of the form.
  virtual void SelectChooserEntry(TControl& object) = 0;
  // Hides the three in-place editors.
  virtual void HideEditors() = 0;
  // Closes the chooser's drop-down list when it is open.
  virtual void CloseChooserList() = 0;
  // One blank row and an empty chooser (no form to show).
  virtual void Empty() = 0;
};

// The main window alone has no inspector: the command line, the benchmarks and the main
// window's tests that run without one. Every request reaches nothing, on purpose.
class NoInspector final : public InspectorPort {
 public:
  void Fill(TChildFrm&, TControl&) override {}
  void ShowFormRows(TChildFrm&) override {}
  void LoadChooser(TChildFrm&) override {}
  void SelectChooserEntry(TControl&) override {}
  void HideEditors() override {}
  void CloseChooserList() override {}
  void Empty() override {}
};

}  // namespace qb
