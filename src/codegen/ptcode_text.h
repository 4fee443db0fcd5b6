#pragma once

// Pieces of generated lines shared by the parts of the PToolboxLib generator; lines are built
// with TextLine.

#include <string>
#include <string_view>

#include "codegen/text_line.h"

namespace qb::ptcode {

inline constexpr std::string_view kCallEnd = ");";
inline constexpr std::string_view kFunctionStart = "(){";
// A call of a function without arguments, or its prototype.
inline constexpr std::string_view kNoArgs = "();";
inline constexpr std::string_view kBlockEnd = "}";
inline constexpr std::string_view kBodyStart = "{";
// A text argument, last in its call.
inline constexpr std::string_view kTextStart = ",\"";
inline constexpr std::string_view kTextEnd = "\");";
// The endings of the generated files' names after the project name.
inline constexpr std::string_view kFormsFileSuffix = "Forms.pc";
inline constexpr std::string_view kEventsFileSuffix = "Events.pc";
inline constexpr std::string_view kHeaderFileSuffix = ".h";
// What the memo target puts first in each of the forms, events and header texts.
inline constexpr std::string_view kMemoTitle = "/$ ";

// The block of an events function where buttons report themselves through event 250 opens
// with these two lines.
inline constexpr std::string_view kButtonEventNote =
    "    //this code only works with PToolbox 7.5 or better";
inline constexpr std::string_view kButtonEventCase = "    case 250:";

// A number in decimal without leading zeros, where a piece must be a text.
inline std::string Num(int value) { return std::to_string(value); }

}  // namespace qb::ptcode
