#include "codegen/unshown_texts.h"

#include "form/form_file.h"
#include "model/code_page.h"

namespace qb {

namespace {

constexpr char kUnshownHeading[] =
    "The code was not generated: these texts hold characters that cannot be shown on the Palm "
    "(they have no Windows-1252 form):";
constexpr char kUnsavedHeading[] =
    "The code was not saved: these lines hold characters that cannot be shown on the Palm "
    "(they have no Windows-1252 form):";

std::string TheCharacter(char32_t cp) { return "the character " + CharacterText(cp); }

}  // namespace

std::vector<std::string> UnshownFormTexts(LibraryId lib,
                                          const std::vector<const TChildFrm*>& forms) {
  std::vector<std::string> unshown;
  for (const TChildFrm* form : forms) {
    if (!form) continue;
    for (const FormText& t : FormTexts(lib, *form))
      if (auto cp = FirstUnshownCharacter(t.text))
        unshown.push_back(t.control + " " + t.key + " \"" + t.text + "\": " + TheCharacter(*cp));
  }
  return unshown;
}

std::vector<std::string> UnshownLines(const std::string& what,
                                      const std::vector<std::string>& lines) {
  std::vector<std::string> unshown;
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (auto cp = FirstUnshownCharacter(lines[i]))
      unshown.push_back(what + ", line " + std::to_string(i + 1) + " (" + lines[i] +
                        "): " + TheCharacter(*cp));
  return unshown;
}

std::string UnshownTextsMessage(const std::vector<std::string>& unshown, bool saving) {
  std::string message = saving ? kUnsavedHeading : kUnshownHeading;
  for (const std::string& line : unshown) message += "\n" + line;
  return message;
}

}  // namespace qb
