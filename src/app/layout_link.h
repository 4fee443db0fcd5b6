#pragma once

// The context menu's commands as the main window reaches them: the designer's layout
// commands for the window, with the current library.

#include "app/main_links.h"
#include "designer/designer.h"

namespace qb {

class DesignerLayoutLink : public LayoutLink {
 public:
  DesignerLayoutLink(Designer& designer, Ui& ui) : designer_(designer), ui_(ui) {}
  void RunPopCommand(TChildFrm& form, const PopMenuEntry& entry) override;

 private:
  Designer& designer_;
  Ui& ui_;
};

}  // namespace qb
