// The hub: what the designer and the inspector ask of the application.

#include "app/main_hub.h"

#include "app/Main.h"
#include "properties/frmBitmapEd.h"
#include "properties/frmItemsEditor.h"
#include "properties/frmTableEditor.h"

namespace qb {

InspectorPort& MainHub::Inspector() { return *main_.inspector_port_; }

bool MainHub::InspectorVisible() const { return main_.inspector_.visible; }

void MainHub::ToggleInspector() { main_.View().TogglePropertiesEditor(); }

int MainHub::InspectorWidth() const { return main_.inspector_.bounds.width; }

int MainHub::ToolbarAreaHeight() const { return main_.geometry_.dock_height; }

void MainHub::RaiseWindow(TChildFrm& form) { main_.BringToFront(form); }

void MainHub::LowerWindow(TChildFrm& form) { main_.SendToBack(form); }

void MainHub::FocusWindow(TChildFrm& form) {
  if (main_.views_) main_.views_->FocusWindow(form);
}

void MainHub::FocusControl(TControl& control) {
  if (main_.views_) main_.views_->FocusControl(control);
}

void MainHub::RepaintWindow(TChildFrm& form) {
  form.MarkPictureDirty();
  if (main_.views_) main_.views_->RepaintWindow(form);
}

void MainHub::ResumeZoom() { main_.zoom_.Resume(); }

void MainHub::RedrawZoom() { main_.zoom_.Redraw(); }

int MainHub::TextHeight(const TControl& control) const {
  return main_.fonts_.Face(control.Font().name).TextHeight("A");
}

bool MainHub::EditItemLines(StringList& lines) { return qb::EditItemLines(main_.ui_, lines); }

void MainHub::EditTable(TCCTable& table) { qb::EditTable(main_.ui_, table); }

void MainHub::EditBitmap(TCCBitmap& picture) { qb::EditBitmap(main_.ui_, picture); }

void MainHub::EditPickerColors(TCCButton& select) {
  qb::EditPickerColors(main_.ui_, select, main_.fonts_, &main_.color_editor_);
}

}  // namespace qb
