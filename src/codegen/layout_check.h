#pragma once

// The layout check: what will look wrong or fail on the device, found over the open forms of a
// project before their code is generated. It reads the forms the way the generator and the
// drawing do and changes nothing.

#include <string>
#include <vector>

#include "codegen/code_check.h"
#include "codegen/code_settings.h"
#include "form/ChildFor.h"
#include "model/library.h"

namespace qb {

class FontRegistry;
struct Project;

enum class FindingSeverity {
  kError,    // the generated program breaks (a call to nothing, a clash of names, a text
             // that ends its string early)
  kWarning,  // the form looks wrong on the device
};

struct LayoutFinding {
  FindingSeverity severity = FindingSeverity::kWarning;
  std::string form;     // the form's name; empty when the finding is about the project
  std::string control;  // the control's name; empty when the finding is about the form itself
  std::string message;  // what is wrong, in plain words
  std::string rule;     // the rule it breaks, in plain words
  bool operator==(const LayoutFinding&) const = default;
};

// The rules, as findings name them.
inline constexpr const char* kRuleOverlap = "controls on one panel do not overlap";
inline constexpr const char* kRuleOnScreen = "controls lie wholly on the screen";
inline constexpr const char* kRuleInDialog = "controls lie wholly inside their dialog";
inline constexpr const char* kRuleBelowTitle = "controls lie below the form's title";
inline constexpr const char* kRuleSize = "controls are at least one pixel wide and high";
inline constexpr const char* kRuleTextFits = "a control's text fits inside it";
inline constexpr const char* kRuleShowForm = "ShowForm names an open form or dialog";
inline constexpr const char* kRuleTrigger = "Trigger names a PopTrigger beside the list";
inline constexpr const char* kRuleNameCase = "names differ by more than letter case";
inline constexpr const char* kRuleImageSize = "an image is at most 40 x 40 pixels";
inline constexpr const char* kRuleSelection = "a selected item is one of the control's items";

inline constexpr int kMaxImageSide = 40;

// The findings over the given forms (in the order given), each form's controls back to front,
// a dialog's controls right after the dialog; then what the generated code would break (the
// project's own findings first, then form by form). Text is measured with the faces the
// drawing uses.
std::vector<LayoutFinding> CheckLayout(const std::vector<const TChildFrm*>& forms, LibraryId lib,
                                       const FontRegistry& fonts,
                                       const CodeCheckSettings& settings = {});

// What the check needs of the generate dialog's settings, for the project of that name: the
// target, the colour option and the four PRC fields. From the dialog these are the values
// typed into it; from elsewhere the project file's.
CodeCheckSettings CodeCheckSettingsFrom(const CodeSettings& code, const std::string& project_name);

// The generate dialog's settings as the project file holds them (its "Code" keys), for the
// project of that name; the defaults when the file cannot be read.
CodeCheckSettings CodeCheckSettingsOf(const std::string& project_path,
                                      const std::string& project_name);

// The visible designer windows of the state, in creation order (the project's form order).
std::vector<const TChildFrm*> FormsToCheck(const Project& state);

// The form and the control a finding names, matched exactly: two names of a finding may differ
// only in letter case. nullptr when the form or control is gone, or the finding is about the
// form itself (for the control).
const TChildFrm* FormOfFinding(const std::vector<const TChildFrm*>& forms,
                               const LayoutFinding& finding);
TControl* ControlOfFinding(const FormDocument& form, const LayoutFinding& finding);

bool HasErrors(const std::vector<LayoutFinding>& findings);

// "error" or "warning".
const char* SeverityWord(FindingSeverity severity);

// One line per finding: "<severity>: <form>: <control>: <message> (<rule>)", the control
// part left out for a finding about the form itself, and the form part too for one about the
// project.
std::string FindingsText(const std::vector<LayoutFinding>& findings);

// A JSON array of objects with the keys "severity", "form", "control", "message", "rule",
// one object per line; "[]" when there is nothing to report. Ends with a line feed.
std::string FindingsJson(const std::vector<LayoutFinding>& findings);

}  // namespace qb
