#include "app/layout_link.h"

#include "designer/layout_commands.h"

namespace qb {

void DesignerLayoutLink::RunPopCommand(TChildFrm& form, const PopMenuEntry& entry) {
  RunLayoutCommand(designer_, ui_, form, entry.command);
}

}  // namespace qb
