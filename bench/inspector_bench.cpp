// One keystroke in the inspector on a typed row of a control on a large form: the new text is
// applied through the property rules, the rows are filled again, and the picture is
// repainted where the control was and where it is now.

#include <benchmark/benchmark.h>

#include <algorithm>

#include "bench_support.h"
#include "controls/form_picture.h"
#include "properties/frmProperties.h"
#include "properties/row_names.h"
#include "workload/designed_form.h"

namespace qb::bench {

namespace {

Rect Union(const Rect& a, const Rect& b) {
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom)};
}

// The texts the row holds after two keystrokes in turn: typing and rubbing out a character.
struct TypedRow {
  const char* row;
  const char* first;
  const char* second;
};

void Keystroke(benchmark::State& state, LibraryId lib, TypedRow typed, bool record_steps) {
  DesignedForm designed(lib, static_cast<int>(state.range(0)), record_steps);
  AppState& app = designed.app;
  NullUi& ui = designed.ui;
  TChildFrm& form = designed.form;
  TfrmProperties inspector(app, ui, designed.links);
  FormPicture picture(Fonts());
  picture.Render(form.Client());

  // The first control of the screen panel: a Button in both libraries.
  TControl& control = *form.Screen().Children().front();
  inspector.Rules().FillInspector(control);
  inspector.RefreshChooser();
  const int row = inspector.RowIndex(typed.row);
  if (row < 0) {
    state.SkipWithError("the control has no such row");
    return;
  }
  inspector.SelectCell(row);
  // The row's first keystroke opens its undo step (a snapshot of the form); the timed ones
  // after it merge into that step, as a user's typing does.
  inspector.CellEdited(typed.second);
  bool second = false;
  CountedLoop counted(state);
  for (auto _ : state) {
    const Rect before = PictureRect(control);
    inspector.CellEdited(second ? typed.second : typed.first);
    second = !second;
    inspector.Rules().FillInspector(control);
    benchmark::DoNotOptimize(
        picture.Render(form.Client(), Union(before, PictureRect(control))).Pixels());
  }
  if (ui.messages > 0) state.SkipWithError(ui.last_message.c_str());
  if (inspector.Rows()[static_cast<std::size_t>(row)].value != typed.first &&
      inspector.Rows()[static_cast<std::size_t>(row)].value != typed.second)
    state.SkipWithError("the keystroke did not reach the control");
  state.SetComplexityN(state.range(0));
}

const bool kRegistered = [] {
  const TypedRow kLeftRow{rows::kLeft, "21", "2"};
  const TypedRow kNameRow{rows::kName, "Button1x", "Button1"};
  for (LibraryId lib : kLibraries) {
    const std::string suffix = std::string("/") + LibraryName(lib);
    benchmark::RegisterBenchmark(("InspectorKey" + suffix).c_str(), Keystroke, lib, kLeftRow, true)
        ->Apply(GrowthArgs);
    benchmark::RegisterBenchmark(("InspectorKeyName" + suffix).c_str(), Keystroke, lib, kNameRow,
                                 true)
        ->Apply(GrowthArgs);
    // The same without undo steps: what a keystroke's step adds.
    benchmark::RegisterBenchmark(("InspectorKeyNoUndo" + suffix).c_str(), Keystroke, lib, kLeftRow,
                                 false)
        ->Apply(GrowthArgs);
  }
  return true;
}();

}  // namespace

}  // namespace qb::bench
