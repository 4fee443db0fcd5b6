// The coordinate set each kind uses for each quantity of the align and same-size commands.
// Values are copied as numbers, without conversion between the sets.

#include "designer/layout_commands.h"
#include "model/kinds.h"

namespace qb {

namespace {

using K = KindId;
constexpr CoordUse kPalm = CoordUse::kPalm;
constexpr CoordUse kPanel = CoordUse::kPanel;
constexpr CoordUse kNone = CoordUse::kNone;

constexpr LayoutMeasure Position(CoordUse use) { return {use, kNone}; }
constexpr LayoutMeasure Edge(CoordUse position, CoordUse extent) { return {position, extent}; }
constexpr LayoutMeasure Extent(CoordUse use) { return {kNone, use}; }
constexpr LayoutMeasure kNoPart{};

// Columns: left, right edge, top, bottom edge, width, height.
constexpr std::array<LayoutMeasure, kLayoutQuantityCount> kAllPalm = {
    Position(kPalm),    Edge(kPalm, kPalm), Position(kPalm),
    Edge(kPalm, kPalm), Extent(kPalm),      Extent(kPalm)};
constexpr std::array<LayoutMeasure, kLayoutQuantityCount> kPalmWithoutHeight = {
    Position(kPalm),     Edge(kPalm, kPalm), Position(kPalm),
    Edge(kPalm, kPanel), Extent(kPalm),      kNoPart};
// Menus and the menu bar take no part.
constexpr std::array<LayoutMeasure, kLayoutQuantityCount> kNoParts = {};
constexpr std::array<LayoutMeasure, kLayoutQuantityCount> kAllPanel = {
    Position(kPanel),     Edge(kPanel, kPanel), Position(kPanel),
    Edge(kPanel, kPanel), Extent(kPanel),       Extent(kPanel)};

const std::vector<LayoutKindRow> kCControlsTable = {
    {{K::kCCButton, K::kCCSwitch, K::kCCRadio}, kAllPalm},
    {{K::kCCLabel, K::kCCEdit, K::kCCEditLine, K::kCCListBox, K::kCCDropDown, K::kCCPopUp,
      K::kCCTable},
     kPalmWithoutHeight},
    {{K::kCCCheckBox},
     {Position(kPalm), Edge(kPanel, kPanel), Position(kPalm), Edge(kPalm, kPanel), Extent(kPanel),
      kNoPart}},
    {{K::kCCDialog, K::kCCImage}, kAllPanel},
    {{K::kCCMenu, K::kCCMenuBar}, kNoParts},
};

const std::vector<LayoutKindRow> kPToolboxTable = {
    {{K::kPTButton, K::kPTPush, K::kPTRadio, K::kPTSelect}, kAllPalm},
    {{K::kPTList}, kPalmWithoutHeight},
    {{K::kPTCheckBox},
     {Position(kPalm), Edge(kPalm, kPanel), Position(kPalm), Edge(kPalm, kPanel), Extent(kPanel),
      Extent(kPanel)}},
    {{K::kPTPopTrigger, K::kPTField, K::kPTDialog, K::kPTBitmap}, kAllPanel},
    {{K::kPTLabel, K::kPTGsi},
     {Position(kPanel), Edge(kPanel, kPanel), Position(kPanel), Edge(kPanel, kPanel), kNoPart,
      kNoPart}},
};

}  // namespace

const std::vector<LayoutKindRow>& LayoutTable(LibraryId lib) {
  return lib == LibraryId::kCControls ? kCControlsTable : kPToolboxTable;
}

LayoutMeasure MeasureOf(LibraryId lib, const TControl& control, LayoutQuantity quantity) {
  const KindInfo* kind = KindForClass(lib, control.Class(), control.Tag());
  if (!kind) return kNoPart;
  for (const LayoutKindRow& row : LayoutTable(lib))
    for (KindId id : row.kinds)
      if (id == kind->id) return row.measures[static_cast<int>(quantity)];
  return kNoPart;
}

}  // namespace qb
