#pragma once

// The generate dialog's part of the project file: the "Code" keys written on Generate and
// the "Icons" paths written when an icon is chosen. Other sections stay as they are.

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "codegen/generate_tables.h"
#include "codegen/generate_texts.h"
#include "model/ini_file.h"

namespace qb {

struct CodeSettings {
  // Missing: the folder field keeps its text.
  std::optional<std::string> output;
  std::string first_form;
  bool memo = false;
  std::string creator_id = kDefaultCreatorId;
  std::string app_name = kDefaultAppName;
  std::string app_db = kDefaultAppDb;
  std::string version = kDefaultVersion;
  bool color = true;
  // Kept in the file only when off, so that projects from before it stay as they are.
  bool keep_code = true;
};

CodeSettings ReadCodeSettings(const IniFile& ini);
// The colour key only for libraries with the colour option.
void WriteCodeSettings(IniFile& ini, const CodeSettings& settings, bool with_color);

// The chosen icon files in icon-slot order; empty where none was chosen.
std::array<std::string, kIconCount> ReadIconPaths(const IniFile& ini);

// Reads the project file, applies the change and writes it back at once. A project file that
// exists but cannot be read is left alone, so that its other sections are never lost. False
// when the file was not written.
bool UpdateProjectFile(const std::string& path, const std::function<void(IniFile&)>& change);

}  // namespace qb
