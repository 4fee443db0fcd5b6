#pragma once

// The set-up of the benchmarks that drive the designer: a form of generated controls, read as
// the program reads a form file, shown and active in a designer with nothing around it.

#include "designer/designer.h"
#include "support/recording_hub.h"
#include "workload/form_workload.h"
#include "workload/null_ui.h"

namespace qb::bench {

struct DesignedForm {
  DesignedForm(LibraryId lib, int controls, bool record_steps = true)
      : designer(app, ui, links), form(Setup(lib, record_steps)) {
    // Timed without the recording.
    links.record = false;
    FormSpec form_spec;
    form_spec.controls = controls;
    ReadInto(lib, form_spec, form, app);
    designer.ShowWindow(form);
    designer.Activate(form);
  }

  AppState app;
  NullUi ui;
  test::RecordingHub links;
  Designer designer;
  TChildFrm& form;

 private:
  TChildFrm& Setup(LibraryId lib, bool record_steps) {
    app.library = lib;
    app.record_steps = record_steps;
    return designer.AddWindow();
  }
};

}  // namespace qb::bench
