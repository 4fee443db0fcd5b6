#pragma once

// Building generated lines from pieces.

#include <initializer_list>
#include <string>
#include <string_view>

namespace qb::ptcode {

inline constexpr std::string_view kCallEnd = ");";
inline constexpr std::string_view kFunctionStart = "(){";
// A call of a function without arguments, or its prototype.
inline constexpr std::string_view kNoArgs = "();";
inline constexpr std::string_view kBlockEnd = "}";
inline constexpr std::string_view kBodyStart = "{";
// The endings of the generated files' names after the project name.
inline constexpr std::string_view kFormsFileSuffix = "Forms.pc";
inline constexpr std::string_view kEventsFileSuffix = "Events.pc";
inline constexpr std::string_view kHeaderFileSuffix = ".h";
// What the memo target puts first in each of the forms, events and header texts.
inline constexpr std::string_view kMemoTitle = "/$ ";

// The pieces joined with nothing between them.
inline std::string Cat(std::initializer_list<std::string_view> pieces) {
  std::size_t size = 0;
  for (std::string_view p : pieces) size += p.size();
  std::string out;
  out.reserve(size);
  for (std::string_view p : pieces) out += p;
  return out;
}

// A number in decimal without leading zeros.
inline std::string Num(int value) { return std::to_string(value); }

}  // namespace qb::ptcode
