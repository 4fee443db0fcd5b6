// Reading and writing one form file, from and to the disk.

#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench_support.h"
#include "form/form_file.h"
#include "workload/form_workload.h"
#include "workload/null_ui.h"

namespace qb::bench {

namespace {

std::string TempPath(const std::string& file) {
  return (std::filesystem::path(BenchFolder("forms")) / file).string();
}

FormSpec SpecOf(const benchmark::State& state) {
  FormSpec form_spec;
  form_spec.controls = static_cast<int>(state.range(0));
  return form_spec;
}

void ReadFormFile(benchmark::State& state, LibraryId lib) {
  const std::string path = TempPath(std::string("read_") + LibraryName(lib) + ".qbf");
  MakeFormFile(lib, SpecOf(state)).Save(path);
  int controls = 0;
  CountedLoop counted(state);
  for (auto _ : state) {
    AppState app;
    TChildFrm form;
    form.SetName("Form1");
    controls = ReadForm(lib, form, path, app).controls;
  }
  state.counters["controls"] = controls;
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
  state.SetComplexityN(state.range(0));
}

void WriteFormFile(benchmark::State& state, LibraryId lib) {
  const std::string path = TempPath(std::string("write_") + LibraryName(lib) + ".qbf");
  AppState app;
  auto form = MakeForm(lib, SpecOf(state), app);
  NullUi ui;
  CountedLoop counted(state);
  for (auto _ : state) benchmark::DoNotOptimize(WriteForm(lib, *form, path, ui));
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
  state.SetComplexityN(state.range(0));
}

const bool kRegistered = [] {
  for (LibraryId lib : kLibraries) {
    const std::string suffix = std::string("/") + LibraryName(lib);
    benchmark::RegisterBenchmark(("FormRead" + suffix).c_str(), ReadFormFile, lib)
        ->Apply(GrowthArgs);
    benchmark::RegisterBenchmark(("FormWrite" + suffix).c_str(), WriteFormFile, lib)
        ->Apply(GrowthArgs);
  }
  return true;
}();

}  // namespace

}  // namespace qb::bench
