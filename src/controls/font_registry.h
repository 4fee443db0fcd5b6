#pragma once

// The four Palm faces, loaded once from the program's folder and looked up by a control's
// font name. A face that could not be loaded is drawn with the built-in face instead.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "controls/palm_font.h"

namespace qb {

class Ui;

class FontRegistry {
 public:
  // The four faces in start-up order, with their files.
  struct PalmFaceFile {
    const char* font_name;
    const char* file_name;
  };
  static const std::array<PalmFaceFile, 4>& Files();

  // Loads the four faces from folder in start-up order. Each one that cannot be loaded is
  // reported through ui as "Error: <file> not found" and the others still load.
  void LoadPalmFonts(const std::string& folder, Ui& ui);
  // Loads one face under a Palm font name from a file; false (with the reason) when the file
  // is missing or unreadable, keeping whatever was loaded under that name before.
  bool LoadFace(std::string_view font_name, const std::string& path, std::string* error);
  // Puts a face under a Palm font name (tests, and faces made in memory).
  void SetFace(std::string_view font_name, PalmFace face);
  void Unload();

  // The face a control with this font name draws with: one of the four Palm faces, with
  // PilotStandard for any other name (compared exactly, as the font labels are), and the
  // built-in face for one that is not loaded.
  const PalmFace& Face(std::string_view font_name) const;
  bool IsLoaded(std::string_view font_name) const;

 private:
  // Index into Files() by the lookup rule above.
  static int IndexOf(std::string_view font_name);
  std::array<std::optional<PalmFace>, 4> faces_;
};

// "Error: <file> not found".
std::string FontNotFoundMessage(std::string_view file_name);

}  // namespace qb
