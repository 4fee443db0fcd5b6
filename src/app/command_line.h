#pragma once

// The program's command line: one optional project or form file to open, or a request for
// the usage or the version, answered without a window (and without a display).

#include <string>
#include <vector>

namespace qb {

enum class StartAction { kRun, kHelp, kVersion, kError };

struct StartRequest {
  StartAction action = StartAction::kRun;
  std::string path;       // the file to open; empty for none
  std::string error;      // for kError: what is wrong, one line
  std::string error_arg;  // for kError: the word at fault, when one is
};

// args are the words after the program's name. "--" ends the options, so a file whose name
// starts with "-" can still be named.
StartRequest ParseCommandLine(const std::vector<std::string>& args);

// Whether a word is one of the toolkit's own start-up options (-platform, --style=..., ...),
// which the toolkit takes out of the command line before the program reads it.
bool IsToolkitOption(const std::string& arg);

std::string UsageText();
std::string VersionText();
// The text printed for a wrong command line, ending with how to ask for the usage.
std::string CommandLineErrorText(const std::string& error);

// What the file names when it is opened: a project (.qbp) or else a form, by its extension
// compared without regard to case.
bool NamesProjectFile(const std::string& path);

}  // namespace qb
