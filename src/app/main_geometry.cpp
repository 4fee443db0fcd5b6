#include "app/main_geometry.h"

namespace qb {

WindowRect DesignerWindowRect(const TChildFrm& window, const MainGeometry& geometry) {
  return {window.WindowLeft(), window.WindowTop(),
          TDesignerClient::kClientWidth * geometry.designer_scale + geometry.frame_width,
          TDesignerClient::kClientHeight * geometry.designer_scale + geometry.frame_height};
}

bool InsideClientArea(const WindowRect& rect, const MainGeometry& geometry) {
  return rect.left >= 0 && rect.top >= geometry.dock_height &&
         rect.left + rect.width <= geometry.client_width &&
         rect.top + rect.height <= geometry.client_height;
}

namespace {

bool Occupied(const TChildFrm& window, const std::vector<std::unique_ptr<TChildFrm>>& windows,
              int left, int top) {
  for (const auto& other : windows)
    if (other.get() != &window && other->Visible() && other->WindowLeft() == left &&
        other->WindowTop() == top)
      return true;
  return false;
}

}  // namespace

void CascadeWindow(TChildFrm& window, const std::vector<std::unique_ptr<TChildFrm>>& windows,
                   const MainGeometry& geometry) {
  int left = window.WindowLeft(), top = window.WindowTop();
  // Each step leaves a place that is taken, so there are at most as many steps as windows.
  for (std::size_t step = 0; step < windows.size(); ++step) {
    if (!Occupied(window, windows, left, top)) break;
    WindowRect next = DesignerWindowRect(window, geometry);
    next.left = left + kCascadeStep;
    next.top = top + kCascadeStep;
    if (!InsideClientArea(next, geometry)) return;
    left = next.left;
    top = next.top;
  }
  window.SetWindowPos(left, top);
}

}  // namespace qb
