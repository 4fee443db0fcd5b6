// The designer's requests, answered by the main window.

#include "app/Main.h"

namespace qb {

void TMain::DesignerSide::FillInspector(TChildFrm& form, TControl& object) {
  main_.inspector_link_->FillInspector(form, object);
}

void TMain::DesignerSide::ShowFormRows(TChildFrm& form) {
  main_.inspector_link_->ShowFormRows(form);
}

void TMain::DesignerSide::LoadChooser(TChildFrm& form) { main_.inspector_link_->LoadChooser(form); }

void TMain::DesignerSide::SelectChooserEntry(TControl& object) {
  main_.inspector_link_->SelectChooserEntry(object);
}

void TMain::DesignerSide::HideInlineEditors() { main_.inspector_link_->HideInlineEditors(); }

void TMain::DesignerSide::CloseChooserList() { main_.inspector_link_->CloseChooserList(); }

bool TMain::DesignerSide::InspectorVisible() const { return main_.inspector_.visible; }

void TMain::DesignerSide::ToggleInspector() { main_.TogglePropertiesEditor(); }

int TMain::DesignerSide::InspectorWidth() const { return main_.inspector_.bounds.width; }

int TMain::DesignerSide::ToolbarAreaHeight() const { return main_.geometry_.dock_height; }

void TMain::DesignerSide::RaiseWindow(TChildFrm& form) { main_.BringToFront(form); }

void TMain::DesignerSide::LowerWindow(TChildFrm& form) { main_.SendToBack(form); }

void TMain::DesignerSide::RunPopCommand(TChildFrm& form, const PopMenuEntry& entry) {
  main_.layout_->RunPopCommand(form, entry);
}

int TMain::DesignerSide::TextHeight(const TControl& control) const {
  return main_.fonts_.Face(control.Font().name).TextHeight("A");
}

}  // namespace qb
