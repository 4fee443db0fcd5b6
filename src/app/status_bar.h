#pragma once

// The status bar's three panels; their texts are AppState::status_panels.

namespace qb {

struct StatusPanelDef {
  int width;
  bool centred;
};

// The library, "Short names", the cursor-key mode; the last one takes the rest of the bar.
inline constexpr StatusPanelDef kStatusPanels[] = {{80, true}, {70, false}, {50, false}};

}  // namespace qb
