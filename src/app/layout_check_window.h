#pragma once

// Project > Check Layout: the layout check run over the open forms, its findings kept for the
// dockable list the view draws, and a finding followed to its control. Generate Code asks it
// first, so that a form that would generate calls to nothing is not generated unawares.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "codegen/layout_check.h"
#include "controls/font_registry.h"
#include "designer/designer.h"
#include "form/app_state.h"
#include "model/ui.h"

namespace qb {

inline constexpr const char* kCheckLayoutTitle = "Check Layout";
inline constexpr const char* kNoProblemsFound = "No problems found.";
inline constexpr const char* kNoFormToCheck = "No form is open to check.";

// "1 error, 2 warnings." and the like; kNoProblemsFound for none.
std::string FindingsSummaryText(const std::vector<LayoutFinding>& findings);
// Generate Code's question when the check found errors.
std::string GenerateAnywayText(int errors);
// Why a finding leads nowhere: its form or control is gone or renamed since the check.
std::string FindingGoneText(const LayoutFinding& finding, bool form_found);

class LayoutCheckWindow {
 public:
  LayoutCheckWindow(AppState& state, Ui& ui, Designer& designer, const FontRegistry& fonts);

  // Check Layout: the check run afresh over the open forms, the window shown with it.
  void Run();
  // Generate Code's first step: the check run afresh; with errors, the question whether to
  // generate anyway. No shows the window with the findings. True when generating goes on.
  bool ConfirmGenerate();
  // A double-click on a finding: its form's window activated and its control made current
  // and marked as a click on the control does (a control inside a dialog that is not shown
  // has its dialog shown first); a finding about the form selects the form. A finding whose
  // form or control is gone says so and the check runs again; one about the project leads
  // nowhere.
  void OpenFinding(std::size_t index);
  // The list took the keyboard focus: the arrows and Delete walk the list and must not move
  // or delete the current control meanwhile.
  void ListFocused();
  // The window's close box.
  void Close() { visible_ = false; }
  // After each input: while the window is shown, the check runs again when the project
  // changed since it last ran (a form's content, name or undo steps, a form opened or closed,
  // the project file).
  void Follow();
  // The project closed (or another is about to open): no findings, nothing to check.
  void Clear();

  bool Visible() const { return visible_; }
  const std::vector<LayoutFinding>& Findings() const { return findings_; }
  // What the note above the list says.
  const std::string& Summary() const { return summary_; }
  // Moves on each time the check runs, so that the view rebuilds its list only then.
  unsigned Version() const { return version_; }

 private:
  void Check();
  TChildFrm* WindowOf(const TChildFrm* form) const;
  // What the check saw of the project when it last ran.
  struct SeenForm {
    const TChildFrm* form;
    std::uint64_t changes;
    // Every edit of the user records a step, also of values that do not count as changes.
    std::size_t steps;
    std::size_t position;
    bool visible;
    std::string name;
    bool operator==(const SeenForm&) const = default;
  };
  std::vector<SeenForm> Seen() const;

  AppState& state_;
  Ui& ui_;
  Designer& designer_;
  const FontRegistry& fonts_;
  bool visible_ = false;
  std::vector<LayoutFinding> findings_;
  std::string summary_;
  unsigned version_ = 0;
  std::vector<SeenForm> seen_;
  std::string seen_path_;
};

}  // namespace qb
