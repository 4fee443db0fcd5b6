#include "designer/layout_commands.h"

#include "designer/designer.h"

namespace qb {

namespace {

// The moving commands change the current control's rows too; the inspector shows them anew.
void RefillInspector(Designer& designer, TChildFrm& form) {
  TControl* current = designer.State().current_control.Get();
  if (current && designer.State().current_window.Get() == &form) designer.Inspect(form, *current);
}

void RunMovingCommand(Designer& designer, TChildFrm& form, PopCommand command) {
  const LibraryId lib = designer.State().library;
  using P = PopCommand;
  using Q = LayoutQuantity;
  switch (command) {
    case P::kAlignLeft:
      return AlignControls(form, lib, Q::kLeft);
    case P::kAlignRight:
      return AlignControls(form, lib, Q::kRight);
    case P::kAlignTop:
      return AlignControls(form, lib, Q::kTop);
    case P::kAlignBottom:
      return AlignControls(form, lib, Q::kBottom);
    case P::kSameWidth:
      return AlignControls(form, lib, Q::kWidth);
    case P::kSameHeight:
      return AlignControls(form, lib, Q::kHeight);
    case P::kCenterHorizontally:
      return CenterControls(form, true);
    case P::kCenterVertically:
      return CenterControls(form, false);
    case P::kSpaceHorizontally:
      return SpaceControls(form, true);
    case P::kSpaceVertically:
      return SpaceControls(form, false);
    default:
      return;
  }
}

}  // namespace

void RunLayoutCommand(Designer& designer, Ui& ui, TChildFrm& form, PopCommand command) {
  using P = PopCommand;
  switch (command) {
    case P::kAlignLeft:
    case P::kAlignRight:
    case P::kAlignTop:
    case P::kAlignBottom:
    case P::kSameWidth:
    case P::kSameHeight:
    case P::kCenterHorizontally:
    case P::kCenterVertically:
    case P::kSpaceHorizontally:
    case P::kSpaceVertically:
      RunMovingCommand(designer, form, command);
      return RefillInspector(designer, form);
    case P::kBringToFront:
      return BringCurrentToFront(designer, form);
    case P::kSendToBack:
      return SendCurrentToBack(designer, form);
    case P::kDelete:
      return DeleteCurrentControl(designer, ui, form);
    case P::kNone:
      return;
  }
}

}  // namespace qb
