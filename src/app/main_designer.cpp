// The hub: what the designer and the inspector ask of the application.

#include "app/Main.h"
#include "properties/frmBitmapEd.h"
#include "properties/frmItemsEditor.h"
#include "properties/frmTableEditor.h"

namespace qb {

void TMain::FillInspector(TChildFrm&, TControl& object) {
  if (inspector_view_) inspector_view_->Rules().FillInspector(object);
}

void TMain::ShowFormRows(TChildFrm& form) {
  if (inspector_view_) inspector_view_->Rules().FormRows(form);
}

void TMain::LoadChooser(TChildFrm& form) {
  if (inspector_view_) inspector_view_->LoadChooser(inspector_view_->Rules().ListControls(form));
}

void TMain::SelectChooserEntry(TControl& object) {
  if (inspector_view_) inspector_view_->SelectChooserEntry(&object);
}

void TMain::HideInlineEditors() {
  if (inspector_view_) inspector_view_->HideEditors();
}

void TMain::CloseChooserList() {
  if (inspector_view_) inspector_view_->SetChooserDropped(false);
}

void TMain::FocusWindow(TChildFrm& form) {
  if (views_) views_->FocusWindow(form);
}

void TMain::FocusControl(TControl& control) {
  if (views_) views_->FocusControl(control);
}

void TMain::RepaintWindow(TChildFrm& form) {
  form.MarkPictureDirty();
  if (views_) views_->RepaintWindow(form);
}

int TMain::TextHeight(const TControl& control) const {
  return fonts_.Face(control.Font().name).TextHeight("A");
}

bool TMain::EditItemLines(StringList& lines) { return qb::EditItemLines(ui_, lines); }

void TMain::EditTable(TCCTable& table) { qb::EditTable(ui_, table); }

void TMain::EditBitmap(TCCBitmap& picture) { qb::EditBitmap(ui_, picture); }

void TMain::EditPickerColors(TCCButton& select) {
  qb::EditPickerColors(ui_, select, fonts_, &color_editor_);
}

}  // namespace qb
