#pragma once

// The initial values a control of each kind gets when it is placed from the palette: one
// table per library, read by the designer's Place control.

#include <functional>
#include <string>
#include <vector>

#include "controls/control.h"
#include "controls/palm_canvas.h"
#include "form/ChildFor.h"
#include "model/colors.h"
#include "model/kinds.h"
#include "model/library.h"

namespace qb {

enum class PlaceAt {
  kPanel,   // the click gives the panel Left and Top
  kPalm,    // the click gives UserLeft and UserTop
  kMenu,    // on the designer window, over the screen panel; the click is ignored
  kDialog,  // on the screen panel at a fixed place; the click is ignored
};

struct PlaceContext {
  TChildFrm& form;
  const std::string& name;
};

struct PlacementRule {
  KindId kind;
  PlaceAt at;
  bool standard_font;  // gets "PilotStandard"
  bool palm_form;      // takes its parent panel's colours
  std::function<void(TControl&, const PlaceContext&)> init;
};

const std::vector<PlacementRule>& PlacementRules(LibraryId lib);
// nullptr for a kind the library does not place.
const PlacementRule* FindPlacementRule(const KindInfo& kind);

// A new control of the kind as the palette places it at (x, y) of the panel: named, in the
// colour, with the kind's Tag marker, the rule's values, the defaults of the kind's bound
// properties marked as placed, the rule's font, and the panel's colours where
// the rule says so. Menus and dialogs take no point. The caller attaches it.
std::unique_ptr<TControl> MakePlacedControl(TChildFrm& form, const KindInfo& kind,
                                            const PlacementRule& rule, const std::string& name,
                                            Color color, Point at, TControl& panel);

// Wraps an initialiser written for one control class.
template <typename T, typename F>
std::function<void(TControl&, const PlaceContext&)> InitAs(F f) {
  return [f](TControl& control, const PlaceContext& context) {
    if (T* typed = As<T>(&control)) f(*typed, context);
  };
}

// The texts placement writes.
inline constexpr const char* kPlacedMenuItem = "Item1";
inline constexpr const char* kPlacedTableRow = "~~";
inline constexpr const char* kPlacedSelectTitle = "Select...";
const StringList& PlacedListItems();   // "One", "Two", "Three"
const StringList& PlacedRadioItems();  // "A", "B", "C"

// Where a new dialog lies, in Palm coordinates.
inline constexpr int kDialogUserLeft = 5;
inline constexpr int kDialogUserTop = 60;
inline constexpr int kDialogUserWidth = 152;
inline constexpr int kDialogUserHeight = 80;

}  // namespace qb
