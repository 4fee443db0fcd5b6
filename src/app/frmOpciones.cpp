#include "app/frmOpciones.h"

#include <filesystem>

#include "form/form_file.h"
#include "model/ini_file.h"

namespace qb {

namespace {

constexpr const char* kDesignSection = "Design";
constexpr const char* kFormWhiteKey = "FormWhite";
constexpr const char* kCodeSection = "Code";
constexpr const char* kCControlsPathKey = "CControlsPath";

}  // namespace

void TfrmOpcionesGenerales::Show(const std::string& settings_path) {
  settings_path_ = settings_path;
  page_ = Page::kDesign;
  IniFile ini;
  ini.Load(settings_path_);
  form_white_ = ini.ReadInteger(kDesignSection, kFormWhiteKey, 0) != 0;
  cc_path_ = ini.ReadString(kCodeSection, kCControlsPathKey, "");
}

void TfrmOpcionesGenerales::ChooseCControlsPath(Ui& ui) {
  std::optional<std::string> path =
      ui.ChooseOpenFile({kChooserTitle, kChooserFilter, "", "", cc_path_});
  if (path) cc_path_ = *path;
}

bool TfrmOpcionesGenerales::Ok(Ui& ui) {
  std::error_code ec;
  std::filesystem::path folder = std::filesystem::path(settings_path_).parent_path();
  if (!folder.empty()) std::filesystem::create_directories(folder, ec);
  IniFile ini;
  ini.Load(settings_path_);
  ini.WriteInteger(kDesignSection, kFormWhiteKey, form_white_ ? 1 : 0);
  ini.WriteString(kCodeSection, kCControlsPathKey, cc_path_);
  if (ini.Save(settings_path_)) return true;
  ui.MessageBox(kCaptionError, UnableToWriteMessage(settings_path_), MsgIcon::kError, kMbOk, kMbOk);
  return false;
}

}  // namespace qb
