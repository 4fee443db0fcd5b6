#include "designer/placement.h"

#include "controls/factory.h"
#include "controls/property_binding.h"
#include "designer/placement_tables.h"
#include "model/font.h"

namespace qb {

const StringList& PlacedListItems() {
  static const StringList kItems = {"One", "Two", "Three"};
  return kItems;
}

const StringList& PlacedRadioItems() {
  static const StringList kItems = {"A", "B", "C"};
  return kItems;
}

const std::vector<PlacementRule>& PlacementRules(LibraryId lib) {
  return lib == LibraryId::kCControls ? CControlsPlacement() : PToolboxPlacement();
}

const PlacementRule* FindPlacementRule(const KindInfo& kind) {
  for (const auto& rule : PlacementRules(kind.library))
    if (rule.kind == kind.id) return &rule;
  return nullptr;
}

std::unique_ptr<TControl> MakePlacedControl(TChildFrm& form, const KindInfo& kind,
                                            const PlacementRule& rule, const std::string& name,
                                            Color color, Point at, TControl& panel) {
  std::unique_ptr<TControl> control = CreateControl(kind.cls, &form.Document());
  control->SetName(name);
  control->SetColor(color);
  if (kind.tag_marker != kAnyTag) control->SetTag(kind.tag_marker);
  if (rule.init) rule.init(*control, PlaceContext{form, name});
  for (const PropertyBinding* binding : BindingsOf(kind.library, kind.id))
    if (binding->placed) ApplyDefault(*binding, *control);
  if (rule.standard_font) control->SetFontName(kPilotStandard);
  switch (rule.at) {
    case PlaceAt::kPalm:
      control->SetUserLeft(at.x);
      control->SetUserTop(at.y);
      break;
    case PlaceAt::kPanel:
      control->SetLeft(at.x);
      control->SetTop(at.y);
      break;
    case PlaceAt::kMenu:
    case PlaceAt::kDialog:
      break;
  }
  if (rule.palm_form) control->SetPalmForm(&panel);
  return control;
}

}  // namespace qb
