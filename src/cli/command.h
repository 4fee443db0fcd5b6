#pragma once

// The sub-commands of quillboard-cli: each one is a name, a one-line usage and a routine
// that takes the arguments after its name.

#include <iosfwd>
#include <string>
#include <vector>

namespace qb::cli {

// What a command may need from the process it runs in.
struct CommandContext {
  std::ostream& out;
  std::ostream& err;
  // The program's own folder, where the Palm faces lie.
  std::string program_dir;
};

// Exit statuses.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;  // the command could not do its work
inline constexpr int kExitUsage = 2;   // the command line itself is wrong

using CommandFn = int (*)(const std::vector<std::string>& args, CommandContext& context);

struct Command {
  const char* name;
  const char* usage;  // the arguments, after "quillboard-cli <name> "
  CommandFn run;
};

}  // namespace qb::cli
