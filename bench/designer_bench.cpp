// A drag step in a designer window: the mouse moves by one grid step while a control is
// dragged, the control gets its new rectangle, and the picture is repainted where the
// control was and where it is now.

#include <benchmark/benchmark.h>

#include <algorithm>

#include "bench_support.h"
#include "controls/form_picture.h"
#include "designer/hit_test.h"
#include "workload/designed_form.h"

namespace qb::bench {

namespace {

constexpr int kStep = 8;

Rect Union(const Rect& a, const Rect& b) {
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom)};
}

// A control the mouse can take hold of: a screen control above the shown dialog, brought to
// the front so that nothing covers it.
TControl& Grip(TChildFrm& form) {
  for (const auto& child : form.Screen().Children()) {
    if (child->Class() == ControlClass::kPTDialog || !child->Visible()) continue;
    if (child->Top() + child->Height() < 55 && child->Width() >= 8 && child->Height() >= 8) {
      TControl* grip = child.get();
      form.Screen().BringToFront(grip);
      return *grip;
    }
  }
  return *form.Screen().Children().front();
}

void DragStep(benchmark::State& state, LibraryId lib, bool record_steps) {
  DesignedForm designed(lib, static_cast<int>(state.range(0)), record_steps);
  NullUi& ui = designed.ui;
  Designer& designer = designed.designer;
  TChildFrm& form = designed.form;
  FormPicture picture(Fonts());
  picture.Render(form.Client());

  TControl& grip = Grip(form);
  const Point origin = OriginInClient(form, grip);
  Point at{origin.x + grip.Width() / 2, origin.y + grip.Height() / 2};
  designer.MouseMove(form, 0, at);
  designer.MouseDown(form, MouseButton::kLeft, kSsLeft, at);
  picture.Render(form.Client());
  int direction = 1;
  bool moved = false;
  CountedLoop counted(state);
  for (auto _ : state) {
    const Rect before = PictureRect(grip);
    at.x += direction * kStep;
    direction = -direction;
    designer.MouseMove(form, kSsLeft, at);
    moved |= !(PictureRect(grip) == before);
    benchmark::DoNotOptimize(
        picture.Render(form.Client(), Union(before, PictureRect(grip))).Pixels());
    form.ClearPictureDirty();
  }
  designer.MouseUp(form, MouseButton::kLeft, kSsLeft, at);
  if (ui.messages > 0) state.SkipWithError(ui.last_message.c_str());
  if (!moved) state.SkipWithError("the drag did not move the control");
  state.SetComplexityN(state.range(0));
}

const bool kRegistered = [] {
  for (LibraryId lib : kLibraries) {
    benchmark::RegisterBenchmark((std::string("DragStep/") + LibraryName(lib)).c_str(), DragStep,
                                 lib, true)
        ->Apply(GrowthArgs);
    // The same without undo steps: what the drag's step adds to each mouse move.
    benchmark::RegisterBenchmark((std::string("DragStepNoUndo/") + LibraryName(lib)).c_str(),
                                 DragStep, lib, false)
        ->Apply(GrowthArgs);
  }
  return true;
}();

}  // namespace

}  // namespace qb::bench
