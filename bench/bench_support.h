#pragma once

// What every benchmark shares: the Palm faces from the program's folder, the budgets the
// hot paths must keep, and the summary printed after the run (each figure against its
// budget, and how each cost grows from 10 to 100 to 1,000 controls).

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

#include "controls/font_registry.h"
#include "model/library.h"

namespace qb::bench {

// The four faces, loaded once from the folder of the running program.
const FontRegistry& Fonts();
// Loads the four faces from that folder into a registry of one's own.
void LoadFaces(FontRegistry& fonts);
std::string ProgramFolder();
// A folder of the benchmarks' own under the system's temporary folder, created on demand.
std::string BenchFolder(const std::string& name);

// "CControls" or "PToolboxLib", for benchmark names.
const char* LibraryName(LibraryId lib);
inline constexpr LibraryId kLibraries[] = {LibraryId::kCControls, LibraryId::kPToolboxLib};

// The control counts every growth series runs over.
inline constexpr int kGrowthSizes[] = {10, 100, 1000};
void GrowthArgs(benchmark::internal::Benchmark* b);

// Instruction counts of the timed loops alone: under callgrind started with
// --collect-atstart=no, collection is on only while a CountedLoop lives (declare one just
// before a benchmark's loop) and not paused; elsewhere it does nothing. The iterations it saw
// are added up, so that the count per iteration is the total over CountedIterations().
class CountedLoop {
 public:
  explicit CountedLoop(const benchmark::State& state);
  ~CountedLoop();
  CountedLoop(const CountedLoop&) = delete;
  CountedLoop& operator=(const CountedLoop&) = delete;
  // Leaves out set-up work inside the loop.
  void Pause();
  void Resume();

 private:
  const benchmark::State& state_;
  bool collecting_ = false;
};
long long CountedIterations();
// Whether the program runs under valgrind.
bool UnderValgrind();

// A benchmark's budget in milliseconds of one core's time, by its full name
// ("Picture/CControls/100").
struct Budget {
  const char* name;
  double ms;
};
const std::vector<Budget>& Budgets();

// Collects every run while printing it as the console does, then prints the summary.
class SummaryReporter : public benchmark::ConsoleReporter {
 public:
  // Coloured only on a terminal, so that saved output reads as plain text.
  SummaryReporter();
  void ReportRuns(const std::vector<Run>& runs) override;
  // The budget table and the growth ratios; false when a budget was missed.
  bool PrintSummary(std::ostream& out) const;

 private:
  // The fastest repetition of each benchmark, in CPU milliseconds: the least disturbed by
  // other load on the machine.
  std::map<std::string, double> best_ms_;
  std::vector<std::string> order_;
};

}  // namespace qb::bench
