#pragma once

// The items editor works on the transfer list: the control's items are copied in, and on OK
// the control's items are replaced by it.

#include "controls/control.h"
#include "properties/frmProperties.h"
#include "properties/inspector_hooks.h"
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
  if (ctx.hooks.EditItemLines(transfer)) target->SetItems(transfer);
  return true;
}

}  // namespace qb
