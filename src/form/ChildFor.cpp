#include "form/ChildFor.h"

namespace qb {

TChildFrm::TChildFrm() { snap_.SetSnapToGridWindow(&document_.Screen()); }

TChildFrm::~TChildFrm() = default;

void TChildFrm::SetShownDialog(TPTDialog* dialog) {
  shown_dialog_.Reset(dialog);
  snap_dialog_.SetSnapToGridWindow(dialog);
  MarkPictureDirty();
}

void TChildFrm::ApplyGridOption(bool on) {
  FormDocument::ViewScope view(document_);
  MarkPictureDirty();
  TCCForm& screen = document_.Screen();
  screen.SetGridVisible(on ? 1 : 0);
  if (on) screen.SetGridSpace(kGridSpaceOn);
  snap_.SetGridSize(on ? kGridSizeOn : 1);
  snap_dialog_.SetGridSize(on ? kGridSizeOn : 1);
  for (const auto& child : screen.Children()) {
    auto* dialog = As<TPTDialog>(child.get());
    if (!dialog) continue;
    dialog->SetGridVisible(on ? 1 : 0);
    if (on) dialog->SetGridSpace(kGridSpaceOn);
  }
}

// The size change itself was counted by the document.
void TChildFrm::DocumentControlResized(TControl& control) {
  if (listener_) listener_->FormControlResized(*this, control);
}

}  // namespace qb
