#pragma once

// The lines a merge of written code adds to a text, and what the generate dialog says of it.

#include <string>

namespace qb {

// Put in front of each line the generator added to a handler whose body the user changed.
inline constexpr const char* kGeneratedMark = "//generated:";
// Put in front of each line of the end block.
inline constexpr const char* kKeptMark = "//";
inline constexpr const char* kKeptHandlerOpen = "//kept: ";
inline constexpr const char* kKeptHandlerClose = " is no longer in the design; its code was:";
inline constexpr const char* kKeptLinesTitle =
    "//kept: lines whose place in the generated code is gone:";

// The project-file key of the dialog's "Keep the code written in the files" check box.
inline constexpr const char* kKeepCodeKey = "KeepCode";
inline constexpr const char* kKeepCodeCaption = "&Keep the code written in the files";
// The base of a generated file is kept beside it under its name and this.
inline constexpr const char* kBaseSuffix = ".base";
// Added to the question before a file is replaced whose code the text kept.
inline constexpr const char* kCodeKeptSuffix = " Your code in it is kept.";

// The dialog's line after a Generate that merged: "Kept your code in 5 handlers; 1 handler
// of a removed or renamed control kept as a comment at the end."
std::string KeptCodeText(int kept_handlers, int kept_lines, int ended_handlers, int ended_lines);

}  // namespace qb
