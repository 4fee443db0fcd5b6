#pragma once

// The Edit menu's Cut, Copy and Paste as the main window reaches them.

#include "app/main_links.h"
#include "designer/control_clipboard.h"

namespace qb {

class ControlClipboardLink : public ClipboardLink {
 public:
  ControlClipboardLink(AppState& state, Ui& ui, Designer& designer)
      : clipboard_(state, ui, designer) {}
  void Cut() override { clipboard_.Cut(); }
  void Copy() override { clipboard_.Copy(); }
  void Paste() override { clipboard_.Paste(); }

 private:
  ControlClipboard clipboard_;
};

}  // namespace qb
