#include "app/lead_to_control.h"

#include "controls/PTDialog.h"
#include "form/mouse.h"
#include "form/shown_dialog.h"

namespace qb {

namespace {

// The dialog a control lies in, or the dialog itself; nullptr on the screen panel.
TPTDialog* DialogOf(TControl& control) {
  for (TControl* c = &control; c; c = c->Parent())
    if (auto* dialog = As<TPTDialog>(c)) return dialog;
  return nullptr;
}

}  // namespace

void LeadToControl(Designer& designer, TChildFrm& window, TControl* control) {
  if (!control) {
    // As a click on the screen panel: the form's own rows, no marks.
    designer.ScreenPress(window);
    designer.ShowFormProperties(window);
    return;
  }
  if (TPTDialog* dialog = DialogOf(*control); dialog && window.ShownDialog() != dialog) {
    ShowDialog(window, *dialog);
    window.MarkPictureDirty();
  }
  // The press of a left click; its release, without a drag, would only inspect it again.
  designer.SelectionHandler(window, *control, kSsLeft);
  window.MarkPictureDirty();
}

}  // namespace qb
