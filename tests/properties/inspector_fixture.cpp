#include "inspector_fixture.h"

#include <algorithm>

#include "controls/CCBitmap.h"
#include "controls/CCButton.h"
#include "controls/CCCheckbox.h"
#include "controls/CCDropDown.h"
#include "controls/CCEdit.h"
#include "controls/CCLabel.h"
#include "controls/CCListBox.h"
#include "controls/CCMenu.h"
#include "controls/CCMenuBar.h"
#include "controls/CCPopUp.h"
#include "controls/CCRadio.h"
#include "controls/CCSwitch.h"
#include "controls/CCTable.h"
#include "controls/PTButton.h"
#include "controls/PTCheckBox.h"
#include "controls/PTDialog.h"
#include "controls/PTEdit.h"
#include "controls/PTLabel.h"
#include "controls/PTList.h"
#include "controls/PTPopTrigger.h"
#include "controls/factory.h"
#include "form/naming.h"
#include "form/shown_dialog.h"
#include "model/kinds.h"
#include "properties/ccrules.h"

namespace qb::test {

bool RecordingHooks::EditItemLines(StringList& lines) {
  calls.push_back("EditItemLines");
  items_seen = lines;
  if (items_ok) lines = items_result;
  return items_ok;
}

void RecordingHooks::EditTable(TCCTable& table) { calls.push_back("EditTable " + table.Name()); }
void RecordingHooks::EditBitmap(TCCBitmap& picture) {
  calls.push_back("EditBitmap " + picture.Name());
}
void RecordingHooks::EditPickerColors(TCCButton& select) {
  calls.push_back("EditPickerColors " + select.Name());
}

int RecordingHooks::Count(const std::string& call) const {
  return static_cast<int>(std::count(calls.begin(), calls.end(), call));
}

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

namespace {

const StringList kOneTwoThree = {"One", "Two", "Three"};
const StringList kABC = {"A", "B", "C"};

void PlaceCControls(const std::string& kind, TControl& c, int x, int y) {
  auto at = [&] { c.SetBounds(x, y, c.Width(), c.Height()); };
  if (kind == "Button") {
    auto& b = static_cast<TCCButton&>(c);
    b.SetUserLeft(x);
    b.SetUserTop(y);
    b.SetContent(b.Name());
    b.SetShowForm("(None)");
  } else if (kind == "Label") {
    at();
    auto& l = static_cast<TCCLabel&>(c);
    l.SetContent(l.Name());
    l.SetLine(0);
    l.SetStyle(0);
  } else if (kind == "CheckBox") {
    at();
    static_cast<TCCCheckbox&>(c).SetContent(c.Name());
  } else if (kind == "Switch") {
    at();
    auto& s = static_cast<TCCSwitch&>(c);
    s.SetContent(s.Name());
    s.SetWidth(38);
    s.SetRadius(0);
  } else if (kind == "Edit" || kind == "EditLine") {
    at();
    auto& e = static_cast<TCCEdit&>(c);
    e.SetContent(e.Name());
    if (kind == "Edit") e.SetTopic("Topic");
    e.SetTag(kind == "Edit" ? 0 : 1);
  } else if (kind == "ListBox") {
    at();
    auto& l = static_cast<TCCListBox&>(c);
    l.SetVisibleItems(2);
    l.SetItems(kOneTwoThree);
  } else if (kind == "DropDown") {
    at();
    auto& d = static_cast<TCCDropDown&>(c);
    d.SetVisibleItems(2);
    d.SetItems(kOneTwoThree);
    d.SetSelectedItem(0);
    d.SetTestItems(0);
    d.SetUserWidth(36);
  } else if (kind == "Radio") {
    at();
    auto& r = static_cast<TCCRadio&>(c);
    r.SetItems(kABC);
    r.SetSelectedItem(0);
  } else if (kind == "PopUp") {
    at();
    auto& p = static_cast<TCCPopUp&>(c);
    p.SetVisibleItems(2);
    p.SetItems(kOneTwoThree);
    p.SetTest(1);
  } else if (kind == "Image") {
    at();
    c.SetTag(1);
  } else if (kind == "Table") {
    at();
    auto& t = static_cast<TCCTable&>(c);
    t.SetItems({"~~"});
    t.SetColWidths({"25", "25", "25"});
    t.SetColAlign({"0", "0", "0"});
    t.SetUserWidth(75);
    t.SetCols(3);
  }
}

void PlacePToolbox(const std::string& kind, TControl& c, int x, int y) {
  auto at = [&] { c.SetBounds(x, y, c.Width(), c.Height()); };
  if (kind == "Button") {
    auto& b = static_cast<TPTButton&>(c);
    b.SetUserLeft(x);
    b.SetUserTop(y);
    b.SetUserHeight(13);
    b.SetUserWidth(42);
    b.SetText(b.Name());
    b.SetShowForm("(None)");
  } else if (kind == "Select") {
    auto& s = static_cast<TCCButton&>(c);
    s.SetTag(3);
    s.SetUserLeft(x);
    s.SetUserTop(y);
    s.SetUserHeight(13);
    s.SetUserWidth(34);
    s.SetContent(s.Name());
    s.SetRadius(0);
    s.SetLine(2);
    s.SetAlignment(TextAlign::kLeft);
    s.SetShowForm("(None)");
    s.SetDOTTitle("Select...");
  } else if (kind == "Push") {
    at();
    auto& p = static_cast<TCCSwitch&>(c);
    p.SetUserHeight(13);
    p.SetContent(p.Name());
    p.SetTag(0);
  } else if (kind == "Label") {
    at();
    static_cast<TPTLabel&>(c).SetContent(c.Name());
  } else if (kind == "Field") {
    at();
    auto& f = static_cast<TPTEdit&>(c);
    f.SetText("Field");
    f.SetMaxChars(20);
  } else if (kind == "CheckBox") {
    at();
    auto& b = static_cast<TPTCheckbox&>(c);
    b.SetHeight(15);
    b.SetContent(b.Name());
    b.SetGroupNumber(0);
  } else if (kind == "List") {
    at();
    auto& l = static_cast<TPTList&>(c);
    l.SetMaxItems(2);
    l.SetItems(kOneTwoThree);
    l.SetTrigger("(None)");
  } else if (kind == "PopTrigger") {
    at();
    c.SetHeight(15);
  } else if (kind == "Radio") {
    at();
    auto& r = static_cast<TCCRadio&>(c);
    r.SetUserHeight(13);
    r.SetTag(1);
    r.SetItems(kABC);
  } else if (kind == "Bitmap" || kind == "GSI") {
    at();
  }
}

}  // namespace

TControl& InspectorTest::Place(TChildFrm& form, const std::string& kind_name, int x, int y,
                               TControl* parent) {
  const KindInfo* kind = FindKind(state.library, kind_name);
  EXPECT_NE(kind, nullptr) << kind_name;
  bool cc = state.library == LibraryId::kCControls;
  if (kind_name == "Menu" &&
      !std::any_of(form.Client().Children().begin(), form.Client().Children().end(),
                   [](const auto& c) { return c->Class() == ControlClass::kCCMenuBar; })) {
    auto bar = std::make_unique<TCCMenuBar>(&form);
    bar->SetName(MenuBarName(form, false));
    bar->SetBounds(form.Screen().Left(), form.Screen().Top(), 160, 15);
    form.AppendToControlList(*form.Client().AddChild(std::move(bar)), "MenuBar");
  }
  std::unique_ptr<TControl> owned = CreateControl(kind->cls, &form);
  owned->SetName(NextControlName(kind->long_prefix, form, state.control_counter));
  owned->SetColor(kWhite);
  if (kind->cls != ControlClass::kCCBitmap && kind->cls != ControlClass::kPTGsi &&
      kind->cls != ControlClass::kCCMenu && kind->cls != ControlClass::kPTDialog)
    owned->SetFontName("PilotStandard");
  TControl* target = parent ? parent : &form.Screen();
  if (kind->parent == ParentRule::kScreen) target = &form.Screen();
  if (kind->parent == ParentRule::kDesignerWindow) target = &form.Client();
  if (kind->cls == ControlClass::kPTDialog) HideShownDialog(form);
  TControl& c = *target->AddChild(std::move(owned));
  if (kind_name == "Dialog") {
    auto& d = static_cast<TPTDialog&>(c);
    d.SetUserTop(60);
    d.SetUserLeft(5);
    d.SetUserHeight(80);
    d.SetUserWidth(152);
    d.SetGridSpace(form.Screen().GridSpace());
    d.SetGridVisible(form.Screen().GridVisible());
    ShowDialog(form, d);
  } else if (kind_name == "Menu") {
    auto& m = static_cast<TCCMenu&>(c);
    m.SetTop(form.Screen().Top());
    m.SetUserLeft(form.Screen().Left() + 5);
    m.SetItems({"Item1"});
    m.SetTopicWidth(36);
    m.SetUserWidth(38);
    OpenOnlyMenu(form, m);
  } else if (cc) {
    PlaceCControls(kind_name, c, x, y);
  } else {
    PlacePToolbox(kind_name, c, x, y);
    if (kind->cls != ControlClass::kPTEdit) c.SetPalmForm(target);
  }
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
