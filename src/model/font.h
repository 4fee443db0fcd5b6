#pragma once

#include <string>

#include "model/colors.h"

namespace qb {

// The toolkit's system colour for window text; fonts are created with it.
inline constexpr Color kClWindowText = 0x80000008u;

// A control's desktop font. Only the name matters to the Palm drawing; the rest is kept so
// that files round-trip.
struct Font {
  std::string name = "MS Sans Serif";
  int size = 8;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeout = false;
  int pitch = 0;  // 0 default, 1 variable, 2 fixed
  Color color = kClWindowText;
  int charset = 1;
  bool operator==(const Font&) const = default;
};

inline constexpr const char* kPilotStandard = "PilotStandard";
inline constexpr const char* kPilotBold = "PilotBold";
inline constexpr const char* kPilotLarge = "PilotLarge";
inline constexpr const char* kPilotBold12 = "PilotBold12";

}  // namespace qb
