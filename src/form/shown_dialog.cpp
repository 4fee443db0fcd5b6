#include "form/shown_dialog.h"

namespace qb {

// Which dialog is shown is view state: it counts no change of the form.
void HideShownDialog(TChildFrm& form) {
  TPTDialog* shown = form.ShownDialog();
  if (!shown) return;
  TChildFrm::ViewScope view(form);
  shown->SetTag(0);
  shown->SetSelected(false);
  shown->SetVisible(false);
  form.SetShownDialog(nullptr);
}

void ShowDialog(TChildFrm& form, TPTDialog& dialog) {
  if (form.ShownDialog() != &dialog) HideShownDialog(form);
  TChildFrm::ViewScope view(form);
  dialog.SetTag(1);
  dialog.SetVisible(true);
  form.SetShownDialog(&dialog);
  if (TControl* parent = dialog.Parent()) parent->BringToFront(&dialog);
}

}  // namespace qb
