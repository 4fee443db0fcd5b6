// quillboard-bench: the designer's hot paths timed with Google Benchmark, followed by a
// summary of every figure against its budget and of how each cost grows with the controls.
//
// Besides the benchmark flags it takes one of these modes, which write the generated inputs
// or load them once, for looking at them and for measuring the program's memory:
//   quillboard-bench write-form LIB CONTROLS FILE.qbf
//   quillboard-bench write-project LIB FORMS CONTROLS FOLDER
//   quillboard-bench open-project FILE.qbp   (opens it as the main window does, paints
//                                            every window once, and says what it holds)

#include "app/Main.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "bench_support.h"
#include "controls/form_picture.h"
#include "workload/form_workload.h"
#include "workload/null_ui.h"
#include "workload/project_workload.h"

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
  qb::bench::FormSpec form_spec;
  form_spec.controls = std::atoi(argv[3]);
  form_spec.color = lib == qb::LibraryId::kPToolboxLib;
  return qb::bench::MakeFormFile(lib, form_spec).Save(argv[4]) ? 0 : 1;
}

int WriteProjectMode(int argc, char** argv) {
  qb::LibraryId lib;
  if (argc != 6 || !ParseLibrary(argv[2], &lib)) {
    std::cerr << "usage: quillboard-bench write-project 1|2 FORMS CONTROLS FOLDER\n";
    return kExitUsage;
  }
  const std::string path = qb::bench::WriteProject(lib, std::atoi(argv[3]), std::atoi(argv[4]),
                                                   lib == qb::LibraryId::kPToolboxLib, argv[5]);
  if (path.empty()) return 1;
  std::cout << path << "\n";
  return 0;
}

int OpenProjectMode(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: quillboard-bench open-project FILE.qbp\n";
    return kExitUsage;
  }
  qb::bench::NullUi ui;
  qb::TMain main(ui, qb::bench::BenchFolder("program"),
                 {[](const char*) -> std::optional<std::string> { return std::nullopt; }});
  qb::bench::LoadFaces(main.Fonts());
  main.Project().LoadProject(argv[2]);
  // Each designer window keeps its picture, as the windows on the screen do.
  std::vector<std::unique_ptr<qb::FormPicture>> pictures;
  int controls = 0;
  for (const auto& window : main.State().windows) {
    pictures.push_back(std::make_unique<qb::FormPicture>(main.Fonts()));
    pictures.back()->Render(window->Client());
    controls += qb::bench::CountControls(*window);
  }
  std::cout << main.State().windows.size() << " forms, " << controls << " controls\n";
  return ui.messages == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "write-form") return WriteFormMode(argc, argv);
  if (mode == "write-project") return WriteProjectMode(argc, argv);
  if (mode == "open-project") return OpenProjectMode(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return kExitUsage;
  qb::bench::SummaryReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintSummary(std::cout);
  if (qb::bench::UnderValgrind())
    std::cout << "counted iterations: " << qb::bench::CountedIterations() << "\n";
  benchmark::Shutdown();
  return 0;
}
