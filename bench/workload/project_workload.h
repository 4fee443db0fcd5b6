#pragma once

// A whole project on disk for the benchmarks: a folder with one form file per form, made by
// MakeFormFile, and the project file listing them all as open.

#include <string>

#include "model/library.h"

namespace qb::bench {

inline constexpr const char* kProjectFileName = "bench.qbp";

// Writes forms form files "Form1.qbf" ... of controls_per_form controls each and the project
// file into folder (created when missing); returns the project file's path, or an empty
// text when something could not be written.
std::string WriteProject(LibraryId lib, int forms, int controls_per_form, bool color,
                         const std::string& folder);

}  // namespace qb::bench
