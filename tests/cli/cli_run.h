#pragma once

// quillboard-cli run as the program it is, by the command-line tests.

#include <string>

#include "support/temp_dir.h"

namespace qb::test {

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

// The text in single quotes, as the shell takes it whole.
std::string Quote(const std::string& s);

// Runs quillboard-cli with the arguments (already quoted where needed), in cwd when one is
// given; what it writes to its output and error streams is kept in files of logs.
CliRun RunCli(const TempDir& logs, const std::string& args, const std::string& cwd = {});

}  // namespace qb::test
