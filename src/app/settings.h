#pragma once

// The program's settings file "options.ini": where it lives and the "General" and
// "MRU Items" sections that the main window reads at start-up and writes at program end.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/ini_file.h"
#include "model/library.h"

namespace qb {

inline constexpr const char* kSettingsFileName = "options.ini";
inline constexpr int kMinDesignerScale = 1;
inline constexpr int kMaxDesignerScale = 4;
// Seconds between recovery copies ("AutoSave"/"Seconds"); 0 writes none.
inline constexpr int kDefaultAutoSaveSeconds = 60;
inline constexpr int kMaxAutoSaveSeconds = 24 * 60 * 60;

// The outside world the settings location depends on; tests replace it.
struct SettingsEnvironment {
  // An environment variable; nullopt when unset.
  std::function<std::optional<std::string>(const char* name)> get_env;

  static SettingsEnvironment System();
};

// The settings file, in the user's configuration folder ($XDG_CONFIG_HOME/quillboard or
// ~/.config/quillboard), so that nothing is written beside an installed program. Only when
// neither variable is set does it fall back to the program's folder.
std::string SettingsPath(const std::string& program_dir, const SettingsEnvironment& env);
// The file to read the settings from: the chosen file, or the program folder's own one while
// the chosen file (in the user's folder) does not exist yet, so a copy shipped beside the
// program seeds a new user's settings.
std::string SettingsSourcePath(const std::string& program_dir, const std::string& chosen);
// The user's configuration folder for the program; empty when neither variable is set.
std::string UserSettingsFolder(const SettingsEnvironment& env);
// Where recovery sets are kept: $XDG_STATE_HOME/quillboard/recovery, else
// ~/.local/state/quillboard/recovery; empty when neither variable is set (no recovery).
std::string RecoveryFolder(const SettingsEnvironment& env);

struct GeneralSettings {
  LibraryId library = LibraryId::kPToolboxLib;
  bool grid = true;
  bool short_names = false;
  // How many screen pixels show one device pixel in the designer windows.
  int scale = 1;
  // Seconds between recovery copies, 0 for none; a bad value reads as the default.
  int autosave_seconds = kDefaultAutoSaveSeconds;
  std::vector<std::string> recent;  // newest first
};

// Reads the settings; a missing or unreadable file, or a bad value, gives the defaults.
GeneralSettings ReadGeneralSettings(const std::string& path);
// Writes "General" and "MRU Items" into the file, keeping every other section and key;
// creates the file (and its folder) when missing. False when it could not be written.
bool WriteGeneralSettings(const std::string& path, const GeneralSettings& settings);
// The same on a file's content in memory.
GeneralSettings ReadGeneralSettingsFromIni(const IniFile& ini);
void WriteGeneralSettingsToIni(IniFile& ini, const GeneralSettings& settings);

}  // namespace qb
