#include "designer/layout_commands.h"

#include "designer/designer.h"
#include "designer/image_limit.h"

namespace qb {

namespace {

// The moving commands change the current control's rows too; the inspector shows them anew.
void RefillInspector(Designer& designer, TChildFrm& form) {
  TControl* current = designer.State().current_control.Get();
  if (current && designer.State().current_window.Get() == &form) designer.Inspect(form, *current);
}

// The commands that move and size the marked controls; false for the others.
bool RunMovingCommand(Designer& designer, TChildFrm& form, PopCommand command) {
  const LibraryId lib = designer.State().library;
  using P = PopCommand;
  using Q = LayoutQuantity;
  switch (command) {
    case P::kAlignLeft:
      AlignControls(form, lib, Q::kLeft);
      return true;
    case P::kAlignRight:
      AlignControls(form, lib, Q::kRight);
      return true;
    case P::kAlignTop:
      AlignControls(form, lib, Q::kTop);
      return true;
    case P::kAlignBottom:
      AlignControls(form, lib, Q::kBottom);
      return true;
    case P::kSameWidth:
      AlignControls(form, lib, Q::kWidth);
      HoldImageSizes(form, designer.GetUi());
      return true;
    case P::kSameHeight:
      AlignControls(form, lib, Q::kHeight);
      HoldImageSizes(form, designer.GetUi());
      return true;
    case P::kCenterHorizontally:
      CenterControls(form, true);
      return true;
    case P::kCenterVertically:
      CenterControls(form, false);
      return true;
    case P::kSpaceHorizontally:
      SpaceControls(form, true);
      return true;
    case P::kSpaceVertically:
      SpaceControls(form, false);
      return true;
    default:
      return false;
  }
}

}  // namespace

void RunLayoutCommand(Designer& designer, Ui& ui, TChildFrm& form, PopCommand command) {
  if (RunMovingCommand(designer, form, command)) return RefillInspector(designer, form);
  using P = PopCommand;
  switch (command) {
    case P::kBringToFront:
      return BringCurrentToFront(designer, form);
    case P::kSendToBack:
      return SendCurrentToBack(designer, form);
    case P::kDelete:
      return DeleteCurrentControl(designer, ui, form);
    default:
      return;
  }
}

}  // namespace qb
