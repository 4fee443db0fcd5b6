#include "codegen/cc_place.h"

#include <memory>

#include "model/colors.h"
#include "model/font.h"

namespace qb::test {

namespace {

const StringList kListItems = {"One", "Two", "Three"};

template <typename T>
T& Attach(TControl& parent, const std::string& name, int x, int y, bool font = true) {
  auto* control = static_cast<T*>(parent.AddChild(std::make_unique<T>(parent.Owner())));
  control->SetName(name);
  control->SetColor(kWhite);
  control->SetLeft(x);
  control->SetTop(y);
  if (font) control->SetFontName(kPilotStandard);
  return *control;
}

}  // namespace

void NameForm(TChildFrm& form, const std::string& name, const std::string& title) {
  form.SetName(name);
  form.Screen().SetTitle(title);
}

TCCButton& PlaceButton(TControl& parent, const std::string& name, int x, int y) {
  auto& c = Attach<TCCButton>(parent, name, 0, 0);
  c.SetUserLeft(x);
  c.SetUserTop(y);
  c.SetContent(name);
  c.SetShowForm("(None)");
  return c;
}

TCCLabel& PlaceLabel(TControl& parent, const std::string& name, int x, int y) {
  auto& c = Attach<TCCLabel>(parent, name, x, y);
  c.SetContent(name);
  c.SetLine(0);
  c.SetStyle(0);
  return c;
}

TCCCheckbox& PlaceCheckBox(TControl& parent, const std::string& name, int x, int y) {
  auto& c = Attach<TCCCheckbox>(parent, name, x, y);
  c.SetContent(name);
  return c;
}

TCCSwitch& PlaceSwitch(TControl& parent, const std::string& name, int x, int y) {
  auto& c = Attach<TCCSwitch>(parent, name, x, y);
  c.SetContent(name);
  c.SetWidth(38);
  c.SetRadius(0);
  return c;
}

TCCEdit& PlaceEdit(TControl& parent, const std::string& name, int x, int y) {
  auto& c = Attach<TCCEdit>(parent, name, x, y);
  c.SetContent(name);
  c.SetTopic("Topic");
  c.SetTag(0);
  return c;
}

TCCEdit& PlaceEditLine(TControl& parent, const std::string& name, int x, int y) {
  auto& c = Attach<TCCEdit>(parent, name, x, y);
  c.SetContent(name);
  c.SetTag(kEditLineTag);
  return c;
}

TCCListBox& PlaceListBox(TControl& parent, const std::string& name, int x, int y) {
  auto& c = Attach<TCCListBox>(parent, name, x, y);
  c.SetVisibleItems(2);
  c.SetItems(kListItems);
  return c;
}

TCCDropDown& PlaceDropDown(TControl& parent, const std::string& name, int x, int y) {
  auto& c = Attach<TCCDropDown>(parent, name, x, y);
  c.SetVisibleItems(2);
  c.SetItems(kListItems);
  c.SetSelectedItem(0);
  c.SetTestItems(0);
  c.SetUserWidth(36);
  return c;
}

TCCRadio& PlaceRadio(TControl& parent, const std::string& name, int x, int y) {
  auto& c = Attach<TCCRadio>(parent, name, x, y);
  c.SetItems({"A", "B", "C"});
  c.SetSelectedItem(0);
  return c;
}

TCCPopUp& PlacePopUp(TControl& parent, const std::string& name, int x, int y) {
  auto& c = Attach<TCCPopUp>(parent, name, x, y);
  c.SetVisibleItems(2);
  c.SetItems(kListItems);
  c.SetTest(1);
  return c;
}

TCCBitmap& PlaceImage(TControl& parent, const std::string& name, int x, int y) {
  auto& c = Attach<TCCBitmap>(parent, name, x, y, /*font=*/false);
  c.SetStringBits("");
  c.SetTag(1);
  return c;
}

TCCTable& PlaceTable(TControl& parent, const std::string& name, int x, int y) {
  auto& c = Attach<TCCTable>(parent, name, x, y);
  c.SetItems({"~~"});
  c.SetColWidths({"25", "25", "25"});
  c.SetColAlign({"0", "0", "0"});
  c.SetUserWidth(75);
  c.SetCols(3);
  return c;
}

TPTDialog& PlaceDialog(TChildFrm& form, const std::string& name) {
  if (TPTDialog* shown = form.ShownDialog()) {
    shown->SetTag(0);
    shown->SetVisible(false);
    form.SetShownDialog(nullptr);
  }
  TCCForm& screen = form.Screen();
  auto& d = Attach<TPTDialog>(screen, name, 0, 0, /*font=*/false);
  d.SetUserTop(60);
  d.SetUserLeft(5);
  d.SetUserHeight(80);
  d.SetUserWidth(152);
  d.SetTag(1);
  screen.BringToFront(&d);
  d.SetGridSpace(screen.GridSpace());
  d.SetGridVisible(screen.GridVisible());
  form.SetShownDialog(&d);
  return d;
}

TCCMenu& PlaceMenu(TChildFrm& form, const std::string& name) {
  TDesignerClient& client = form.Client();
  const TCCForm& screen = form.Screen();
  TCCMenuBar* bar = nullptr;
  for (const auto& child : client.Children())
    if (auto* b = As<TCCMenuBar>(child.get())) bar = b;
  if (!bar) {
    bar = &Attach<TCCMenuBar>(client, "MenuBar" + form.Name(), screen.Left(), screen.Top());
    bar->SetBounds(screen.Left(), screen.Top(), 160, 15);
  }
  auto& menu = Attach<TCCMenu>(client, name, 0, screen.Top(), /*font=*/false);
  menu.SetUserLeft(screen.Left() + 5);
  menu.SetItems({"Item1"});
  menu.SetTopicWidth(36);
  menu.SetUserWidth(38);
  // The new menu is the open one: the bar shows and every other menu closes.
  bar->SetTest(1);
  for (const auto& child : client.Children())
    if (auto* other = As<TCCMenu>(child.get()); other && other != &menu) other->SetTest(0);
  menu.SetTest(1);
  return menu;
}

}  // namespace qb::test
