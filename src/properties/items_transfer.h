#pragma once

// The items editor works on the transfer list: the control's items are copied in, and on OK
// the control's items are replaced by it, unless it holds a character the device cannot show.

#include "controls/control.h"
#include "form/hub.h"
#include "model/code_page.h"
#include "model/ui.h"
#include "properties/frmProperties.h"
#include "properties/property_sheet.h"

namespace qb {

// False when the control is not of class T.
template <typename T>
bool EditItemsOf(TControl* control, RulesContext& ctx) {
  T* target = As<T>(control);
  if (!target) return false;
  StringList& transfer = ctx.inspector.TransferList();
  transfer.clear();
  transfer = target->Items();
  if (!ctx.hub.EditItemLines(transfer)) return true;
  // What the device could not show never reaches the control.
  for (const std::string& line : transfer) {
    if (auto cp = FirstUnshownCharacter(line)) {
      ctx.ui.ShowError(KeptListMessage(*cp, target->Name(), "items"));
      return true;
    }
  }
  target->SetItems(transfer);
  return true;
}

}  // namespace qb
