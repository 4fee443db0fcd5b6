#include "app/layout_check_window.h"

#include <algorithm>

#include "app/lead_to_control.h"

namespace qb {

namespace {

std::string Counted(std::size_t n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

std::string FindingsSummaryText(const std::vector<LayoutFinding>& findings) {
  const auto errors = static_cast<std::size_t>(
      std::count_if(findings.begin(), findings.end(),
                    [](const LayoutFinding& f) { return f.severity == FindingSeverity::kError; }));
  const std::size_t warnings = findings.size() - errors;
  if (findings.empty()) return kNoProblemsFound;
  if (warnings == 0) return Counted(errors, "error", "errors") + ".";
  if (errors == 0) return Counted(warnings, "warning", "warnings") + ".";
  return Counted(errors, "error", "errors") + ", " + Counted(warnings, "warning", "warnings") + ".";
}

std::string GenerateAnywayText(int errors) {
  return "The layout check found " +
         Counted(static_cast<std::size_t>(std::max(errors, 0)), "error", "errors") +
         ". Generate anyway?";
}

std::string FindingGoneText(const LayoutFinding& finding, bool form_found) {
  const std::string what = form_found ? "The form " + finding.form + " has no control named " +
                                            finding.control + " any more"
                                      : "No open form is named " + finding.form + " any more";
  return what + ". The layout is checked again.";
}

LayoutCheckWindow::LayoutCheckWindow(AppState& state, Ui& ui, Designer& designer,
                                     const FontRegistry& fonts)
    : state_(state), ui_(ui), designer_(designer), fonts_(fonts) {}

std::vector<LayoutCheckWindow::SeenForm> LayoutCheckWindow::Seen() const {
  std::vector<SeenForm> seen;
  for (const auto& window : state_.windows)
    seen.push_back({window.get(), window->ChangeCount(), window->Undo().Size(),
                    window->Undo().Position(), window->Visible(), window->Name()});
  return seen;
}

void LayoutCheckWindow::Follow() {
  if (!visible_ || (Seen() == seen_ && state_.project_path == seen_path_)) return;
  Check();
}

void LayoutCheckWindow::Clear() {
  if (version_ == 0) return;  // never ran: nothing to empty
  findings_.clear();
  summary_ = kNoFormToCheck;
  seen_.clear();
  seen_path_.clear();
  ++version_;
}

void LayoutCheckWindow::Check() {
  seen_ = Seen();
  seen_path_ = state_.project_path;
  const std::vector<const TChildFrm*> forms = FormsToCheck(state_);
  findings_ = CheckLayout(forms, state_.library, fonts_,
                          CodeCheckSettingsOf(state_.project_path, state_.project_name));
  summary_ = forms.empty() ? std::string(kNoFormToCheck) : FindingsSummaryText(findings_);
  ++version_;
}

void LayoutCheckWindow::Run() {
  Check();
  visible_ = true;
}

bool LayoutCheckWindow::ConfirmGenerate() {
  Check();
  const auto errors = std::count_if(findings_.begin(), findings_.end(), [](const auto& f) {
    return f.severity == FindingSeverity::kError;
  });
  if (errors == 0) return true;
  if (ui_.MessageBox(kCaptionConfirm, GenerateAnywayText(static_cast<int>(errors)),
                     MsgIcon::kQuestion, kMbYesNo, kMbNo) == kMbYes)
    return true;
  visible_ = true;
  return false;
}

TChildFrm* LayoutCheckWindow::WindowOf(const TChildFrm* form) const {
  for (const auto& window : state_.windows)
    if (window.get() == form) return window.get();
  return nullptr;
}

void LayoutCheckWindow::OpenFinding(std::size_t index) {
  if (index >= findings_.size()) return;
  // A copy: checking again replaces the list.
  const LayoutFinding finding = findings_[index];
  // About the project (its PRC fields, its name): there is no form to lead to.
  if (finding.form.empty()) return;
  TChildFrm* window = WindowOf(FormOfFinding(FormsToCheck(state_), finding));
  TControl* control = window ? ControlOfFinding(*window, finding) : nullptr;
  if (!window || (!finding.control.empty() && !control)) {
    ui_.MessageBox(kCaptionInformation, FindingGoneText(finding, window != nullptr),
                   MsgIcon::kInformation, kMbOk, kMbOk);
    Run();
    return;
  }
  LeadToControl(designer_, *window, control);
}

void LayoutCheckWindow::ListFocused() { CursorKeysOff(state_); }

}  // namespace qb
