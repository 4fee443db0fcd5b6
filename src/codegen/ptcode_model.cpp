#include "codegen/ptcode_model.h"

#include "codegen/ptcode_text.h"
#include "controls/CCButton.h"
#include "controls/CCForm.h"
#include "controls/PTButton.h"
#include "controls/PTDialog.h"
#include "controls/PTEdit.h"
#include "controls/PTLabel.h"
#include "form/ChildFor.h"
#include "model/datamod.h"

namespace qb::ptcode {

namespace {

constexpr int kRepeatButtonType = 1;

// One row per kind, in the order of Kind.
constexpr KindTraits kTraits[] = {
    // kind, numbered, font line, colour line, in the button-event block, event case
    {Kind::kButton, true, true, true, true, EventCase::kButton},
    {Kind::kRepeatButton, true, true, false, false, EventCase::kNone},
    {Kind::kSelect, true, true, true, true, EventCase::kSelect},
    {Kind::kPush, true, true, false, false, EventCase::kEmpty},
    {Kind::kCheckBox, true, true, false, false, EventCase::kEmpty},
    {Kind::kLabel, true, true, true, false, EventCase::kNone},
    {Kind::kList, true, true, false, false, EventCase::kStandaloneList},
    {Kind::kPopTrigger, true, true, false, false, EventCase::kNone},
    {Kind::kField, true, true, true, false, EventCase::kNone},
    {Kind::kGsi, false, false, false, false, EventCase::kNone},
    {Kind::kBitmap, false, false, false, false, EventCase::kNone},
    {Kind::kRadio, true, true, false, false, EventCase::kNone},
    {Kind::kDialog, false, false, false, false, EventCase::kNone},
    {Kind::kForeign, false, false, false, false, EventCase::kNone},
};

constexpr bool TraitsInKindOrder() {
  int i = 0;
  for (const KindTraits& row : kTraits)
    if (static_cast<int>(row.kind) != i++) return false;
  return i == static_cast<int>(Kind::kForeign) + 1;
}
static_assert(TraitsInKindOrder(), "one row per kind, in the order of Kind");

struct ClassKind {
  ControlClass cls;
  Kind kind;
};

// Every TCCButton of this library is a Select; TPTButton is decided by its ButtonType.
constexpr ClassKind kClassKinds[] = {
    {ControlClass::kPTButton, Kind::kButton},
    {ControlClass::kCCButton, Kind::kSelect},
    {ControlClass::kCCSwitch, Kind::kPush},
    {ControlClass::kPTCheckbox, Kind::kCheckBox},
    {ControlClass::kPTLabel, Kind::kLabel},
    {ControlClass::kPTList, Kind::kList},
    {ControlClass::kPTPopTrigger, Kind::kPopTrigger},
    {ControlClass::kPTEdit, Kind::kField},
    {ControlClass::kPTGsi, Kind::kGsi},
    {ControlClass::kCCBitmap, Kind::kBitmap},
    {ControlClass::kCCRadio, Kind::kRadio},
    {ControlClass::kPTDialog, Kind::kDialog},
};

constexpr std::string_view kFormColorsCall = "FormColors(";
constexpr std::string_view kButColorsCall = "ButColors(";
constexpr std::string_view kFieldColorsCall = "FieldColors(";
// The fill argument of a Label's ButColors call: a label has no fill of its own.
constexpr std::string_view kLabelFill = "0";
constexpr int kFormColorsOfForm = 0;
constexpr int kFormColorsOfDialog = 1;

template <std::size_t N>
std::string ColorArguments(const std::array<Color, N>& colors) {
  std::string out;
  for (std::size_t i = 0; i < N; ++i) {
    if (i > 0) out += ',';
    out += ColorIndex(colors[i]);
  }
  return out;
}

}  // namespace

Kind KindOf(const TControl& control) {
  for (const ClassKind& row : kClassKinds) {
    if (row.cls != control.Class()) continue;
    if (row.kind == Kind::kButton &&
        static_cast<const TPTButton&>(control).ButtonType() == kRepeatButtonType)
      return Kind::kRepeatButton;
    return row.kind;
  }
  return Kind::kForeign;
}

const KindTraits& TraitsOf(Kind kind) { return kTraits[static_cast<int>(kind)]; }

std::string Panel::Title() const {
  if (is_dialog) return static_cast<const TPTDialog*>(control)->Title();
  return static_cast<const TCCForm*>(control)->Title();
}

bool Panel::Holds(Kind kind) const {
  for (const auto& child : Children())
    if (KindOf(*child) == kind) return true;
  return false;
}

bool Panel::HasRepeatFunction() const { return Holds(Kind::kRepeatButton) || Holds(Kind::kField); }

std::vector<Panel> PanelsOf(const std::vector<const TChildFrm*>& forms) {
  std::vector<Panel> panels;
  for (const TChildFrm* form : forms) {
    if (!form) continue;
    const TCCForm& screen = form->Screen();
    panels.push_back({&screen, form->Name(), false});
    for (const auto& child : screen.Children())
      if (KindOf(*child) == Kind::kDialog) panels.push_back({child.get(), child->Name(), true});
  }
  return panels;
}

ProjectFlags ComputeFlags(const std::vector<Panel>& panels) {
  ProjectFlags flags;
  for (const Panel& panel : panels) {
    for (const auto& child : panel.Children()) {
      switch (KindOf(*child)) {
        case Kind::kButton:
          flags.buttons = true;
          break;
        case Kind::kSelect:
          flags.buttons = true;
          if (static_cast<const TCCButton&>(*child).DOTPicker() != kPickerNone) flags.picker = true;
          break;
        case Kind::kLabel:
          flags.labels = true;
          break;
        case Kind::kField:
          flags.fields = true;
          break;
        default:
          break;
      }
    }
  }
  return flags;
}

std::string ColorIndex(Color color) {
  int index = ColorPaletteIndex(color);
  return index < 0 ? std::string() : std::to_string(index);
}

std::string FormColorsCall(int type, const std::array<Color, 7>& colors) {
  std::string out(kFormColorsCall);
  out += std::to_string(type);
  out += ',';
  out += ColorArguments(colors);
  out += kCallEnd;
  return out;
}

std::string PanelColorLine(const Panel& panel) {
  if (panel.is_dialog) {
    const auto& d = static_cast<const TPTDialog&>(*panel.control);
    return FormColorsCall(kFormColorsOfDialog,
                          {d.ColorDialogFrame(), d.ColorDialogFill(), d.ColorFrame(), d.ColorFill(),
                           d.ColorText(), d.ColorSelectedFill(), d.ColorSelectedFore()});
  }
  const auto& f = static_cast<const TCCForm&>(*panel.control);
  return FormColorsCall(kFormColorsOfForm,
                        {f.ColorFormFrame(), f.ColorFormFill(), f.ColorFrame(), f.ColorFill(),
                         f.ColorText(), f.ColorSelectedFill(), f.ColorSelectedFore()});
}

std::string ControlColorLine(const TControl& control) {
  auto but_colors = [&](std::string_view fill, std::string_view text) {
    std::string out(kButColorsCall);
    out += control.Name();
    out += ',';
    out += fill;
    out += ',';
    out += text;
    out += kCallEnd;
    return out;
  };
  switch (KindOf(control)) {
    case Kind::kButton: {
      const auto& b = static_cast<const TPTButton&>(control);
      return but_colors(ColorIndex(b.ColorFill()), ColorIndex(b.ColorText()));
    }
    case Kind::kSelect: {
      const auto& s = static_cast<const TCCButton&>(control);
      return but_colors(ColorIndex(s.ColorFill()), ColorIndex(s.ColorText()));
    }
    case Kind::kLabel:
      return but_colors(kLabelFill, ColorIndex(static_cast<const TPTLabel&>(control).ColorText()));
    case Kind::kField: {
      const auto& f = static_cast<const TPTEdit&>(control);
      std::string out(kFieldColorsCall);
      out += control.Name();
      out += ',';
      out += ColorArguments(std::array<Color, 6>{f.ColorFill(), f.ColorText(), f.ColorLines(),
                                                 f.ColorCaret(), f.ColorHighlightBack(),
                                                 f.ColorHighlightFore()});
      out += kCallEnd;
      return out;
    }
    default:
      return {};
  }
}

std::string Indent(int blanks, std::string_view line) {
  std::string out(static_cast<std::size_t>(blanks), ' ');
  out += line;
  return out;
}

}  // namespace qb::ptcode
