// Which coordinate set each kind of each library reads and writes for align and same size:
// a Button reference (Palm coordinates throughout) and one target of the kind, per quantity.

#include <array>
#include <ostream>
#include <string>

#include "controls/CCBitmap.h"
#include "designer/selection.h"
#include "layout_fixture.h"

namespace qb::test {
namespace {

constexpr LibraryId kCC = LibraryId::kCControls;
constexpr LibraryId kPT = LibraryId::kPToolboxLib;

// Per quantity (left, right edge, top, bottom edge, width, height): "Palm" or "panel" for a
// position or size, "<position>+<size>" for an edge, "-" when the kind takes no part.
using Codes = std::array<const char*, 6>;

struct KindCase {
  LibraryId lib;
  const char* kind;
  Codes codes;
};

void PrintTo(const KindCase& c, std::ostream* os) {
  *os << (c.lib == LibraryId::kCControls ? "CControls " : "PToolboxLib ") << c.kind;
}

constexpr Codes kAllPalm = {"Palm", "Palm+Palm", "Palm", "Palm+Palm", "Palm", "Palm"};
constexpr Codes kPalmNoHeight = {"Palm", "Palm+Palm", "Palm", "Palm+panel", "Palm", "-"};
constexpr Codes kAllPanel = {"panel", "panel+panel", "panel", "panel+panel", "panel", "panel"};

const KindCase kCases[] = {
    {kCC, "Button", kAllPalm},
    {kCC, "Switch", kAllPalm},
    {kCC, "Radio", kAllPalm},
    {kCC, "Label", kPalmNoHeight},
    {kCC, "Edit", kPalmNoHeight},
    {kCC, "EditLine", kPalmNoHeight},
    {kCC, "ListBox", kPalmNoHeight},
    {kCC, "DropDown", kPalmNoHeight},
    {kCC, "PopUp", kPalmNoHeight},
    {kCC, "Table", kPalmNoHeight},
    {kCC, "CheckBox", {"Palm", "panel+panel", "Palm", "Palm+panel", "panel", "-"}},
    {kCC, "Dialog", kAllPanel},
    {kCC, "Image", kAllPanel},
    {kPT, "Button", kAllPalm},
    {kPT, "Push", kAllPalm},
    {kPT, "Radio", kAllPalm},
    {kPT, "Select", kAllPalm},
    {kPT, "List", kPalmNoHeight},
    {kPT, "CheckBox", {"Palm", "Palm+panel", "Palm", "Palm+panel", "panel", "panel"}},
    {kPT, "PopTrigger", kAllPanel},
    {kPT, "Field", kAllPanel},
    {kPT, "Dialog", kAllPanel},
    {kPT, "Bitmap", kAllPanel},
    {kPT, "Label", {"panel", "panel+panel", "panel", "panel+panel", "-", "-"}},
    {kPT, "GSI", {"panel", "panel+panel", "panel", "panel+panel", "-", "-"}},
};

constexpr PopCommand kCommands[] = {PopCommand::kAlignLeft, PopCommand::kAlignRight,
                                    PopCommand::kAlignTop,  PopCommand::kAlignBottom,
                                    PopCommand::kSameWidth, PopCommand::kSameHeight};

int Position(const TControl& c, bool horizontal, const std::string& set) {
  if (set == "Palm") return horizontal ? c.UserLeft() : c.UserTop();
  return horizontal ? c.Left() : c.Top();
}

int Extent(const TControl& c, bool horizontal, const std::string& set) {
  if (set == "Palm") return horizontal ? c.UserWidth() : c.UserHeight();
  return horizontal ? c.Width() : c.Height();
}

// The quantity as the code reads it.
int Measured(const TControl& c, int quantity, const std::string& code) {
  bool horizontal = quantity == 0 || quantity == 1 || quantity == 4;
  if (quantity == 4 || quantity == 5) return Extent(c, horizontal, code);
  std::size_t plus = code.find('+');
  if (plus == std::string::npos) return Position(c, horizontal, code);
  return Position(c, horizontal, code.substr(0, plus)) +
         Extent(c, horizontal, code.substr(plus + 1));
}

struct Box {
  int left, top, width, height;
  bool operator==(const Box&) const = default;
};
Box BoxOf(const TControl& c) { return {c.Left(), c.Top(), c.Width(), c.Height()}; }

class LayoutCoordinatesTest : public LayoutTest, public ::testing::WithParamInterface<KindCase> {};

TEST_P(LayoutCoordinatesTest, EachQuantityIsWrittenInTheKindsOwnSet) {
  const KindCase& c = GetParam();
  const KindInfo* kind = FindKind(c.lib, c.kind);
  ASSERT_NE(kind, nullptr);
  for (int q = 0; q < 6; ++q) {
    SCOPED_TRACE(std::string(c.kind) + " quantity " + std::to_string(q));
    TChildFrm& form = NewForm(c.lib);
    TControl* reference = Place(form, PaletteButton::kButton, 100, 120);
    TControl* target = Place(form, kind->button, 10, 20);
    ASSERT_NE(target, nullptr);
    ASSERT_NE(target, reference);
    // Palm width 43 either way, a width a three-item Radio keeps.
    reference->SetBounds(30, 100, c.lib == kCC ? 45 : 47, 20);
    target->SetBounds(5, 5, 30, 12);
    Pick(form, *reference);
    // A release on the shown dialog's background leaves it the only mark, so a dialog joins
    // the marks directly.
    if (target->Class() == ControlClass::kPTDialog)
      MarkControl(*target, true);
    else
      Pick(form, *target, true);
    ASSERT_TRUE(target->Selected());
    const Box before = BoxOf(*target);

    RunLayoutCommand(designer, ui, form, kCommands[q]);
    const std::string code = c.codes[q];
    EXPECT_EQ(BoxOf(*reference), (Box{30, 100, c.lib == kCC ? 45 : 47, 20}));
    if (code == "-") {
      EXPECT_EQ(BoxOf(*target), before);
      continue;
    }
    const std::string ref_code = q == 1 || q == 3 ? "Palm+Palm" : "Palm";
    // An Image takes at most 40 pixels, with its message.
    const bool held = target->Class() == ControlClass::kCCBitmap && q >= 4 &&
                      Measured(*reference, q, ref_code) > kImageMaxSize;
    EXPECT_EQ(Measured(*target, q, code), held ? kImageMaxSize : Measured(*reference, q, ref_code));
    const Box after = BoxOf(*target);
    if (q < 4) {  // positions and edges move the control without sizing it
      EXPECT_EQ(after.width, before.width);
      EXPECT_EQ(after.height, before.height);
    } else {
      EXPECT_EQ(after.left, before.left);
      EXPECT_EQ(after.top, before.top);
    }
  }
}

std::string CaseName(const ::testing::TestParamInfo<KindCase>& info) {
  return std::string(info.param.lib == kCC ? "CControls" : "PToolbox") + info.param.kind;
}

INSTANTIATE_TEST_SUITE_P(BothLibraries, LayoutCoordinatesTest, ::testing::ValuesIn(kCases),
                         CaseName);

}  // namespace
}  // namespace qb::test
