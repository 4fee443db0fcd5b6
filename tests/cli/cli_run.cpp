#include "cli_run.h"

#include <sys/wait.h>

#include <cstdlib>

namespace qb::test {

std::string Quote(const std::string& s) { return "'" + s + "'"; }

CliRun RunCli(const TempDir& logs, const std::string& args, const std::string& cwd) {
  const std::string out_path = logs.Path("stdout.txt");
  const std::string err_path = logs.Path("stderr.txt");
  const std::string program = Quote(std::string(QB_BIN_DIR) + "/quillboard-cli");
  const std::string command = (cwd.empty() ? "" : "cd " + Quote(cwd) + " && ") + program + " " +
                              args + " >" + Quote(out_path) + " 2>" + Quote(err_path);
  const int raw = std::system(command.c_str());
  CliRun run;
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.out = ReadFileBytes(out_path);
  run.err = ReadFileBytes(err_path);
  return run;
}

}  // namespace qb::test
