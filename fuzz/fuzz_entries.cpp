#include "fuzz_entries.h"

#include <cstdint>

#include "app/project_file.h"
#include "app/settings.h"
#include "codegen/bmp_file.h"
#include "controls/palm_font.h"
#include "form/ChildFor.h"
#include "form/app_state.h"
#include "form/clipboard_format.h"
#include "form/form_file.h"
#include "model/ini_file.h"
#include "model/user_error.h"

namespace qb::fuzz {

namespace {

void Check(bool holds, const char* what) {
  if (!holds) throw InvariantBroken(what);
}

IniFile Parsed(std::string_view bytes) {
  IniFile ini;
  ini.Parse(bytes);
  return ini;
}

std::string FormRoundTrip(LibraryId lib, const IniFile& ini) {
  AppState state;
  TChildFrm form;
  form.SetName(ini.ReadString(kFormSection, "Name", ""));
  FormReadResult read = ReadFormFromIni(lib, form, ini, state);
  Check(read.controls <= kMaxFormControls, "a form read more controls than it holds");
  return WriteFormToIni(lib, form).Text();
}

bool SameProject(const ProjectFileData& a, const ProjectFileData& b) {
  return a.library == b.library && a.inspector_active == b.inspector_active &&
         (!a.inspector_active || (a.inspector_bounds.left == b.inspector_bounds.left &&
                                  a.inspector_bounds.top == b.inspector_bounds.top &&
                                  a.inspector_bounds.width == b.inspector_bounds.width &&
                                  a.inspector_bounds.height == b.inspector_bounds.height)) &&
         a.zoom_active == b.zoom_active &&
         (!a.zoom_active || (a.zoom_top == b.zoom_top && a.zoom_left == b.zoom_left)) &&
         a.forms.size() == b.forms.size();
}

}  // namespace

void ReadIniText(std::string_view bytes) {
  const std::string text = Parsed(bytes).Text();
  Check(Parsed(text).Text() == text, "INI text does not read back as written");
}

void ReadFormText(std::string_view bytes) {
  const IniFile ini = Parsed(bytes);
  for (LibraryId lib : {LibraryId::kCControls, LibraryId::kPToolboxLib}) {
    const std::string once = FormRoundTrip(lib, ini);
    Check(FormRoundTrip(lib, Parsed(once)) == once, "a saved form does not read back as saved");
  }
}

void ReadProjectText(std::string_view bytes) {
  const ProjectFileData first = ReadProjectFromIni(Parsed(bytes), 10, 20);
  Check(first.inspector_bounds.width > 0 && first.inspector_bounds.height > 0,
        "the inspector was given no size");
  IniFile written;
  WriteProjectToIni(written, first);
  const ProjectFileData second = ReadProjectFromIni(Parsed(written.Text()), 10, 20);
  Check(SameProject(first, second), "a saved project does not read back as saved");
}

void ReadOptionsText(std::string_view bytes) {
  const GeneralSettings first = ReadGeneralSettingsFromIni(Parsed(bytes));
  Check(first.library == LibraryId::kCControls || first.library == LibraryId::kPToolboxLib,
        "options name a library that does not exist");
  Check(first.recent.size() <= 10, "more than ten recent projects");
  IniFile written;
  WriteGeneralSettingsToIni(written, first);
  const GeneralSettings second = ReadGeneralSettingsFromIni(Parsed(written.Text()));
  Check(second.library == first.library && second.grid == first.grid &&
            second.short_names == first.short_names && second.recent.size() == first.recent.size(),
        "saved options do not read back as saved");
}

void ReadClipboardText(std::string_view bytes) {
  try {
    ClipboardControl read = ReadClipboardControl(bytes, nullptr);
    Check(read.control != nullptr, "the clipboard reader accepted text without a control");
  } catch (const UserError&) {
    // Refused with a message: what the reader is for.
  }
}

void ReadBitmap(std::string_view bytes) {
  std::string reason;
  const std::optional<BmpInfo> info = InspectBmp(bytes, &reason);
  if (!info) {
    Check(!reason.empty(), "a bitmap was refused without a reason");
    return;
  }
  Check(info->width > 0 && info->height > 0 && info->width <= 32768 && info->height <= 32768,
        "an accepted bitmap has a size out of range");
}

void ReadFontFile(std::string_view bytes) {
  std::span<const std::uint8_t> data(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                     bytes.size());
  std::string error;
  const std::optional<PalmFace> face = PalmFace::FromFile(data, &error);
  if (!face) {
    Check(!error.empty(), "a font was refused without a reason");
    return;
  }
  // A face that loads must also measure every character.
  std::string all;
  for (int c = 1; c < 128; ++c) all += static_cast<char>(c);
  Check(face->TextWidth(all) >= 0, "a loaded face measured a negative width");
}

const std::vector<Target>& Targets() {
  static const std::vector<Target> targets = {
      {"ini", ReadIniText, {"forms/ccontrols_all_kinds.qbf"}},
      {"form", ReadFormText, {"forms/ccontrols_all_kinds.qbf", "forms/ptoolbox_all_kinds.qbf"}},
      {"project", ReadProjectText, {"fuzz/demo.qbp"}},
      {"options", ReadOptionsText, {"fuzz/options.ini"}},
      {"clipboard", ReadClipboardText, {}},
      {"bitmap", ReadBitmap, {"fuzz/rle8.bmp"}},
      {"font", ReadFontFile, {}},
  };
  return targets;
}

const Target* FindTarget(std::string_view name) {
  for (const Target& t : Targets())
    if (name == t.name) return &t;
  return nullptr;
}

}  // namespace qb::fuzz
