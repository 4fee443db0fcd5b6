#pragma once

#include <vector>

#include "designer/placement.h"

namespace qb {

// The placement table of each library; read through PlacementRules.
const std::vector<PlacementRule>& CControlsPlacement();
const std::vector<PlacementRule>& PToolboxPlacement();

// The dialog is placed alike in both libraries.
void InitPlacedDialog(TControl& control, const PlaceContext& context);

}  // namespace qb
