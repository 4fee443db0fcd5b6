#pragma once

// Checks and conversions shared by both libraries' property rules.

#include <string>
#include <string_view>

namespace qb {

class TChildFrm;
class TControl;
struct AppState;

inline constexpr const char* kInvalidIntegerMessage = "'%s' is not a valid integer value";
inline constexpr const char* kDuplicateNameMessage = "A component named %s already exists";
inline constexpr const char* kInvalidNameMessage = "''%s'' is not a valid component name";

// The message with the argument in place of "%s".
std::string FormatMessage(std::string_view message, std::string_view argument);

// A signed decimal integer within the device's 16-bit range; anything else throws UserError
// with the conversion message.
int ParseInteger(const std::string& text);
std::string IntegerText(int value);

// Throws UserError unless the control may take the name in its window: a valid identifier,
// borne by no other component of the window and not reserved by the form file. An empty
// name is accepted.
void CheckComponentName(const TChildFrm* window, const TControl& control, const std::string& name);

// The designer window a control (or the window's client area) belongs to; nullptr when none.
TChildFrm* WindowOf(const AppState& state, const TControl& control);

}  // namespace qb
