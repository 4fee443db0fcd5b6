#pragma once

// The project file (.qbp): the library, the inspector's and the zoom window's layout, and
// the form files of the forms that were visible when it was saved. Its "Code" and "Icons"
// sections belong to the generate dialog and are left as they are.

#include <string>
#include <vector>

#include "app/main_geometry.h"
#include "model/ini_file.h"
#include "model/library.h"

namespace qb {

struct ProjectFileData {
  LibraryId library = LibraryId::kCControls;
  bool inspector_active = false;
  WindowRect inspector_bounds;
  bool zoom_active = false;
  int zoom_top = 0;
  int zoom_left = 0;
  // "ActiveForms": key and form-file path, in key order.
  std::vector<std::pair<std::string, std::string>> forms;
};

// Reads a project file; a missing file or key gives the defaults (library 1, inspector and
// zoom hidden, the inspector's default bounds, the zoom at the given position, no forms).
ProjectFileData ReadProjectFile(const std::string& path, int zoom_top, int zoom_left);

// Writes the project file over its earlier content: "Project", "Properties" and "Zoom" keys
// are set (the bounds only for a visible window, so hidden windows keep their last bounds),
// "ActiveForms" is written afresh, and every other section and key stays. False when the
// file could not be written. With an `origin` other than `path` (saving under a new name),
// the other sections and keys are those of the origin's file.
bool WriteProjectFile(const std::string& path, const ProjectFileData& data,
                      const std::string& origin = "");

// Why the file is not opened as a project: it cannot be read, or "<path> is not a Quillboard
// project: it has no [Project] section."; empty for a project file and for a missing one (a
// stale recent entry opens as an empty project named after it).
std::string ProjectRefusal(const std::string& path);

// The same on a file's content in memory ("Project"/"Name" is the caller's).
ProjectFileData ReadProjectFromIni(const IniFile& ini, int zoom_top, int zoom_left);
void WriteProjectToIni(IniFile& ini, const ProjectFileData& data);

// "Form" followed by the window's index in the list of open windows.
std::string ActiveFormKey(std::size_t window_index);

}  // namespace qb
