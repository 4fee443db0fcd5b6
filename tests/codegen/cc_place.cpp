#include "codegen/cc_place.h"

#include <gtest/gtest.h>

#include <memory>

#include "designer/menus.h"
#include "designer/placement.h"
#include "form/shown_dialog.h"
#include "model/colors.h"
#include "model/font.h"

namespace qb::test {

namespace {

// A control of the kind as the designer places it at (x, y) of the parent, attached there.
template <typename T>
T& Placed(TControl& parent, const char* kind_name, const std::string& name, int x = 0, int y = 0) {
  auto* document = dynamic_cast<FormDocument*>(parent.Owner());
  auto* form = document ? dynamic_cast<TChildFrm*>(document->Observer()) : nullptr;
  const KindInfo* kind = FindKind(LibraryId::kCControls, kind_name);
  const PlacementRule* rule = kind ? FindPlacementRule(*kind) : nullptr;
  EXPECT_TRUE(form && kind && rule) << kind_name;
  std::unique_ptr<TControl> control =
      MakePlacedControl(*form, *kind, *rule, name, kWhite, {x, y}, parent);
  return static_cast<T&>(*parent.AddChild(std::move(control)));
}

}  // namespace

void NameForm(TChildFrm& form, const std::string& name, const std::string& title) {
  form.SetName(name);
  form.Screen().SetTitle(title);
}

TCCButton& PlaceButton(TControl& parent, const std::string& name, int x, int y) {
  return Placed<TCCButton>(parent, "Button", name, x, y);
}

TCCLabel& PlaceLabel(TControl& parent, const std::string& name, int x, int y) {
  return Placed<TCCLabel>(parent, "Label", name, x, y);
}

TCCCheckbox& PlaceCheckBox(TControl& parent, const std::string& name, int x, int y) {
  return Placed<TCCCheckbox>(parent, "CheckBox", name, x, y);
}

TCCSwitch& PlaceSwitch(TControl& parent, const std::string& name, int x, int y) {
  return Placed<TCCSwitch>(parent, "Switch", name, x, y);
}

TCCEdit& PlaceEdit(TControl& parent, const std::string& name, int x, int y) {
  return Placed<TCCEdit>(parent, "Edit", name, x, y);
}

TCCEdit& PlaceEditLine(TControl& parent, const std::string& name, int x, int y) {
  return Placed<TCCEdit>(parent, "EditLine", name, x, y);
}

TCCListBox& PlaceListBox(TControl& parent, const std::string& name, int x, int y) {
  return Placed<TCCListBox>(parent, "ListBox", name, x, y);
}

TCCDropDown& PlaceDropDown(TControl& parent, const std::string& name, int x, int y) {
  return Placed<TCCDropDown>(parent, "DropDown", name, x, y);
}

TCCRadio& PlaceRadio(TControl& parent, const std::string& name, int x, int y) {
  return Placed<TCCRadio>(parent, "Radio", name, x, y);
}

TCCPopUp& PlacePopUp(TControl& parent, const std::string& name, int x, int y) {
  return Placed<TCCPopUp>(parent, "PopUp", name, x, y);
}

TCCBitmap& PlaceImage(TControl& parent, const std::string& name, int x, int y) {
  return Placed<TCCBitmap>(parent, "Image", name, x, y);
}

TCCTable& PlaceTable(TControl& parent, const std::string& name, int x, int y) {
  return Placed<TCCTable>(parent, "Table", name, x, y);
}

TPTDialog& PlaceDialog(TChildFrm& form, const std::string& name) {
  HideShownDialog(form);
  auto& d = Placed<TPTDialog>(form.Screen(), "Dialog", name);
  ShowDialog(form, d);
  return d;
}

TCCMenu& PlaceMenu(TChildFrm& form, const std::string& name) {
  TDesignerClient& client = form.Client();
  const TCCForm& screen = form.Screen();
  if (!FindMenuBar(form)) {
    // The bar as the reader leaves it, with a font: the generator tests were written for it.
    auto* made =
        static_cast<TCCMenuBar*>(client.AddChild(std::make_unique<TCCMenuBar>(&form.Document())));
    made->SetName("MenuBar" + form.Name());
    made->SetColor(kWhite);
    made->SetFontName(kPilotStandard);
    made->SetBounds(screen.Left(), screen.Top(), 160, 15);
  }
  auto& menu = Placed<TCCMenu>(client, "Menu", name);
  // The new menu is the open one: the bar shows and every other menu closes.
  menu.SetTest(1);
  OpenMenu(form, menu);
  return menu;
}

}  // namespace qb::test
