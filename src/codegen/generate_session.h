#pragma once

// What the generate dialog is opened on, taken from the application state.

#include "codegen/frmGenerateCode.h"
#include "form/app_state.h"

namespace qb {

// The project's library, file and name, and its open (visible) forms in the window order,
// the most recently activated first. A closed form is hidden and is not generated.
GenerateSession GenerateSessionFor(const AppState& state);

}  // namespace qb
