#include "bench_support.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iomanip>
#include <ostream>

#include "model/ui.h"

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#define QB_BENCH_TOGGLE_COLLECT() CALLGRIND_TOGGLE_COLLECT
#define QB_BENCH_ON_VALGRIND RUNNING_ON_VALGRIND
#else
#define QB_BENCH_TOGGLE_COLLECT() ((void)0)
#define QB_BENCH_ON_VALGRIND 0
#endif

namespace qb::bench {

namespace {

// The family of a benchmark ("Picture/CControls") and its control count (100); false for a
// name that does not end in a number.
bool SplitSize(const std::string& name, std::string* family, int* size) {
  const auto slash = name.rfind('/');
  if (slash == std::string::npos || slash + 1 == name.size()) return false;
  const std::string tail = name.substr(slash + 1);
  if (!std::all_of(tail.begin(), tail.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return false;
  *family = name.substr(0, slash);
  *size = std::stoi(tail);
  return true;
}

long long counted_iterations = 0;

}  // namespace

CountedLoop::CountedLoop(const benchmark::State& state) : state_(state) { Resume(); }

CountedLoop::~CountedLoop() {
  Pause();
  counted_iterations += static_cast<long long>(state_.iterations());
}

// Callgrind only toggles: the calls must alternate, starting from collection off.
void CountedLoop::Pause() {
  if (!collecting_) return;
  QB_BENCH_TOGGLE_COLLECT();
  collecting_ = false;
}

void CountedLoop::Resume() {
  if (collecting_) return;
  QB_BENCH_TOGGLE_COLLECT();
  collecting_ = true;
}

long long CountedIterations() { return counted_iterations; }

bool UnderValgrind() { return QB_BENCH_ON_VALGRIND != 0; }

std::string ProgramFolder() {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string(".") : exe.parent_path().string();
}

std::string BenchFolder(const std::string& name) {
  const auto dir = std::filesystem::temp_directory_path() / "quillboard-bench" / name;
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  return dir.string();
}

void LoadFaces(FontRegistry& fonts) {
  for (const auto& file : FontRegistry::Files()) {
    std::string why;
    const auto path = std::filesystem::path(ProgramFolder()) / file.file_name;
    if (!fonts.LoadFace(file.font_name, path.string(), &why))
      std::fprintf(stderr, "%s: %s (the built-in face draws instead)\n", path.c_str(), why.c_str());
  }
}

const FontRegistry& Fonts() {
  static const FontRegistry fonts = [] {
    FontRegistry registry;
    LoadFaces(registry);
    return registry;
  }();
  return fonts;
}

const char* LibraryName(LibraryId lib) {
  return lib == LibraryId::kCControls ? "CControls" : "PToolboxLib";
}

void GrowthArgs(benchmark::internal::Benchmark* b) {
  for (int n : kGrowthSizes) b->Arg(n);
  b->Unit(benchmark::kMillisecond);
}

const std::vector<Budget>& Budgets() {
  static const std::vector<Budget> kBudgets = {
      {"Picture/CControls/100", 1.0},
      {"Picture/PToolboxLib/100", 1.0},
      {"Zoom/CControls/100", 0.5},
      {"Zoom/PToolboxLib/100", 0.5},
      {"InspectorKey/CControls/1000", 2.0},
      {"InspectorKey/PToolboxLib/1000", 2.0},
      {"InspectorKeyName/CControls/1000", 2.0},
      {"InspectorKeyName/PToolboxLib/1000", 2.0},
      {"Undo/CControls/1000", 20.0},
      {"Undo/PToolboxLib/1000", 20.0},
      {"Redo/CControls/1000", 20.0},
      {"Redo/PToolboxLib/1000", 20.0},
      {"ProjectOpen/CControls/100", 200.0},
      {"ProjectOpen/PToolboxLib/100", 200.0},
      {"Generate/CControls/100", 50.0},
      {"Generate/PToolboxLib/100", 50.0},
  };
  return kBudgets;
}

SummaryReporter::SummaryReporter()
    : ConsoleReporter(isatty(fileno(stdout)) ? OO_ColorTabular : OO_Tabular) {}

void SummaryReporter::ReportRuns(const std::vector<Run>& runs) {
  for (const Run& run : runs) {
    if (run.run_type != Run::RT_Iteration || run.error_occurred) continue;
    const std::string name = run.run_name.str();
    const double ms =
        run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e3;
    auto it = best_ms_.find(name);
    if (it == best_ms_.end()) {
      best_ms_[name] = ms;
      order_.push_back(name);
    } else {
      it->second = std::min(it->second, ms);
    }
  }
  ConsoleReporter::ReportRuns(runs);
}

bool SummaryReporter::PrintSummary(std::ostream& out) const {
  bool all_kept = true;
  out << "\nBudgets (CPU time of one core, fastest repetition)\n";
  for (const Budget& b : Budgets()) {
    auto it = best_ms_.find(b.name);
    if (it == best_ms_.end()) continue;
    const bool kept = it->second <= b.ms;
    all_kept &= kept;
    out << "  " << std::left << std::setw(34) << b.name << std::right << std::fixed
        << std::setprecision(3) << std::setw(10) << it->second << " ms   budget " << std::setw(8)
        << b.ms << " ms   " << (kept ? "kept" : "MISSED") << "\n";
  }

  out << "\nGrowth (time ratio per tenfold controls; 10 is linear, 100 quadratic)\n";
  std::map<std::string, std::map<int, double>> families;
  std::vector<std::string> family_order;
  for (const std::string& name : order_) {
    std::string family;
    int size = 0;
    if (!SplitSize(name, &family, &size)) continue;
    if (!families.count(family)) family_order.push_back(family);
    families[family][size] = best_ms_.at(name);
  }
  for (const std::string& family : family_order) {
    const auto& sizes = families[family];
    if (sizes.size() < 2) continue;
    out << "  " << std::left << std::setw(30) << family << std::right;
    double previous = -1;
    int previous_size = 0;
    for (const auto& [size, ms] : sizes) {
      if (previous > 0)
        out << "  " << previous_size << "->" << size << ": " << std::fixed << std::setprecision(1)
            << std::setw(6) << ms / previous << "x";
      previous = ms;
      previous_size = size;
    }
    out << "\n";
  }
  return all_kept;
}

}  // namespace qb::bench
