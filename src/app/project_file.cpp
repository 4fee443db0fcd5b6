#include "app/project_file.h"

#include "model/ini_file.h"
#include "model/safe_file.h"

namespace qb {

namespace {

constexpr const char* kProjectSection = "Project";
constexpr const char* kPropertiesSection = "Properties";
constexpr const char* kZoomSection = "Zoom";
constexpr const char* kActiveFormsSection = "ActiveForms";
constexpr const char* kNameKey = "Name";
constexpr const char* kLibKey = "Lib";
constexpr const char* kActiveKey = "Active";
constexpr const char* kTopKey = "Top";
constexpr const char* kLeftKey = "Left";
constexpr const char* kWidthKey = "Width";
constexpr const char* kHeightKey = "Height";
constexpr const char* kFormKeyPrefix = "Form";

constexpr int kDefaultInspectorWidth = 264;
constexpr int kDefaultInspectorHeight = 346;

bool ReadBool(const IniFile& ini, const char* section, const char* key) {
  return ini.ReadInteger(section, key, 0) != 0;
}

}  // namespace

std::string ActiveFormKey(std::size_t window_index) {
  return kFormKeyPrefix + std::to_string(window_index);
}

ProjectFileData ReadProjectFile(const std::string& path, int zoom_top, int zoom_left) {
  IniFile ini;
  ini.Load(path);
  return ReadProjectFromIni(ini, zoom_top, zoom_left);
}

ProjectFileData ReadProjectFromIni(const IniFile& ini, int zoom_top, int zoom_left) {
  ProjectFileData data;
  int lib = ini.ReadInteger(kProjectSection, kLibKey, 1);
  data.library = lib == 2 ? LibraryId::kPToolboxLib : LibraryId::kCControls;

  data.inspector_active = ReadBool(ini, kPropertiesSection, kActiveKey);
  data.inspector_bounds.left = ini.ReadInteger(kPropertiesSection, kLeftKey, 0);
  data.inspector_bounds.top = ini.ReadInteger(kPropertiesSection, kTopKey, 0);
  data.inspector_bounds.width =
      ini.ReadInteger(kPropertiesSection, kWidthKey, kDefaultInspectorWidth);
  data.inspector_bounds.height =
      ini.ReadInteger(kPropertiesSection, kHeightKey, kDefaultInspectorHeight);
  // A window without size could never be seen or grabbed again.
  if (data.inspector_bounds.width <= 0) data.inspector_bounds.width = kDefaultInspectorWidth;
  if (data.inspector_bounds.height <= 0) data.inspector_bounds.height = kDefaultInspectorHeight;

  data.zoom_active = ReadBool(ini, kZoomSection, kActiveKey);
  data.zoom_top = ini.ReadInteger(kZoomSection, kTopKey, zoom_top);
  data.zoom_left = ini.ReadInteger(kZoomSection, kLeftKey, zoom_left);

  for (const std::string& key : ini.Keys(kActiveFormsSection)) {
    const std::string* value = ini.Find(kActiveFormsSection, key);
    data.forms.emplace_back(key, value ? *value : std::string());
  }
  return data;
}

std::string ProjectRefusal(const std::string& path) {
  IniFile ini;
  const ReadStatus read = ini.LoadFile(path);
  if (read == ReadStatus::kMissing) return {};
  if (read != ReadStatus::kOk) return ReadProblemText(path, read, kMaxDocumentFileSize);
  if (!ini.HasSection(kProjectSection))
    return path + " is not a Quillboard project: it has no [" + kProjectSection + "] section.";
  return {};
}

bool WriteProjectFile(const std::string& path, const ProjectFileData& data,
                      const std::string& origin) {
  IniFile ini;
  const std::string& source =
      origin.empty() || CanonicalPathText(origin) == CanonicalPathText(path) ? path : origin;
  // A file that exists but cannot be read is not written over: its sections would be lost.
  const ReadStatus read = ini.LoadFile(source);
  if (read != ReadStatus::kOk && read != ReadStatus::kMissing) return false;
  ini.WriteString(kProjectSection, kNameKey, path);
  WriteProjectToIni(ini, data);
  return ini.Save(path);
}

void WriteProjectToIni(IniFile& ini, const ProjectFileData& data) {
  ini.WriteInteger(kProjectSection, kLibKey, static_cast<int>(data.library));
  ini.WriteInteger(kPropertiesSection, kActiveKey, data.inspector_active ? 1 : 0);
  if (data.inspector_active) {
    ini.WriteInteger(kPropertiesSection, kTopKey, data.inspector_bounds.top);
    ini.WriteInteger(kPropertiesSection, kLeftKey, data.inspector_bounds.left);
    ini.WriteInteger(kPropertiesSection, kWidthKey, data.inspector_bounds.width);
    ini.WriteInteger(kPropertiesSection, kHeightKey, data.inspector_bounds.height);
  }
  ini.WriteInteger(kZoomSection, kActiveKey, data.zoom_active ? 1 : 0);
  if (data.zoom_active) {
    ini.WriteInteger(kZoomSection, kTopKey, data.zoom_top);
    ini.WriteInteger(kZoomSection, kLeftKey, data.zoom_left);
  }
  ini.EraseSection(kActiveFormsSection);
  for (const auto& [key, form_path] : data.forms)
    ini.WriteString(kActiveFormsSection, key, form_path);
}

}  // namespace qb
