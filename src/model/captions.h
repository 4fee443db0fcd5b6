#pragma once

// The fixed captions of the program's message boxes.

namespace qb {

inline constexpr const char* kCaptionConfirm = "Confirm";
inline constexpr const char* kCaptionError = "Error";
inline constexpr const char* kCaptionWarning = "Warning";
inline constexpr const char* kCaptionInformation = "Information";
inline constexpr const char* kCaptionSaveForm = "Save form";
inline constexpr const char* kCaptionNewProject = "New project";
inline constexpr const char* kCaptionSaveDoc = "Save DOC";

}  // namespace qb
