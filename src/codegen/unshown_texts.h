#pragma once

// Generated code carries every text as the device's Windows-1252 bytes (code_page.h), so a
// text holding a character without such a byte cannot be generated. These find them all, so
// that one message can name each text with its control.

#include <string>
#include <vector>

#include "form/ChildFor.h"
#include "model/library.h"

namespace qb {

// Each text of the forms that the device cannot show, as
//   lbl1 Text "A→B": the character "→" (U+2192)
std::vector<std::string> UnshownFormTexts(LibraryId lib,
                                          const std::vector<const TChildFrm*>& forms);
// Each line of a generated text that the device cannot show, as
//   <what>, line 3 (<the line>): the character "→" (U+2192)
std::vector<std::string> UnshownLines(const std::string& what,
                                      const std::vector<std::string>& lines);
// The error listing them, for Generate or (saving) for Save.
std::string UnshownTextsMessage(const std::vector<std::string>& unshown, bool saving = false);

}  // namespace qb
