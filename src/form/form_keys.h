#pragma once

// What the form readers and writers share with the clipboard: the keys that are not tied to
// one kind and the range integers are held to. The keys of each kind are in the schema
// (controls/schema.h).

namespace qb::form_io {

inline constexpr const char* kControlKey = "Control";
inline constexpr const char* kNameKey = "Name";
inline constexpr const char* kParentKey = "Parent";
inline constexpr const char* kLeftKey = "Left";
inline constexpr const char* kTopKey = "Top";
inline constexpr const char* kWidthKey = "Width";
inline constexpr const char* kHeightKey = "Height";

// Integers read from a file are held to what a Palm object can carry (16-bit signed
// coordinates, unsigned 16-bit counts), so no later arithmetic on them can overflow.
inline constexpr int kDeviceMin = -32768;
inline constexpr int kDeviceMax = 65535;

}  // namespace qb::form_io
