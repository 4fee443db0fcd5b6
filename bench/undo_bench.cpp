// Undo and redo of one step on a large form: the form is put back from the step's snapshot
// (every control made again under its recorded name), and the after-state is taken on the
// first undo only.

#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "form/edit_transaction.h"
#include "workload/designed_form.h"

namespace qb::bench {

namespace {

void UndoRedo(benchmark::State& state, LibraryId lib, bool undo) {
  DesignedForm designed(lib, static_cast<int>(state.range(0)));
  AppState& app = designed.app;
  Designer& designer = designed.designer;
  TChildFrm& form = designed.form;
  form.StartRecording();
  // One step: a nudge of the first control.
  app.current_control.Reset(form.Screen().Children().front().get());
  designer.KeyPressed(DesignerKey::kRight);
  if (!form.Undo().CanUndo()) {
    state.SkipWithError("the nudge left no step");
    return;
  }
  const std::size_t controls = form.AllControls().size();
  CountedLoop counted(state);
  for (auto _ : state) {
    state.PauseTiming();
    counted.Pause();
    // Undo times a fresh step, whose after-state is taken by the undo itself; redo times
    // doing again the step just undone.
    if (undo)
      designer.KeyPressed(DesignerKey::kRight);
    else
      form.Undo().Undo(app, form);
    counted.Resume();
    state.ResumeTiming();
    if (undo)
      form.Undo().Undo(app, form);
    else
      form.Undo().Redo(app, form);
  }
  if (form.AllControls().size() != controls || form.Undo().CanRedo() != undo)
    state.SkipWithError("undo and redo did not give the form back");
  state.SetComplexityN(state.range(0));
}

const bool kRegistered = [] {
  for (LibraryId lib : kLibraries) {
    benchmark::RegisterBenchmark((std::string("Undo/") + LibraryName(lib)).c_str(), UndoRedo, lib,
                                 true)
        ->Apply(GrowthArgs);
    benchmark::RegisterBenchmark((std::string("Redo/") + LibraryName(lib)).c_str(), UndoRedo, lib,
                                 false)
        ->Apply(GrowthArgs);
  }
  return true;
}();

}  // namespace

}  // namespace qb::bench
