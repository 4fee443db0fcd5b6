// Painting one designer window's whole picture, and repainting a small damaged part of it.

#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "controls/form_picture.h"
#include "workload/form_workload.h"

namespace qb::bench {

namespace {

std::unique_ptr<TChildFrm> FormOf(LibraryId lib, benchmark::State& state, AppState& app) {
  FormSpec form_spec;
  form_spec.controls = static_cast<int>(state.range(0));
  form_spec.color = lib == LibraryId::kPToolboxLib;
  return MakeForm(lib, form_spec, app);
}

void FullPicture(benchmark::State& state, LibraryId lib) {
  AppState app;
  auto form = FormOf(lib, state, app);
  FormPicture picture(Fonts());
  picture.Render(form->Client());  // sizes settle
  CountedLoop counted(state);
  for (auto _ : state) benchmark::DoNotOptimize(picture.Render(form->Client()).Pixels());
  state.SetComplexityN(state.range(0));
  state.counters["controls"] = CountControls(*form);
}

// A control's own rectangle, as a drag step or an inspector keystroke damages it.
void DamagedPicture(benchmark::State& state, LibraryId lib) {
  AppState app;
  auto form = FormOf(lib, state, app);
  FormPicture picture(Fonts());
  picture.Render(form->Client());
  const Rect damage{40, 60, 80, 80};
  CountedLoop counted(state);
  for (auto _ : state) benchmark::DoNotOptimize(picture.Render(form->Client(), damage).Pixels());
  state.SetComplexityN(state.range(0));
}

const bool kRegistered = [] {
  for (LibraryId lib : kLibraries) {
    const std::string suffix = std::string("/") + LibraryName(lib);
    benchmark::RegisterBenchmark(("Picture" + suffix).c_str(), FullPicture, lib)->Apply(GrowthArgs);
    benchmark::RegisterBenchmark(("PictureDamage" + suffix).c_str(), DamagedPicture, lib)
        ->Apply(GrowthArgs);
  }
  return true;
}();

}  // namespace

}  // namespace qb::bench
