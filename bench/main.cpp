// quillboard-bench: the designer's hot paths timed with Google Benchmark, followed by a
// summary of every figure against its budget and of how each cost grows with the controls.
//
// Besides the benchmark flags it takes one of these modes, which write the generated inputs
// or load them once, for looking at them and for measuring the program's memory:
//   quillboard-bench write-form LIB CONTROLS FILE.qbf

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <iostream>
#include <string>

#include "bench_support.h"
#include "workload/form_workload.h"

namespace {

constexpr int kExitUsage = 2;

bool ParseLibrary(const std::string& text, qb::LibraryId* lib) {
  if (text != "1" && text != "2") return false;
  *lib = static_cast<qb::LibraryId>(std::stoi(text));
  return true;
}

int WriteFormMode(int argc, char** argv) {
  qb::LibraryId lib;
  if (argc != 5 || !ParseLibrary(argv[2], &lib)) {
    std::cerr << "usage: quillboard-bench write-form 1|2 CONTROLS FILE.qbf\n";
    return kExitUsage;
  }
  qb::bench::FormSpec spec;
  spec.controls = std::atoi(argv[3]);
  spec.color = lib == qb::LibraryId::kPToolboxLib;
  return qb::bench::MakeFormFile(lib, spec).Save(argv[4]) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::string(argv[1]) == "write-form") return WriteFormMode(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return kExitUsage;
  qb::bench::SummaryReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintSummary(std::cout);
  benchmark::Shutdown();
  return 0;
}
