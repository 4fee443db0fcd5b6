// Generating all four texts of a project of 50 forms, colour on where the library has it.

#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "codegen/generator.h"
#include "workload/form_workload.h"

namespace qb::bench {

namespace {

constexpr int kProjectForms = 50;

void GenerateProject(benchmark::State& state, LibraryId lib) {
  AppState app;
  const bool color = lib == LibraryId::kPToolboxLib;
  auto forms = MakeForms(lib, kProjectForms, static_cast<int>(state.range(0)), color, app);
  GeneratorInput input;
  for (const auto& form : forms) input.forms.push_back(form.get());
  input.first_form = input.forms.front();
  input.project_name = "Bench";
  input.color = color;
  std::size_t lines = 0;
  CountedLoop counted(state);
  for (auto _ : state) {
    GeneratedCode code;
    Generate(lib, input, code);
    lines = code.main.size() + code.forms.size() + code.events.size() + code.header.size();
    benchmark::DoNotOptimize(code);
  }
  state.counters["lines"] = static_cast<double>(lines);
  state.SetComplexityN(state.range(0));
}

const bool kRegistered = [] {
  for (LibraryId lib : kLibraries)
    benchmark::RegisterBenchmark((std::string("Generate/") + LibraryName(lib)).c_str(),
                                 GenerateProject, lib)
        ->Apply(GrowthArgs);
  return true;
}();

}  // namespace

}  // namespace qb::bench
