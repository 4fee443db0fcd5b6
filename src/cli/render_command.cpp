#include "cli/render_command.h"

#include <filesystem>
#include <ostream>
#include <vector>

#include "cli/cli_support.h"
#include "cli/cli_texts.h"
#include "cli/render_options.h"
#include "controls/CCMenu.h"
#include "controls/font_registry.h"
#include "controls/form_picture.h"
#include "controls/png_writer.h"
#include "controls/size_rules.h"
#include "designer/menus.h"
#include "form/ChildFor.h"
#include "form/app_state.h"
#include "form/form_file.h"
#include "model/safe_file.h"

namespace qb::cli {

namespace {

// Opens the menu as setting its Test to Yes does. A form file holds the bar after the menus,
// so reading puts it in front of them; the menus are brought back over it, in their order, the
// open one last, as the designer showed them.
bool ShowMenu(TChildFrm& form, const std::string& name) {
  auto* menu = As<TCCMenu>(form.FindControl(name));
  if (!menu) return false;
  {
    TChildFrm::ViewScope view(form);
    menu->SetTest(1);
  }
  OpenMenu(form, *menu);
  TDesignerClient& client = form.Client();
  std::vector<TCCMenu*> menus;
  for (const auto& child : client.Children())
    if (auto* other = As<TCCMenu>(child.get())) menus.push_back(other);
  for (TCCMenu* m : menus) client.BringToFront(m);
  client.BringToFront(menu);
  return true;
}

int Failed(CommandContext& context, const std::string& subject, const std::string& why) {
  context.err << kProgramName << " " << kRenderName << ": " << subject << ": " << why << "\n";
  return kExitFailed;
}

}  // namespace

int RunRender(const std::vector<std::string>& args, CommandContext& context) {
  std::string why;
  const auto options = ParseRenderOptions(args, &why);
  if (!options) return UsageError(context, kRenderName, kRenderUsage, why);
  const std::string& path = options->form_path;
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return Failed(context, path, kNoSuchFile);
  const FormFileHeader header = InspectFormFile(path, static_cast<LibraryId>(options->library));
  // The designer's own words for a file it would not open.
  if (const std::string refusal = FormFileRefusal(path, header); !refusal.empty()) {
    context.err << kProgramName << " " << kRenderName << ": " << refusal << "\n";
    return kExitFailed;
  }
  const std::string& name = header.name;
  const int file_lib = header.lib;
  if (file_lib != options->library)
    return Failed(context, path,
                  std::string(kFormOfLibrary) + " " + std::to_string(file_lib) + ", " +
                      kNotOfLibrary + " " + std::to_string(options->library));

  const LibraryId lib = static_cast<LibraryId>(options->library);
  // The faces are loaded first: reading gives each control the size they draw it at.
  FontRegistry fonts;
  LoadPalmFaces(context.program_dir, fonts, context.err);
  MeasuringFacesScope measuring(fonts);
  AppState state;
  state.library = lib;
  TChildFrm form;
  form.SetName(name);
  ReadForm(lib, form, path, state);
  if (!options->show_menu.empty() && !ShowMenu(form, options->show_menu))
    return Failed(context, path, std::string(kNoSuchMenu) + " \"" + options->show_menu + "\"");

  FormPicture picture(fonts);
  if (!WritePng(options->out_path, picture.Render(form.Client()), options->scale))
    return Failed(context, options->out_path, kCannotWrite);
  return kExitOk;
}

}  // namespace qb::cli
