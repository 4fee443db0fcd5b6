#include "form/app_state.h"

#include <algorithm>

namespace qb {

void CursorKeysOn(AppState& state) {
  state.cursor_keys_active = true;
  state.status_panels[2] = state.grid_step ? kCursorKeysGridStep : kCursorKeysSingleStep;
}

void CursorKeysOff(AppState& state) {
  state.cursor_keys_active = false;
  state.status_panels[2].clear();
}

void NoteWindowActivated(AppState& state, TChildFrm& window) {
  auto& order = state.activation_order;
  std::erase_if(order, [&](const WeakRef<TChildFrm>& ref) { return !ref || ref == &window; });
  order.insert(order.begin(), WeakRef<TChildFrm>(&window));
}

void NoteWindowLowered(AppState& state, TChildFrm& window) {
  std::vector<WeakRef<TChildFrm>> order;
  for (TChildFrm* other : WindowsInWindowOrder(state))
    if (other != &window) order.emplace_back(other);
  order.emplace_back(&window);
  state.activation_order = std::move(order);
}

std::vector<TChildFrm*> WindowsInWindowOrder(const AppState& state) {
  std::vector<TChildFrm*> out;
  auto owned = [&](const TChildFrm* window) {
    return std::any_of(state.windows.begin(), state.windows.end(),
                       [&](const auto& w) { return w.get() == window; });
  };
  for (const auto& ref : state.activation_order) {
    TChildFrm* window = ref.Get();
    if (window && owned(window) && std::find(out.begin(), out.end(), window) == out.end())
      out.push_back(window);
  }
  for (auto it = state.windows.rbegin(); it != state.windows.rend(); ++it)
    if (std::find(out.begin(), out.end(), it->get()) == out.end()) out.push_back(it->get());
  return out;
}

}  // namespace qb
