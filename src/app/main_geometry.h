#pragma once

// What the core knows of the main window's geometry; the Qt layer keeps it current.

#include <memory>
#include <vector>

#include "form/ChildFor.h"

namespace qb {

struct WindowRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

struct MainGeometry {
  // The main window's client area, in which designer and tool windows lie.
  int client_width = 1024;
  int client_height = 768;
  // Height of the tool bar dock along the top of the client area.
  int dock_height = 0;
  // The frame a tool window adds around its client area (title bar and borders).
  int frame_width = 0;
  int frame_height = 0;
  // Whether this is the active application.
  bool app_active = true;
  // Screen pixels per device pixel of the designer windows' pictures.
  int designer_scale = 1;
};

// The designer window's outer rectangle in the main window's client area.
WindowRect DesignerWindowRect(const TChildFrm& window, const MainGeometry& geometry);
// Whether a window lies wholly inside the client area below the dock.
bool InsideClientArea(const WindowRect& rect, const MainGeometry& geometry);

// How far a new window steps down and right from one standing at its place.
inline constexpr int kCascadeStep = 20;
// Moves a new window down and right in steps while another shown window stands exactly at
// its place, so that it does not hide that window; it stays where it is when the next step
// would leave the client area.
void CascadeWindow(TChildFrm& window, const std::vector<std::unique_ptr<TChildFrm>>& windows,
                   const MainGeometry& geometry);

}  // namespace qb
