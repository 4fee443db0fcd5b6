#pragma once

// The converter's command line:
//
//   makedoc.exe [options] <text file> <database file> ["<document name>"]
//
// The generate dialog passes exactly the three names, the document name in double quotes, for
// example: temp001.txt Demo.pdb "Demo.pc". Variants that are accepted as well:
//   - the whole parameter text as one argument (the quotes are then handled here);
//   - a database name split at spaces, when a project name holds spaces and the dialog's text
//     leaves it unquoted: the words up to the first one ending in ".pdb" form the database name;
//   - a document name in several unquoted words (joined by single spaces) or still in quotes;
//   - no document name: the database file's name without folder and extension is used.

#include <string>
#include <string_view>
#include <vector>

namespace qb::makedoc {

struct Arguments {
  std::string input;
  std::string output;
  std::string title;
  bool compress = true;
  bool help = false;
};

struct ParseResult {
  Arguments arguments;
  std::string error;  // empty when the command line is valid
};

ParseResult ParseArguments(const std::vector<std::string>& args);

// Splits a parameter text into words: white space separates, double quotes group and are removed.
std::vector<std::string> SplitParameterText(std::string_view text);

}  // namespace qb::makedoc
