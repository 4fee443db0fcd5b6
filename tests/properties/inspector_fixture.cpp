#include "inspector_fixture.h"

#include <algorithm>

#include "controls/CCBitmap.h"
#include "controls/CCButton.h"
#include "controls/CCMenu.h"
#include "controls/CCMenuBar.h"
#include "controls/CCTable.h"
#include "controls/PTDialog.h"
#include "designer/menus.h"
#include "designer/placement.h"
#include "form/naming.h"
#include "form/shown_dialog.h"
#include "model/kinds.h"
#include "properties/ccrules.h"

namespace qb::test {

TChildFrm& InspectorTest::NewForm(LibraryId lib, const std::string& name) {
  state.library = lib;
  state.windows.push_back(std::make_unique<TChildFrm>());
  TChildFrm& form = *state.windows.back();
  form.SetName(name);
  form.Screen().SetTitle(name);
  state.current_window.Reset(&form);
  form.RebuildControlList(lib);
  return form;
}

TControl& InspectorTest::Place(TChildFrm& form, const std::string& kind_name, int x, int y,
                               TControl* parent) {
  const KindInfo* kind = FindKind(state.library, kind_name);
  EXPECT_NE(kind, nullptr) << kind_name;
  if (kind_name == "Menu" &&
      !std::any_of(form.Client().Children().begin(), form.Client().Children().end(),
                   [](const auto& c) { return c->Class() == ControlClass::kCCMenuBar; })) {
    auto bar = std::make_unique<TCCMenuBar>(&form.Document());
    bar->SetName(MenuBarName(form, false));
    bar->SetBounds(form.Screen().Left(), form.Screen().Top(), 160, 15);
    form.AppendToControlList(*form.Client().AddChild(std::move(bar)), "MenuBar");
  }
  const PlacementRule* rule = kind ? FindPlacementRule(*kind) : nullptr;
  EXPECT_NE(rule, nullptr) << kind_name;
  TControl* target = parent ? parent : &form.Screen();
  if (kind->parent == ParentRule::kScreen) target = &form.Screen();
  if (kind->parent == ParentRule::kDesignerWindow) target = &form.Client();
  if (kind->cls == ControlClass::kPTDialog) HideShownDialog(form);
  TControl& c = *target->AddChild(MakePlacedControl(
      form, *kind, *rule, NextControlName(kind->long_prefix, form, state.control_counter), kWhite,
      {x, y}, *target));
  if (auto* dialog = As<TPTDialog>(&c)) ShowDialog(form, *dialog);
  if (auto* menu = As<TCCMenu>(&c)) OpenMenu(form, *menu);
  form.AppendToControlList(c, kind->kind);
  Show(c);
  inspector.RefreshChooser();
  return c;
}

void InspectorTest::SelectRowQuietly(const std::string& row) {
  // Selecting a row opens its editor; the editors are then put away again, leaving the row
  // selected as it is after the grid was refilled.
  inspector.SelectCell(inspector.RowIndex(row));
  inspector.HideEditors();
  inspector.SetFocus(InspectorWidget::kGrid);
}

std::vector<std::string> InspectorTest::GridNames() const {
  std::vector<std::string> names;
  for (const GridRow& row : inspector.Rows()) names.push_back(row.name);
  return names;
}

std::string InspectorTest::Cell(const std::string& row) const {
  int index = inspector.RowIndex(row);
  return index < 0 ? "<no row " + row + ">"
                   : inspector.Rows()[static_cast<std::size_t>(index)].value;
}

}  // namespace qb::test
