#pragma once

// The fixed captions of the program's message boxes, and the prompts more than one layer asks.

#include <string>

namespace qb {

inline constexpr const char* kCaptionConfirm = "Confirm";
inline constexpr const char* kCaptionError = "Error";
inline constexpr const char* kCaptionWarning = "Warning";
inline constexpr const char* kCaptionInformation = "Information";
inline constexpr const char* kCaptionSaveForm = "Save form";
inline constexpr const char* kCaptionNewProject = "New project";
inline constexpr const char* kCaptionSaveDoc = "Save DOC";

// Asked by the main window's save commands and by the generate dialog alike.
inline std::string ReplaceFileText(const std::string& path) {
  return path + " already exists. Do you want to replace it?";
}

}  // namespace qb
