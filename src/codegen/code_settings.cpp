#include "codegen/code_settings.h"

#include <filesystem>

#include "codegen/merge_texts.h"

namespace qb {

namespace {

bool ReadBool(const IniFile& ini, const char* key, bool fallback) {
  return ini.ReadInteger(kCodeSection, key, fallback ? 1 : 0) != 0;
}

void WriteBool(IniFile& ini, const char* key, bool value) {
  ini.WriteInteger(kCodeSection, key, value ? 1 : 0);
}

}  // namespace

CodeSettings ReadCodeSettings(const IniFile& ini) {
  CodeSettings s;
  if (const std::string* output = ini.Find(kCodeSection, kOutputKey)) s.output = *output;
  s.first_form = ini.ReadString(kCodeSection, kFirstFormKey, "");
  s.memo = ReadBool(ini, kMemoKey, false);
  s.creator_id = ini.ReadString(kCodeSection, kCreatorIdKey, kDefaultCreatorId);
  s.app_name = ini.ReadString(kCodeSection, kAppNameKey, kDefaultAppName);
  s.app_db = ini.ReadString(kCodeSection, kAppDbKey, kDefaultAppDb);
  s.version = ini.ReadString(kCodeSection, kVersionKey, kDefaultVersion);
  s.color = ReadBool(ini, kColorKey, true);
  s.keep_code = ReadBool(ini, kKeepCodeKey, true);
  return s;
}

void WriteCodeSettings(IniFile& ini, const CodeSettings& s, bool with_color) {
  ini.WriteString(kCodeSection, kOutputKey, s.output.value_or(""));
  ini.WriteString(kCodeSection, kFirstFormKey, s.first_form);
  WriteBool(ini, kMemoKey, s.memo);
  ini.WriteString(kCodeSection, kCreatorIdKey, s.creator_id);
  ini.WriteString(kCodeSection, kAppNameKey, s.app_name);
  ini.WriteString(kCodeSection, kAppDbKey, s.app_db);
  ini.WriteString(kCodeSection, kVersionKey, s.version);
  if (with_color) WriteBool(ini, kColorKey, s.color);
  if (s.keep_code)
    ini.DeleteKey(kCodeSection, kKeepCodeKey);
  else
    WriteBool(ini, kKeepCodeKey, false);
}

std::array<std::string, kIconCount> ReadIconPaths(const IniFile& ini) {
  std::array<std::string, kIconCount> paths;
  for (int i = 0; i < kIconCount; ++i)
    paths[static_cast<std::size_t>(i)] = ini.ReadString(kIconsSection, kIconSlots[i].key, "");
  return paths;
}

bool UpdateProjectFile(const std::string& path, const std::function<void(IniFile&)>& change) {
  IniFile ini;
  const ReadStatus read = ini.LoadFile(path);
  if (read != ReadStatus::kOk && read != ReadStatus::kMissing) return false;
  change(ini);
  return ini.Save(path);
}

}  // namespace qb
