#pragma once

// Cut, Copy and Paste of the current control through the system clipboard. One control
// moves at a time, even when several are marked; a dialog moves without its controls.

#include <string>
#include <vector>

#include "designer/designer.h"
#include "form/app_state.h"
#include "model/kinds.h"
#include "model/ui.h"

namespace qb {

// The name a copied control bears on the clipboard.
inline constexpr const char* kCopiedName = "Copiado";

// "A component named <name> already exists".
std::string ComponentExistsMessage(const std::string& name);
// "A <class> cannot be pasted into a <library> project."
std::string NoKindForClassMessage(ControlClass cls, LibraryId lib);

// The kind a pasted control of this class and Tag takes in the library; nullptr for a class
// the library has no kind for, and for menus and menu bars, which are never pasted.
const KindInfo* PasteKind(LibraryId lib, ControlClass cls, int tag);

// The clipboard entries of a control: our own format, and the same text as plain text.
std::vector<ClipboardEntry> ClipboardEntries(const TControl& control, const std::string& name);

class ControlClipboard {
 public:
  ControlClipboard(AppState& state, Ui& ui, Designer& designer)
      : state_(state), ui_(ui), designer_(designer) {}

  // The current control onto the clipboard under the name "Copiado"; the control keeps its
  // own name. Nothing for the form, a menu or the menu bar.
  void Copy();
  // The current control onto the clipboard under its own name, then out of its form; the
  // form becomes the current control. Nothing for the form, a menu or the menu bar.
  void Cut();
  // The clipboard's control into the current window: into the current control when that is
  // a dialog, else onto the screen panel, with a new automatic name after its kind. Content
  // that cannot be pasted raises UserError before the form changes; an empty clipboard, or
  // one without a control, pastes nothing, and so does a paste while a menu or the menu bar
  // is the current control.
  void Paste();

 private:
  TControl* MovableCurrent() const;
  TChildFrm* FormOf(const TControl& control) const;

  AppState& state_;
  Ui& ui_;
  Designer& designer_;
};

}  // namespace qb
