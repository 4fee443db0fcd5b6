#include "controls/font_registry.h"

#include "model/captions.h"
#include "model/font.h"
#include "model/ui.h"

namespace qb {

namespace {
constexpr const char* kFontNotFoundPrefix = "Error: ";
constexpr const char* kFontNotFoundSuffix = " not found";
}  // namespace

const std::array<FontRegistry::PalmFaceFile, 4>& FontRegistry::Files() {
  static constexpr std::array<PalmFaceFile, 4> kFiles = {{
      {kPilotStandard, "PilotStandard.fon"},
      {kPilotLarge, "PilotLarge.fon"},
      {kPilotBold, "PilotBold.fon"},
      {kPilotBold12, "PilotBold12.fon"},
  }};
  return kFiles;
}

std::string FontNotFoundMessage(std::string_view file_name) {
  return std::string(kFontNotFoundPrefix) + std::string(file_name) + kFontNotFoundSuffix;
}

int FontRegistry::IndexOf(std::string_view font_name) {
  const auto& files = Files();
  for (std::size_t i = 0; i < files.size(); ++i)
    if (font_name == files[i].font_name) return static_cast<int>(i);
  return 0;  // PilotStandard
}

void FontRegistry::LoadPalmFonts(const std::string& folder, Ui& ui) {
  for (const PalmFaceFile& f : Files()) {
    std::string path = folder.empty() ? f.file_name : folder + "/" + f.file_name;
    std::string error;
    if (!LoadFace(f.font_name, path, &error))
      ui.MessageBox(kCaptionError, FontNotFoundMessage(f.file_name), MsgIcon::kError, kMbOk, kMbOk);
  }
}

bool FontRegistry::LoadFace(std::string_view font_name, const std::string& path,
                            std::string* error) {
  auto face = PalmFace::Load(path, error);
  if (!face) return false;
  faces_[IndexOf(font_name)] = std::move(face);
  return true;
}

void FontRegistry::SetFace(std::string_view font_name, PalmFace face) {
  faces_[IndexOf(font_name)] = std::move(face);
}

void FontRegistry::Unload() {
  for (auto& f : faces_) f.reset();
}

const PalmFace& FontRegistry::Face(std::string_view font_name) const {
  const auto& face = faces_[IndexOf(font_name)];
  return face ? *face : BuiltinFace();
}

bool FontRegistry::IsLoaded(std::string_view font_name) const {
  return faces_[IndexOf(font_name)].has_value();
}

}  // namespace qb
