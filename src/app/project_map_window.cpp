#include "app/project_map_window.h"

#include <set>

#include "app/lead_to_control.h"
#include "app/project_file.h"
#include "codegen/code_settings.h"
#include "model/ini_file.h"
#include "model/safe_file.h"

namespace qb {

namespace {

bool SameRects(const ProjectMap& a, const ProjectMap& b) {
  if (a.thumbnails.size() != b.thumbnails.size() || a.links.size() != b.links.size()) return false;
  for (std::size_t i = 0; i < a.thumbnails.size(); ++i)
    if (a.thumbnails[i].rect != b.thumbnails[i].rect ||
        a.thumbnails[i].form != b.thumbnails[i].form)
      return false;
  for (std::size_t i = 0; i < a.links.size(); ++i)
    if (a.links[i].start_area != b.links[i].start_area || a.links[i].control != b.links[i].control)
      return false;
  return true;
}

}  // namespace

std::string MapTooLargeText(Point wanted) {
  return "The map would be " + std::to_string(wanted.x) + " x " + std::to_string(wanted.y) +
         " pixels, too large to draw as one picture.";
}

std::string MapControlGoneText(const std::string& form, const std::string& control) {
  return "The form " + form + " has no control named " + control +
         " any more. The map is drawn again.";
}

std::vector<MapForm> MapFormsOf(const AppState& state, const std::vector<std::string>& unopened) {
  std::vector<MapForm> forms;
  for (const auto& window : state.windows)
    if (window->Visible()) forms.push_back({window.get(), window->Path()});
  std::set<std::string> placed;
  auto placeholder = [&](const std::string& file) {
    if (placed.insert(CanonicalPathText(file)).second) forms.push_back({nullptr, file});
  };
  for (const std::string& file : unopened) placeholder(file);
  // A listed file that is gone opens nothing either.
  if (!state.project_path.empty())
    for (const auto& [key, file] : ReadProjectFile(state.project_path, 0, 0).forms)
      if (!IsRegularFile(file)) placeholder(file);
  return forms;
}

std::string ProjectFirstForm(const std::string& project_path) {
  if (project_path.empty()) return {};
  IniFile ini;
  ini.Load(project_path);
  return ReadCodeSettings(ini).first_form;
}

ProjectMapWindow::ProjectMapWindow(AppState& state, Ui& ui, Designer& designer,
                                   const FontRegistry& fonts,
                                   const std::vector<std::string>& unopened)
    : state_(state),
      ui_(ui),
      designer_(designer),
      fonts_(fonts),
      unopened_(unopened),
      pictures_(fonts) {}

void ProjectMapWindow::Open() {
  visible_ = true;
  Draw();
  ++version_;
}

bool ProjectMapWindow::Follow() {
  if (!visible_) return false;
  const ProjectMap before = std::move(map_);
  const std::string note = note_;
  Draw();
  if (note == note_ && SameRects(before, map_) && before.picture.Width() == map_.picture.Width() &&
      before.picture.Height() == map_.picture.Height() &&
      before.picture.Pixels() == map_.picture.Pixels())
    return false;
  ++version_;
  return true;
}

void ProjectMapWindow::Draw() {
  const std::vector<MapForm> forms = MapFormsOf(state_, unopened_);
  map_ = BuildProjectMap(state_, forms, ProjectFirstForm(state_.project_path), pictures_, fonts_);
  if (forms.empty())
    note_ = kNoFormToMap;
  else if (map_.too_large)
    note_ = MapTooLargeText(map_.wanted);
  else
    note_.clear();
}

TChildFrm* ProjectMapWindow::WindowOf(const TChildFrm* form) const {
  for (const auto& window : state_.windows)
    if (window.get() == form && window->Visible()) return window.get();
  return nullptr;
}

void ProjectMapWindow::OpenAt(Point map_point) {
  const int link = map_.LinkStartAt(map_point);
  const int thumbnail = map_.ThumbnailAt(map_point);
  if (link < 0 && thumbnail < 0) return;
  const std::size_t form = link >= 0 ? map_.links[static_cast<std::size_t>(link)].form
                                     : map_.thumbnails[static_cast<std::size_t>(thumbnail)].form;
  TChildFrm* window = WindowOf(map_.forms[form].form);
  if (!window) return;
  if (link < 0) {
    designer_.Activate(*window);
    return;
  }
  const MapLink found = map_.links[static_cast<std::size_t>(link)];
  TControl* control = nullptr;
  for (TControl* c : window->AllControls())
    if (c->Name() == found.control) control = c;
  if (!control) {
    ui_.MessageBox(kCaptionInformation, MapControlGoneText(window->Name(), found.control),
                   MsgIcon::kInformation, kMbOk, kMbOk);
    Follow();
    return;
  }
  LeadToControl(designer_, *window, control);
}

}  // namespace qb
