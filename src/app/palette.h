#pragma once

// The control palette: eighteen toggle buttons in one group, of which the current library
// shows those that place one of its kinds.

#include <string>
#include <vector>

#include "form/app_state.h"
#include "model/kinds.h"

namespace qb {

struct PaletteButtonView {
  PaletteButton button;
  const char* name;
  bool visible;
  const char* hint;
  bool pressed;
};

// Whether the library places a kind with this button.
bool PaletteButtonVisible(LibraryId lib, PaletteButton button);
// The hint the button carries while the library is current: the hint of the library's own
// kind, or of the other library's kind for a button it hides.
const char* PaletteHint(LibraryId lib, PaletteButton button);
// All eighteen buttons in toolbar order.
std::vector<PaletteButtonView> PaletteView(const AppState& state);

// The toggle group: pressing a released button presses it and releases the others;
// pressing the pressed one releases it.
void PressPaletteButton(AppState& state, PaletteButton button);

// Switches the palette and status panel 1 to the current library. A pressed button that the
// library hides is released, since it could neither place anything nor be seen.
void SetPaletteForLibrary(AppState& state);

}  // namespace qb
