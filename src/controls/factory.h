#pragma once

#include <memory>

#include "controls/control.h"

namespace qb {

// A control of the given class with its constructor defaults; every class is creatable by
// its class alone (paste and the form readers use it). The client area is not creatable.
std::unique_ptr<TControl> CreateControl(ControlClass cls, ControlOwner* owner);

}  // namespace qb
