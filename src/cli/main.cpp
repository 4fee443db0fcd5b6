// quillboard-cli: the designer's work without its windows, one sub-command at a time.

#include <iostream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/data_folder.h"
#include "cli/check_command.h"
#include "cli/cli_texts.h"
#include "cli/command.h"
#include "cli/generate_command.h"
#include "cli/map_command.h"
#include "cli/program_dir.h"
#include "cli/render_command.h"

namespace {

using qb::cli::Command;

// One line per sub-command.
constexpr Command kCommands[] = {
    {qb::cli::kRenderName, qb::cli::kRenderUsage, qb::cli::RunRender},
    {qb::cli::kGenerateName, qb::cli::kGenerateUsage, qb::cli::RunGenerate},
    {qb::cli::kCheckName, qb::cli::kCheckUsage, qb::cli::RunCheck},
    {qb::cli::kMapName, qb::cli::kMapUsage, qb::cli::RunMap},
};

void PrintUsage(std::ostream& out) {
  out << qb::cli::kUsageHeader << "\n";
  for (const Command& c : kCommands)
    out << "  " << qb::cli::kProgramName << " " << c.name << " " << c.usage << "\n";
  out << qb::cli::kCheckHelp << "\n";
}

}  // namespace

int main(int argc, char** argv) {
  // The faces and the converter: beside a built program, in the share folder of an installed one.
  qb::cli::CommandContext context{std::cout, std::cerr,
                                  qb::DataFolderFor(qb::cli::ProgramDir(argv[0]))};
  if (argc == 2 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h")) {
    PrintUsage(std::cout);
    return 0;
  }
  if (argc == 2 && (std::string(argv[1]) == "--version" || std::string(argv[1]) == "-v")) {
    std::cout << qb::VersionText();
    return 0;
  }
  if (argc < 2) {
    std::cerr << qb::cli::kProgramName << ": " << qb::cli::kNoCommand << "\n";
    PrintUsage(std::cerr);
    return qb::cli::kExitUsage;
  }
  const std::string name = argv[1];
  const std::vector<std::string> args(argv + 2, argv + argc);
  for (const Command& c : kCommands)
    if (name == c.name) return c.run(args, context);
  std::cerr << qb::cli::kProgramName << ": " << qb::cli::kUnknownCommand << " \"" << name << "\"\n";
  PrintUsage(std::cerr);
  return qb::cli::kExitUsage;
}
