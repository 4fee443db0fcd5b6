#include "codegen/generate_session.h"

namespace qb {

GenerateSession GenerateSessionFor(const AppState& state) {
  GenerateSession session;
  session.library = state.library;
  session.project_path = state.project_path;
  session.project_name = state.project_name;
  for (TChildFrm* window : WindowsInWindowOrder(state))
    if (window->Visible()) session.forms.push_back(window);
  return session;
}

}  // namespace qb
