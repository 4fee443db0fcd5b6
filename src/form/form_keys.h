#pragma once

// What the form readers and writers share with the clipboard: the keys that are not tied to
// one kind and the range integers are held to. The keys of each kind are in the schema
// (controls/schema.h).

#include "controls/schema.h"

namespace qb::form_io {

// The keys of the members every control has, as their bindings name them.
inline constexpr const char* kControlKey = members::kKind.key;
inline constexpr const char* kNameKey = members::kName.key;
inline constexpr const char* kParentKey = members::kParent.key;
inline constexpr const char* kLeftKey = members::kLeft<0>.key;
inline constexpr const char* kTopKey = members::kTop<0>.key;
inline constexpr const char* kWidthKey = members::kWidth<0>.key;
inline constexpr const char* kHeightKey = members::kHeight<0>.key;

// Integers read from a file are held to what a Palm object can carry (16-bit signed
// coordinates, unsigned 16-bit counts), so no later arithmetic on them can overflow.
inline constexpr int kDeviceMin = -32768;
inline constexpr int kDeviceMax = 65535;

}  // namespace qb::form_io
