#include "app/main_geometry.h"

namespace qb {

WindowRect DesignerWindowRect(const TChildFrm& window, const MainGeometry& geometry) {
  return {window.WindowLeft(), window.WindowTop(),
          TDesignerClient::kClientWidth + geometry.frame_width,
          TDesignerClient::kClientHeight + geometry.frame_height};
}

bool InsideClientArea(const WindowRect& rect, const MainGeometry& geometry) {
  return rect.left >= 0 && rect.top >= geometry.dock_height &&
         rect.left + rect.width <= geometry.client_width &&
         rect.top + rect.height <= geometry.client_height;
}

}  // namespace qb
