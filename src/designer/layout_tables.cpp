// The coordinate set each kind uses for each quantity of the align and same-size commands.
// Values are copied as numbers, without conversion between the sets.

#include "designer/layout_commands.h"
#include "model/kinds.h"

namespace qb {

namespace {

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
constexpr std::array<LayoutMeasure, kLayoutQuantityCount> kAllPanel = {
    Position(kPanel),     Edge(kPanel, kPanel), Position(kPanel),
    Edge(kPanel, kPanel), Extent(kPanel),       Extent(kPanel)};

const std::vector<LayoutKindRow> kCControlsTable = {
    {{"Button", "Switch", "Radio"}, kAllPalm},
    {{"Label", "Edit", "EditLine", "ListBox", "DropDown", "PopUp", "Table"}, kPalmWithoutHeight},
    {{"CheckBox"},
     {Position(kPalm), Edge(kPanel, kPanel), Position(kPalm), Edge(kPalm, kPanel), Extent(kPanel),
      kNoPart}},
    {{"Dialog", "Image"}, kAllPanel},
    // MenuBar and Menu take no part.
};

const std::vector<LayoutKindRow> kPToolboxTable = {
    {{"Button", "Push", "Radio", "Select"}, kAllPalm},
    {{"List"}, kPalmWithoutHeight},
    {{"CheckBox"},
     {Position(kPalm), Edge(kPalm, kPanel), Position(kPalm), Edge(kPalm, kPanel), Extent(kPanel),
      Extent(kPanel)}},
    {{"PopTrigger", "Field", "Dialog", "Bitmap"}, kAllPanel},
    {{"Label", "GSI"},
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
    for (std::string_view name : row.kinds)
      if (name == kind->kind) return row.measures[static_cast<int>(quantity)];
  return kNoPart;
}

}  // namespace qb
