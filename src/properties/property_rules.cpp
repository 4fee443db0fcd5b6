#include "properties/property_rules.h"

#include "controls/PTDialog.h"
#include "form/app_state.h"
#include "form/hub.h"
#include "model/code_page.h"
#include "model/kinds.h"
#include "model/user_error.h"
#include "properties/ccrules.h"
#include "properties/frmProperties.h"
#include "properties/ptrules.h"
#include "properties/row_kit.h"
#include "properties/row_names.h"
#include "properties/rule_support.h"

namespace qb {

void PropertyRules::FillInspector(TControl& control) {
  HideEditorsForFill();
  TChildFrm* window = WindowOfControl(control);
  if (control.Class() == ControlClass::kDesignerClient) {
    if (window && window->Visible()) FormRows(*window);
    ctx_.state.current_control.Reset(&control);
    return;
  }
  BeforeFill(control, window);
  if (auto sheet = Sheet(control)) {
    WriteRows(*sheet);
  } else {
    ctx_.inspector.SetRows({});
  }
  ctx_.inspector.SelectChooserEntry(&control);
  ctx_.state.current_control.Reset(&control);
}

std::string PropertyRules::ValueText(const TControl& control, std::string_view row) const {
  const KindTable* table = TableFor(control);
  if (!table) return {};
  int index = table->IndexOf(row);
  if (index < 0) return {};
  RulesContext ctx = ctx_;
  RowEnv env{ctx, WindowOfControl(control), *table};
  return table->rows[static_cast<std::size_t>(index)].show(control, env);
}

void PropertyRules::ApplyValue(std::string_view row, const std::string& text) {
  TControl* current = ctx_.state.current_control.Get();
  if (!current) return;
  auto sheet = Sheet(*current);
  if (!sheet) return;
  int index = sheet->IndexOf(row);
  if (index < 0) return;
  // What the device could not show never reaches the control.
  if (auto cp = FirstUnshownCharacter(text)) {
    TChildFrm* window = WindowOfControl(*current);
    const bool form = window && current == &window->Client();
    throw UserError(
        KeptValueMessage(*cp, form ? window->Name() : current->Name(), row, sheet->Text(index)));
  }
  sheet->Apply(index, text);
}

void PropertyRules::FormRows(TChildFrm& window) {
  if (auto sheet = Sheet(window.Client())) WriteRows(*sheet);
  ctx_.inspector.SelectChooserEntry(&window.Client());
  for (TControl* c : window.AllControls()) c->SetSelected(false);
  ctx_.inspector.SetFocus(InspectorWidget::kOutside);
  ctx_.hub.FocusWindow(window);
  ctx_.state.current_control.Reset(&window.Client());
}

std::vector<ControlListEntry> PropertyRules::ListControls(const FormDocument& form) const {
  return form.OrderedControlList(Library());
}

std::vector<std::string> PropertyRules::RowNames(const TControl& control) const {
  std::vector<std::string> names;
  if (const KindTable* table = TableFor(control))
    for (const RowSpec& row : table->rows) names.emplace_back(row.name);
  return names;
}

std::unique_ptr<PropertySheet> PropertyRules::Sheet(TControl& control) {
  const KindTable* table = TableFor(control);
  if (!table) return nullptr;
  return std::make_unique<PropertySheet>(
      *table, control, WindowOfControl(control), ctx_,
      [this](std::string_view row, TControl& c, TChildFrm* w) { AfterApply(row, c, w); });
}

const KindTable* PropertyRules::FindTable(const std::vector<KindTable>& tables,
                                          const KindTable& form, const TControl& control) const {
  if (control.Class() == ControlClass::kDesignerClient) return &form;
  const KindInfo* kind = KindForClass(Library(), control.Class(), control.Tag());
  if (!kind) return nullptr;
  for (const KindTable& table : tables)
    if (table.kind == kind->id) return &table;
  return nullptr;
}

TChildFrm* PropertyRules::WindowOfControl(const TControl& control) const {
  return WindowOf(ctx_.state, control);
}

void PropertyRules::WriteRows(PropertySheet& sheet) {
  std::vector<GridRow> grid_rows;
  for (int i = 0; i < sheet.Count(); ++i) grid_rows.push_back({sheet.Name(i), sheet.Text(i)});
  ctx_.inspector.SetRows(std::move(grid_rows));
}

void PropertyRules::AfterApply(std::string_view row, TControl& control, TChildFrm* window) {
  AfterRow(row, control, window);
  if (row == rows::kName) ctx_.inspector.RefreshChooser();
  if (control.Class() == ControlClass::kDesignerClient) {
    if (window) {
      window->MarkPictureDirty();
      ctx_.hub.RepaintWindow(*window);
    }
    return;
  }
  control.Invalidate();
  // Controls inside a dialog take its colours.
  if (control.Class() == ControlClass::kPTDialog)
    for (const auto& child : control.Children()) child->Invalidate();
}

std::unique_ptr<PropertyRules> MakePropertyRules(LibraryId lib, RulesContext ctx) {
  if (lib == LibraryId::kCControls) return std::make_unique<CCRules>(ctx);
  return std::make_unique<PTRules>(ctx);
}

}  // namespace qb
