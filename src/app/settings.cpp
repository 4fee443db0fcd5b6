#include "app/settings.h"

#include <cstdlib>
#include <filesystem>

#include "model/ini_file.h"
#include "model/safe_file.h"

namespace qb {

namespace {

namespace fs = std::filesystem;

constexpr const char* kGeneralSection = "General";
constexpr const char* kRecentSection = "MRU Items";
constexpr const char* kLibKey = "Lib";
constexpr const char* kGridKey = "Grid";
constexpr const char* kShortNamesKey = "ShortNames";
constexpr const char* kDesignSection = "Design";
constexpr const char* kScaleKey = "Scale";
constexpr const char* kAutoSaveSection = "AutoSave";
constexpr const char* kSecondsKey = "Seconds";
constexpr const char* kRecentKeyPrefix = "F";
constexpr std::size_t kRecentKeys = 10;
constexpr const char* kUserFolderName = "quillboard";

std::optional<std::string> SystemEnv(const char* name) {
  const char* value = std::getenv(name);
  if (!value || !*value) return std::nullopt;
  return std::string(value);
}

// Appended, not prefix + …: gcc 12 at -O3 reports a false overlap in operator+ on a temporary.
std::string RecentKey(std::size_t index) {
  std::string key = kRecentKeyPrefix;
  return key.append(std::to_string(index));
}

}  // namespace

SettingsEnvironment SettingsEnvironment::System() { return {SystemEnv}; }

std::string UserSettingsFolder(const SettingsEnvironment& env) {
  // A relative XDG_CONFIG_HOME is invalid and ignored, as the base-directory rules ask.
  if (auto xdg = env.get_env("XDG_CONFIG_HOME"); xdg && fs::path(*xdg).is_absolute())
    return (fs::path(*xdg) / kUserFolderName).string();
  if (auto home = env.get_env("HOME"))
    return (fs::path(*home) / ".config" / kUserFolderName).string();
  return "";
}

std::string RecoveryFolder(const SettingsEnvironment& env) {
  fs::path state;
  if (auto xdg = env.get_env("XDG_STATE_HOME"); xdg && fs::path(*xdg).is_absolute())
    state = fs::path(*xdg);
  else if (auto home = env.get_env("HOME"))
    state = fs::path(*home) / ".local" / "state";
  else
    return "";
  return (state / kUserFolderName / "recovery").string();
}

std::string SettingsPath(const std::string& program_dir, const SettingsEnvironment& env) {
  const std::string user = UserSettingsFolder(env);
  if (user.empty()) return (fs::path(program_dir) / kSettingsFileName).string();
  return (fs::path(user) / kSettingsFileName).string();
}

std::string SettingsSourcePath(const std::string& program_dir, const std::string& chosen) {
  if (IsRegularFile(chosen)) return chosen;
  const std::string in_program = (fs::path(program_dir) / kSettingsFileName).string();
  return IsRegularFile(in_program) ? in_program : chosen;
}

GeneralSettings ReadGeneralSettings(const std::string& path) {
  IniFile ini;
  ini.Load(path);
  return ReadGeneralSettingsFromIni(ini);
}

GeneralSettings ReadGeneralSettingsFromIni(const IniFile& ini) {
  GeneralSettings s;
  int lib = ini.ReadInteger(kGeneralSection, kLibKey, static_cast<int>(s.library));
  if (lib == 1 || lib == 2) s.library = static_cast<LibraryId>(lib);
  s.grid = ini.ReadInteger(kGeneralSection, kGridKey, 1) == 1;
  s.short_names = ini.ReadInteger(kGeneralSection, kShortNamesKey, 0) == 1;
  int scale = ini.ReadInteger(kDesignSection, kScaleKey, 1);
  if (scale >= kMinDesignerScale && scale <= kMaxDesignerScale) s.scale = scale;
  // Only read: a user's own value stays in the file as it was typed.
  int seconds = ini.ReadInteger(kAutoSaveSection, kSecondsKey, kDefaultAutoSaveSeconds);
  if (seconds >= 0 && seconds <= kMaxAutoSaveSeconds) s.autosave_seconds = seconds;
  for (std::size_t i = 0; i < kRecentKeys; ++i) {
    if (const std::string* value = ini.Find(kRecentSection, RecentKey(i)))
      s.recent.push_back(*value);
  }
  return s;
}

bool WriteGeneralSettings(const std::string& path, const GeneralSettings& settings) {
  std::error_code ec;
  fs::path folder = fs::path(path).parent_path();
  if (!folder.empty()) fs::create_directories(folder, ec);
  IniFile ini;
  // A settings file that exists but cannot be read is left alone, with whatever it holds.
  const ReadStatus read = ini.LoadFile(path);
  if (read != ReadStatus::kOk && read != ReadStatus::kMissing) return false;
  WriteGeneralSettingsToIni(ini, settings);
  return ini.Save(path);
}

void WriteGeneralSettingsToIni(IniFile& ini, const GeneralSettings& settings) {
  ini.WriteInteger(kGeneralSection, kLibKey, static_cast<int>(settings.library));
  ini.WriteInteger(kGeneralSection, kGridKey, settings.grid ? 1 : 0);
  ini.WriteInteger(kGeneralSection, kShortNamesKey, settings.short_names ? 1 : 0);
  ini.WriteInteger(kDesignSection, kScaleKey, settings.scale);
  ini.EraseSection(kRecentSection);
  for (std::size_t i = 0; i < settings.recent.size() && i < kRecentKeys; ++i)
    ini.WriteString(kRecentSection, RecentKey(i), settings.recent[i]);
}

}  // namespace qb
