#pragma once

#include <cstdint>

namespace qb {

// Colours are R + 256·G + 65536·B, red in the low byte.
using Color = std::uint32_t;

inline constexpr Color kBlack = 0;
inline constexpr Color kMaroon = 128;
inline constexpr Color kRed = 255;
inline constexpr Color kGreen = 32768;
inline constexpr Color kNavy = 8388608;
inline constexpr Color kGray = 8421504;
inline constexpr Color kSilver = 12632256;
inline constexpr Color kBlue = 16711680;
inline constexpr Color kWhite = 16777215;
// The background every control gets from its constructor: the Palm screen green.
inline constexpr Color kConstructorColor = 526356351;

constexpr int RedOf(Color c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(Color c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(Color c) { return static_cast<int>((c >> 16) & 0xFF); }
constexpr Color MakeColor(int r, int g, int b) {
  return static_cast<Color>(r & 0xFF) | (static_cast<Color>(g & 0xFF) << 8) |
         (static_cast<Color>(b & 0xFF) << 16);
}

}  // namespace qb
