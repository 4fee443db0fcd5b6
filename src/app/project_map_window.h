#pragma once

// Project > Project Map: the map of the open project's forms, kept for the dock the view
// shows and drawn again after each change while shown. A double-click leads into the design:
// on a link's start it selects that control, elsewhere on a thumbnail it activates the form.
// Drawing only reads the forms.

#include <string>
#include <vector>

#include "controls/font_registry.h"
#include "designer/designer.h"
#include "form/app_state.h"
#include "map/project_map.h"
#include "model/ui.h"

namespace qb {

inline constexpr const char* kProjectMapTitle = "Project Map";
inline constexpr const char* kNoFormToMap = "No form is open to map.";

// Why a map is not drawn: "The map would be <w> x <h> pixels; ..."
std::string MapTooLargeText(Point wanted);
// Why a double-click leads nowhere: the control is gone or renamed since the map was drawn.
std::string MapControlGoneText(const std::string& form, const std::string& control);

// The forms a map of the open project shows: the visible designer windows in the window list's
// order (the project's order for a loaded project), then the listed files that could not be
// opened: those the main window kept, and those the project file lists that are gone.
std::vector<MapForm> MapFormsOf(const AppState& state, const std::vector<std::string>& unopened);
// The project's first form ("Code"/"FirstForm"); empty without a project or the key.
std::string ProjectFirstForm(const std::string& project_path);

class ProjectMapWindow {
 public:
  // unopened: the listed form files that could not be opened, kept by the main window.
  ProjectMapWindow(AppState& state, Ui& ui, Designer& designer, const FontRegistry& fonts,
                   const std::vector<std::string>& unopened);

  // Project > Project Map: shown, and drawn afresh.
  void Open();
  // The dock's close box.
  void Close() { visible_ = false; }
  bool Visible() const { return visible_; }
  // After input while shown: the map drawn again; true when it shows something else now.
  bool Follow();
  // A double-click at a point of the map: on a link's start its control selected, elsewhere
  // on a thumbnail its form's window activated; a placeholder or the background do nothing.
  void OpenAt(Point map_point);

  const ProjectMap& Map() const { return map_; }
  // What the dock says instead of a picture (no form, too large); empty when it shows one.
  const std::string& Note() const { return note_; }
  // Moves on each time the map shows something else.
  unsigned Version() const { return version_; }

 private:
  void Draw();
  TChildFrm* WindowOf(const TChildFrm* form) const;

  AppState& state_;
  Ui& ui_;
  Designer& designer_;
  const FontRegistry& fonts_;
  const std::vector<std::string>& unopened_;
  MapPictures pictures_;
  bool visible_ = false;
  ProjectMap map_;
  std::string note_;
  unsigned version_ = 0;
};

}  // namespace qb
