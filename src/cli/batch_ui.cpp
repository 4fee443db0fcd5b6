#include "cli/batch_ui.h"

#include <ostream>

#include "cli/cli_texts.h"

namespace qb::cli {

MsgButton BatchUi::DoMessageBox(const std::string& caption, const std::string& text, MsgIcon icon,
                                MsgButtons buttons, MsgButton default_button) {
  err_ << kProgramName << ": " << caption << ": " << text << "\n";
  ++messages_;
  if (icon == MsgIcon::kError) ++errors_;
  if (buttons & kMbYes) return kMbYes;
  return default_button;
}

void BatchUi::DoShowError(const std::string& text) {
  err_ << kProgramName << ": " << text << "\n";
  ++messages_;
  ++errors_;
}

}  // namespace qb::cli
