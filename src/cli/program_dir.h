#pragma once

#include <string>

namespace qb::cli {

// The folder the running program lies in: from the system where it says so, else from the
// path the program was started by; "." when neither tells.
std::string ProgramDir(const char* argv0);

}  // namespace qb::cli
