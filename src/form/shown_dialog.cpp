#include "form/shown_dialog.h"

namespace qb {

void HideShownDialog(TChildFrm& form) {
  TPTDialog* shown = form.ShownDialog();
  if (!shown) return;
  shown->SetTag(0);
  shown->SetSelected(false);
  shown->SetVisible(false);
  form.SetShownDialog(nullptr);
}

void ShowDialog(TChildFrm& form, TPTDialog& dialog) {
  if (form.ShownDialog() != &dialog) HideShownDialog(form);
  dialog.SetTag(1);
  dialog.SetVisible(true);
  form.SetShownDialog(&dialog);
  if (TControl* parent = dialog.Parent()) parent->BringToFront(&dialog);
}

}  // namespace qb
