#pragma once

// The status bar's three panels; their texts are AppState::status_panels.

namespace qb {

struct StatusPanelDef {
  int width;
  bool centred;
  bool stretch;  // takes the rest of the bar
};

// The library, "Short names", the cursor-key mode (taking the rest of the bar), and the
// position and size of the control being moved or resized.
inline constexpr StatusPanelDef kStatusPanels[] = {
    {80, true, false}, {70, false, false}, {50, false, true}, {140, false, false}};

}  // namespace qb
