#pragma once

#include <string>
#include <string_view>

namespace qb {

// ASCII case-insensitive comparison, as the toolkit compares names, sections and keys.
bool SameText(std::string_view a, std::string_view b);
std::string LowerAscii(std::string_view s);
std::string Trim(std::string_view s);
// A valid identifier: a letter or underscore, then letters, digits or underscores.
bool IsValidIdent(std::string_view s);
// The file name without its folder.
std::string ExtractFileName(std::string_view path);

}  // namespace qb
