#include "designer/layout_commands.h"

#include "designer/designer.h"

namespace qb {

void RunLayoutCommand(Designer& designer, Ui& ui, TChildFrm& form, PopCommand command) {
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
