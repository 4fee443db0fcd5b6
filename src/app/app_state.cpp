#include "app/app_state.h"

namespace qb {

void CursorKeysOn(AppState& state) {
  state.cursor_keys_active = true;
  state.status_panels[2] = state.grid_step ? kCursorKeysGridStep : kCursorKeysSingleStep;
}

void CursorKeysOff(AppState& state) {
  state.cursor_keys_active = false;
  state.status_panels[2].clear();
}

}  // namespace qb
