#pragma once

// The main window's own captions, prompts and file-dialog settings, each written once.

#include <string>
#include <vector>

#include "model/captions.h"

namespace qb {

inline constexpr const char* kApplicationTitle = "Quillboard";
inline constexpr const char* kMainCaption = "Quillboard 1.21";
inline constexpr const char* kMainCaptionPrefix = "Quillboard 1.21 - ";

inline constexpr const char* kNewProjectName = "Project1";

inline constexpr const char* kMustSaveBeforeGenerate =
    "You must save the project before code generation";

inline std::string SaveProjectChangesText(const std::string& project_name) {
  return "Save changes to project " + project_name + "?";
}
inline std::string SaveFormChangesText(const std::string& form_name) {
  return "Save changes to form " + form_name + "?";
}
inline std::string OtherLibraryText(const std::string& path) {
  return path + " format is not of the current library";
}

// A form file the project lists that is not there.
inline std::string ListedFormMissingText(const std::string& path) {
  return path + " is missing. It was not opened.";
}

inline std::string ChangedOnDiskText(const std::string& path) {
  return path + " was changed by another program since it was opened. Replace it?";
}
// A Save Project that stopped before the project file was written.
inline std::string ProjectNotSavedText(const std::string& what) {
  return what + " was not saved; the project was not saved.";
}

// Several sentences in one message, one a line.
inline std::string JoinLines(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) out += (out.empty() ? "" : "\n") + line;
  return out;
}

inline constexpr const char* kCaptionRecover = "Recover";
inline std::string RecoverQuestionText(const std::string& work) {
  return "Quillboard did not close normally. Recover the unsaved work of " + work + "?";
}
inline constexpr const char* kRecoveryNotePrefix = "Recovery copy written at ";

inline std::string FileToOpenMissingText(const std::string& path) { return path + " not found"; }

inline constexpr const char* kProjectExtension = "qbp";
inline constexpr const char* kProjectSaveFilter = "Quillboard project (*.qbp)|*.qbp";
inline constexpr const char* kProjectSaveTitle = "Save project";
inline constexpr const char* kProjectOpenFilter = "Quillboard Project (*.qbp)|*.qbp";
inline constexpr const char* kProjectOpenTitle = "Open Project";

inline constexpr const char* kFormExtension = "qbf";
inline constexpr const char* kFormSaveFilter = "Quillboard form (*.qbf)|*.qbf";
inline constexpr const char* kFormSaveTitle = "Save Form";
inline constexpr const char* kFormOpenFilter = "Quillboard Form (*.qbf)|*.qbf";
inline constexpr const char* kFormOpenTitle = "Open Form";

inline constexpr const char* kShortNamesPanel = "Short names";

inline std::string ManualMissingText(const std::string& path) {
  return "The manual was not found: " + path;
}

}  // namespace qb
