#include "controls/coordinates.h"

namespace qb {

namespace {

struct AxisAccess {
  int (TControl::*palm)() const;
  void (TControl::*set_palm)(int);
  int (TControl::*panel)() const;
  void (TControl::*set_panel)(int);
};

constexpr AxisAccess kAxes[] = {
    {&TControl::UserLeft, &TControl::SetUserLeft, &TControl::Left, &TControl::SetLeft},
    {&TControl::UserTop, &TControl::SetUserTop, &TControl::Top, &TControl::SetTop},
    {&TControl::UserWidth, &TControl::SetUserWidth, &TControl::Width, &TControl::SetWidth},
    {&TControl::UserHeight, &TControl::SetUserHeight, &TControl::Height, &TControl::SetHeight},
};

const AxisAccess& Access(CoordAxis axis) { return kAxes[static_cast<int>(axis)]; }

}  // namespace

int Coordinate(const TControl& control, CoordAxis axis, CoordSystem system) {
  const AxisAccess& a = Access(axis);
  return system == CoordSystem::kPanel ? (control.*a.panel)() : (control.*a.palm)();
}

void SetCoordinate(TControl& control, CoordAxis axis, CoordSystem system, int value) {
  const AxisAccess& a = Access(axis);
  if (system == CoordSystem::kPanel)
    (control.*a.set_panel)(value);
  else
    (control.*a.set_palm)(value);
}

}  // namespace qb
