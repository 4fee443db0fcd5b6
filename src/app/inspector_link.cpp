#include "app/inspector_link.h"

namespace qb {

void PropertiesInspectorLink::FillInspector(TChildFrm&, TControl& object) {
  inspector_.Rules().FillInspector(object);
}

void PropertiesInspectorLink::LoadChooser(TChildFrm& form) {
  inspector_.LoadChooser(inspector_.Rules().ListControls(form));
}

}  // namespace qb
