#include "pt_builder.h"

#include <gtest/gtest.h>

#include "designer/placement.h"
#include "form/shown_dialog.h"
#include "model/font.h"

namespace qb::test::pt {

namespace {

// A control of the kind as the designer places it at (x, y) of the panel, attached there.
template <typename T>
T& Placed(TChildFrm& form, TControl& panel, const char* kind_name, const std::string& name,
          int x = 0, int y = 0) {
  const KindInfo* kind = FindKind(LibraryId::kPToolboxLib, kind_name);
  const PlacementRule* rule = kind ? FindPlacementRule(*kind) : nullptr;
  EXPECT_TRUE(kind && rule) << kind_name;
  std::unique_ptr<TControl> control =
      MakePlacedControl(form, *kind, *rule, name, kWhite, {x, y}, panel);
  return static_cast<T&>(*panel.AddChild(std::move(control)));
}

}  // namespace

std::unique_ptr<TChildFrm> NewForm(const std::string& name, const std::string& title) {
  auto form = std::make_unique<TChildFrm>();
  form->SetName(name);
  form->Screen().SetTitle(title);
  return form;
}

TPTButton& PlaceButton(TChildFrm& form, TControl& panel, const std::string& name, int x, int y) {
  return Placed<TPTButton>(form, panel, "Button", name, x, y);
}

TCCButton& PlaceSelect(TChildFrm& form, TControl& panel, const std::string& name, int x, int y) {
  return Placed<TCCButton>(form, panel, "Select", name, x, y);
}

TCCSwitch& PlacePush(TChildFrm& form, TControl& panel, const std::string& name, int x, int y) {
  return Placed<TCCSwitch>(form, panel, "Push", name, x, y);
}

TPTLabel& PlaceLabel(TChildFrm& form, TControl& panel, const std::string& name, int x, int y) {
  return Placed<TPTLabel>(form, panel, "Label", name, x, y);
}

TPTEdit& PlaceField(TChildFrm& form, TControl& panel, const std::string& name, int x, int y) {
  return Placed<TPTEdit>(form, panel, "Field", name, x, y);
}

TPTCheckbox& PlaceCheckBox(TChildFrm& form, TControl& panel, const std::string& name, int x,
                           int y) {
  return Placed<TPTCheckbox>(form, panel, "CheckBox", name, x, y);
}

TPTList& PlaceList(TChildFrm& form, TControl& panel, const std::string& name, int x, int y) {
  return Placed<TPTList>(form, panel, "List", name, x, y);
}

TPTPopTrigger& PlacePopTrigger(TChildFrm& form, TControl& panel, const std::string& name, int x,
                               int y) {
  return Placed<TPTPopTrigger>(form, panel, "PopTrigger", name, x, y);
}

TCCRadio& PlaceRadio(TChildFrm& form, TControl& panel, const std::string& name, int x, int y) {
  return Placed<TCCRadio>(form, panel, "Radio", name, x, y);
}

TCCBitmap& PlaceBitmap(TChildFrm& form, TControl& panel, const std::string& name, int x, int y) {
  return Placed<TCCBitmap>(form, panel, "Bitmap", name, x, y);
}

TPTGsi& PlaceGsi(TChildFrm& form, TControl& panel, const std::string& name, int x, int y) {
  return Placed<TPTGsi>(form, panel, "GSI", name, x, y);
}

TPTDialog& PlaceDialog(TChildFrm& form, const std::string& name) {
  HideShownDialog(form);
  auto& d = Placed<TPTDialog>(form, form.Screen(), "Dialog", name);
  ShowDialog(form, d);
  return d;
}

}  // namespace qb::test::pt
