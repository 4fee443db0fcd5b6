#pragma once

// The converter run: reads a text file and writes it as a DOC database. Relative names are taken
// from the working folder.

#include <chrono>
#include <ostream>
#include <string>
#include <vector>

namespace qb::makedoc {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;  // out of memory and the like
inline constexpr int kExitBadParameters = 2;
inline constexpr int kExitInputError = 3;
inline constexpr int kExitOutputError = 4;

// Runs the converter over the command-line arguments (without the program name); reports go to
// `out`, errors to `err`. `now` dates the database. Returns one of the exit codes above.
int RunConverter(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                 std::chrono::system_clock::time_point now);

}  // namespace qb::makedoc
