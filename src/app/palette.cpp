#include "app/palette.h"

namespace qb {

namespace {

LibraryId OtherLibrary(LibraryId lib) {
  return lib == LibraryId::kCControls ? LibraryId::kPToolboxLib : LibraryId::kCControls;
}

}  // namespace

bool PaletteButtonVisible(LibraryId lib, PaletteButton button) {
  return KindForButton(lib, button) != nullptr;
}

const char* PaletteHint(LibraryId lib, PaletteButton button) {
  if (const KindInfo* own = KindForButton(lib, button)) return own->hint;
  if (const KindInfo* other = KindForButton(OtherLibrary(lib), button)) return other->hint;
  return "";
}

std::vector<PaletteButtonView> PaletteView(const AppState& state) {
  std::vector<PaletteButtonView> out;
  const PaletteButtonInfo* buttons = PaletteButtons();
  for (int i = 0; i < kPaletteButtonCount; ++i) {
    PaletteButton b = buttons[i].button;
    out.push_back({b, buttons[i].name, PaletteButtonVisible(state.library, b),
                   PaletteHint(state.library, b), state.pressed_button == b});
  }
  return out;
}

void PressPaletteButton(AppState& state, PaletteButton button) {
  state.pressed_button = state.pressed_button == button ? PaletteButton::kNone : button;
}

void SetPaletteForLibrary(AppState& state) {
  state.status_panels[0] = LibraryStatusName(state.library);
  if (!PaletteButtonVisible(state.library, state.pressed_button))
    state.pressed_button = PaletteButton::kNone;
}

}  // namespace qb
