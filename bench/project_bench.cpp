// The main window's work on a whole project of 50 forms: opening it from disk, saving it, and
// one refresh of the zoom window (the current window's picture, doubled).

#include <benchmark/benchmark.h>

#include <filesystem>
#include <optional>

#include "app/Main.h"
#include "bench_support.h"
#include "workload/form_workload.h"
#include "workload/null_ui.h"
#include "workload/project_workload.h"

namespace qb::bench {

namespace {

constexpr int kProjectForms = 50;

SettingsEnvironment QuietEnvironment() {
  return {[](const char*) -> std::optional<std::string> { return std::nullopt; }};
}

// A main window over a project written for the benchmark.
struct OpenedProject {
  NullUi ui;
  TMain main{ui, BenchFolder("program"), QuietEnvironment()};
  std::string path;

  OpenedProject(LibraryId lib, int forms, int controls) {
    const std::string folder = BenchFolder(std::string("project_") + LibraryName(lib) + "_" +
                                           std::to_string(forms) + "x" + std::to_string(controls));
    path = WriteProject(lib, forms, controls, lib == LibraryId::kPToolboxLib, folder);
    LoadFaces(main.Fonts());
  }
  int Controls() const {
    int n = 0;
    for (const auto& window : main.State().windows) n += CountControls(*window);
    return n;
  }
  // What a benchmark reports when the work did not go as it should.
  const char* Failure(std::size_t windows) const {
    if (path.empty()) return "the project could not be written";
    if (ui.messages > 0) return ui.last_message.c_str();
    if (main.State().windows.size() != windows) return "not every form was opened";
    return nullptr;
  }
};

void OpenProject(benchmark::State& state, LibraryId lib) {
  const int controls = static_cast<int>(state.range(0));
  OpenedProject project(lib, kProjectForms, controls);
  CountedLoop counted(state);
  for (auto _ : state) {
    state.PauseTiming();
    counted.Pause();
    project.main.Project().CloseProject();
    counted.Resume();
    state.ResumeTiming();
    project.main.Project().LoadProject(project.path);
  }
  if (const char* why = project.Failure(kProjectForms)) state.SkipWithError(why);
  state.counters["controls"] = project.Controls();
  state.SetComplexityN(controls);
}

void SaveProject(benchmark::State& state, LibraryId lib) {
  const int controls = static_cast<int>(state.range(0));
  OpenedProject project(lib, kProjectForms, controls);
  project.main.Project().LoadProject(project.path);
  project.ui.answer = kMbYes;  // each form file is replaced
  bool saved = true;
  CountedLoop counted(state);
  for (auto _ : state) saved &= project.main.Project().SaveProjectTo(project.path);
  project.ui.messages -= kProjectForms * static_cast<int>(state.iterations());
  if (!saved) state.SkipWithError("the project was not saved");
  if (const char* why = project.Failure(kProjectForms)) state.SkipWithError(why);
  state.SetComplexityN(controls);
}

void ZoomRefresh(benchmark::State& state, LibraryId lib) {
  const int controls = static_cast<int>(state.range(0));
  OpenedProject project(lib, 1, controls);
  project.main.Project().LoadProject(project.path);
  TfrmZoom& zoom = project.main.Zoom();
  zoom.Show();
  bool refreshed = true;
  CountedLoop counted(state);
  for (auto _ : state) {
    refreshed &= zoom.Tick();
    benchmark::DoNotOptimize(zoom.Image().pixels.data());
  }
  if (!refreshed) state.SkipWithError("the zoom did not refresh");
  if (const char* why = project.Failure(1)) state.SkipWithError(why);
  state.SetComplexityN(controls);
}

const bool kRegistered = [] {
  for (LibraryId lib : kLibraries) {
    const std::string suffix = std::string("/") + LibraryName(lib);
    benchmark::RegisterBenchmark(("ProjectOpen" + suffix).c_str(), OpenProject, lib)
        ->Apply(GrowthArgs);
    benchmark::RegisterBenchmark(("ProjectSave" + suffix).c_str(), SaveProject, lib)
        ->Apply(GrowthArgs);
    benchmark::RegisterBenchmark(("Zoom" + suffix).c_str(), ZoomRefresh, lib)->Apply(GrowthArgs);
  }
  return true;
}();

}  // namespace

}  // namespace qb::bench
