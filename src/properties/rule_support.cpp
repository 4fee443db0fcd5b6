#include "properties/rule_support.h"

#include <charconv>
#include <cstdint>

#include "form/ChildFor.h"
#include "form/app_state.h"
#include "form/naming.h"
#include "model/text_util.h"
#include "model/user_error.h"

namespace qb {

std::string FormatMessage(std::string_view message, std::string_view argument) {
  std::string out(message);
  std::size_t pos = out.find("%s");
  if (pos != std::string::npos) out.replace(pos, 2, argument);
  return out;
}

int ParseInteger(const std::string& text) {
  std::string_view digits = text;
  bool plus = !digits.empty() && digits.front() == '+';
  if (plus) digits.remove_prefix(1);
  if (plus && !digits.empty() && digits.front() == '-') digits = {};
  long long value = 0;
  const char* begin = digits.data();
  const char* end = begin + digits.size();
  auto [ptr, ec] = std::from_chars(begin, end, value);
  bool ok = !digits.empty() && ec == std::errc() && ptr == end && value >= INT16_MIN &&
            value <= INT16_MAX;
  if (!ok) throw UserError(FormatMessage(kInvalidIntegerMessage, text));
  return static_cast<int>(value);
}

std::string IntegerText(int value) { return std::to_string(value); }

void CheckComponentName(const TChildFrm* window, const TControl& control, const std::string& name) {
  if (name.empty()) return;
  if (!IsValidIdent(name)) throw UserError(FormatMessage(kInvalidNameMessage, name));
  if (!window || SameText(name, control.Name())) return;
  bool taken = IsReservedControlName(name, *window);
  for (const TControl* other : window->AllControls())
    if (other != &control && SameText(other->Name(), name)) taken = true;
  if (taken) throw UserError(FormatMessage(kDuplicateNameMessage, name));
}

TChildFrm* WindowOf(const AppState& state, const TControl& control) {
  const TControl* root = &control;
  while (root->Parent()) root = root->Parent();
  for (const auto& window : state.windows)
    if (&window->Client() == root) return window.get();
  return nullptr;
}

}  // namespace qb
