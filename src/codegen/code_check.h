#pragma once

// The part of the layout check that reads the forms as the generator writes them: the texts
// put inside string literals, the identifiers the generated code defines (the design names and
// every name derived from them), names that are no identifiers or are words of the language,
// the dialect or the calls the code makes, and PToolboxLib colours without a palette index.

#include <string>
#include <vector>

#include "form/ChildFor.h"
#include "model/library.h"

namespace qb {

struct LayoutFinding;

// What the generate dialog adds to the design (the project file's "Code" keys).
struct CodeCheckSettings {
  // The PToolboxLib colour code is generated.
  bool color = true;
  // The memo / DOC target: no PRC lines, and the documents are named for the converter.
  bool memo = false;
  // The PRC fields of the PDE target as the main text's leading lines quote them:
  // the project file's key ("CreatorID") and the text.
  std::vector<std::pair<std::string, std::string>> prc_fields;
  // The project's name; empty when there is none (no documents to name).
  std::string project_name;
};

inline constexpr const char* kRuleStringLiteral = "a text keeps within the quotes of its string";
inline constexpr const char* kRuleDefinedOnce = "every name of the generated code is defined once";
inline constexpr const char* kRuleMenuEntryOnce = "a form's menus name each entry once";
inline constexpr const char* kRuleReservedWord =
    "no name of the generated code is a word of C, of the dialect or of the calls it makes";
inline constexpr const char* kRuleIdentifier =
    "a name is an identifier: a letter or underscore, then letters, digits and underscores";
inline constexpr const char* kRulePaletteColor =
    "a colour the generated code passes is one of the sixteen palette colours";
inline constexpr const char* kRuleDocumentName = "a document name fits the converter's 31 bytes";

// The findings over the given forms in the given order; appended to `out`.
void CheckGeneratedCode(const std::vector<const TChildFrm*>& forms, LibraryId lib,
                        const CodeCheckSettings& settings, std::vector<LayoutFinding>& out);

// Why a text cannot stand between the quotes of a C string as it is: an empty string when
// it can. A double quote that ends it early, a last backslash that escapes the closing quote
// or a line break that ends the line.
std::string StringLiteralHazard(const std::string& text);

// A name that may stand as an identifier in C: an ASCII letter or underscore first, then
// ASCII letters, digits and underscores.
bool IsCIdentifier(const std::string& name);

// Whether the name is a C99 keyword, a word of the dialect or a call the library's generated
// code makes, or one of its own fixed names (main, the colour functions, locals).
bool IsReservedCodeName(const std::string& name, LibraryId lib);

// The converter cuts document names at this many bytes.
inline constexpr std::size_t kDocumentNameLimit = 31;
// The document names of the four texts (main, forms, events, header) given to the converter:
// the project's name followed by each text's suffix, the name part shortened alike for all
// four (never inside a UTF-8 character) when the longest would not fit, so that the four stay
// apart. *shortened tells whether it was.
std::vector<std::string> DocumentNames(const std::string& project_name, bool* shortened = nullptr);

}  // namespace qb
