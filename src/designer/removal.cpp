#include "designer/removal.h"

#include <memory>

#include "designer/designer.h"

namespace qb {

void RemoveControl(TChildFrm& form, TControl& control) {
  if (form.ShownDialog() == &control) form.SetShownDialog(nullptr);
  if (TControl* parent = control.Parent()) parent->RemoveChild(&control);
}

void AfterRemoval(Designer& designer, TChildFrm& form) {
  designer.RefreshChooser(form);
  designer.ShowFormProperties(form);
  form.SetLastSelected(nullptr);
  form.MarkPictureDirty();
}

}  // namespace qb
