// The create function of a panel: one call per control that builds it on the device.

#include <cstdint>

#include "codegen/ptcode_model.h"
#include "codegen/ptcode_text.h"
#include "controls/CCButton.h"
#include "controls/CCRadio.h"
#include "controls/CCSwitch.h"
#include "controls/PTButton.h"
#include "controls/PTCheckBox.h"
#include "controls/PTEdit.h"
#include "controls/PTLabel.h"
#include "controls/PTList.h"
#include "controls/PTPopTrigger.h"
#include "model/datamod.h"
#include "model/font.h"

namespace qb::ptcode {

namespace {

constexpr std::string_view kFormCall = "  Form(";
constexpr std::string_view kDialogCall = "  Dialog(";
constexpr std::string_view kButtonCall = "  Button(";
constexpr std::string_view kFieldCall = "  Field(";
constexpr std::string_view kListCall = "  List(";
constexpr std::string_view kFillListCall = "  FaddList(";
constexpr std::string_view kFillListArray = ",itm";
constexpr std::string_view kLabelCall = "  Label(";
constexpr std::string_view kGsiCall = "  GSI(";
constexpr std::string_view kStateCall = "  FsetState(";
constexpr std::string_view kStateOnEnd = ",1);";
constexpr std::string_view kTextAttrCall = "  textattr(";
constexpr std::string_view kTextAttrEnd = ",1,0);";
constexpr std::string_view kArrayStart = "string itm";
constexpr std::string_view kArrayInit = "] = {";
constexpr std::string_view kArrayEnd = "};";
constexpr std::string_view kHexPrefix = "0x";
// Style codes of the Button call.
constexpr std::string_view kPushStyle = "01";
constexpr std::string_view kCheckBoxStyle = "02";
constexpr std::string_view kPopTriggerCode = "0x3";
constexpr std::string_view kSelectLeftCode = "0x4";
constexpr std::string_view kSelectRightCode = "0x10004";
constexpr std::string_view kRepeatStyle = "5";
constexpr std::string_view kPlainStyle = "0";
// A Select sizes itself to its text on the device.
constexpr std::string_view kSelectWidth = "0";
constexpr std::string_view kNoTrigger = "0";
// Written for a Radio without entries.
constexpr std::string_view kEmptyRadioLine = "  ";
constexpr int kHighestFrame = 3;
constexpr std::string_view kDefaultFrame = "0";

struct FontAttr {
  const char* font_name;
  int code;
};
// textattr's first argument per Palm font; any other font is the standard one.
constexpr FontAttr kFontAttrs[] = {{kPilotBold, 1}, {kPilotLarge, 2}, {kPilotBold12, 7}};
constexpr int kStandardFontAttr = 0;

std::string TextAttrLine(int code) { return TextLine(kTextAttrCall, code, kTextAttrEnd); }

// 0 for the standard font.
int FontAttrOf(const TControl& control) {
  for (const FontAttr& row : kFontAttrs)
    if (control.Font().name == row.font_name) return row.code;
  return kStandardFontAttr;
}

// Upper-case hexadecimal without leading zeros; a negative number as its 32-bit pattern.
std::string GroupHex(int group) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  auto value = static_cast<std::uint32_t>(group);
  std::string hex;
  do {
    hex.insert(hex.begin(), kDigits[value % 16]);
    value /= 16;
  } while (value != 0);
  return hex;
}

std::string FlagDigit(int value) { return value == 1 ? "1" : "0"; }

std::string ButtonLine(std::string_view id, std::string_view code, int x, int y, std::string_view w,
                       int h, std::string_view text) {
  return TextLine(kButtonCall, id, ",", code, ",", x, ",", y, ",", w, ",", h, kTextStart, text,
                  kTextEnd);
}

std::string StateOnLine(std::string_view id) { return TextLine(kStateCall, id, kStateOnEnd); }

void ButtonLines(const TControl& c, Lines& out) {
  const auto& b = static_cast<const TPTButton&>(c);
  std::string frame =
      b.Frame() >= 0 && b.Frame() <= kHighestFrame ? Num(b.Frame()) : std::string(kDefaultFrame);
  std::string code =
      TextLine(kHexPrefix, frame, KindOf(c) == Kind::kRepeatButton ? kRepeatStyle : kPlainStyle);
  out.push_back(ButtonLine(c.Name(), code, c.UserLeft(), c.UserTop(), Num(c.UserWidth()),
                           c.UserHeight(), b.Text()));
}

void SelectLines(const TControl& c, Lines& out) {
  const auto& s = static_cast<const TCCButton&>(c);
  std::string_view code = c.Alignment() == TextAlign::kRight ? kSelectRightCode : kSelectLeftCode;
  out.push_back(ButtonLine(c.Name(), code, c.UserLeft(), c.UserTop(), kSelectWidth, c.UserHeight(),
                           s.Content()));
}

void PushLines(const TControl& c, Lines& out) {
  const auto& p = static_cast<const TCCSwitch&>(c);
  out.push_back(ButtonLine(c.Name(), TextLine(kHexPrefix, GroupHex(c.Tag()), kPushStyle),
                           c.UserLeft(), c.UserTop(), Num(c.UserWidth()), c.UserHeight(),
                           p.Content()));
  if (p.State() == 1) out.push_back(StateOnLine(c.Name()));
}

void CheckBoxLines(const TControl& c, Lines& out) {
  const auto& b = static_cast<const TPTCheckbox&>(c);
  out.push_back(ButtonLine(c.Name(),
                           TextLine(kHexPrefix, GroupHex(b.GroupNumber()), kCheckBoxStyle),
                           c.UserLeft(), c.UserTop(), Num(c.Width()), c.Height(), b.Content()));
  if (b.State() == 1) out.push_back(StateOnLine(c.Name()));
}

void PopTriggerLines(const TControl& c, Lines& out) {
  out.push_back(ButtonLine(c.Name(), kPopTriggerCode, c.Left(), c.Top(), Num(c.Width()), c.Height(),
                           static_cast<const TPTPopTrigger&>(c).Text()));
}

void FieldLines(const TControl& c, Lines& out) {
  const auto& f = static_cast<const TPTEdit&>(c);
  std::string code =
      TextLine(kHexPrefix, FlagDigit(f.Justification()), FlagDigit(f.NumbersOnly()),
               FlagDigit(f.Editable()), FlagDigit(f.Underline()), FlagDigit(f.SingleLine()));
  out.push_back(TextLine(kFieldCall, c.Name(), ",", code, ",", c.Left(), ",", c.Top(), ",",
                         c.Width(), ",", c.Height(), ",", f.MaxChars(), kTextStart, f.Text(),
                         kTextEnd));
}

void ListLines(const TControl& c, Lines& out) {
  const auto& l = static_cast<const TPTList&>(c);
  std::string_view trigger = IsNone(l.Trigger()) ? kNoTrigger : std::string_view(l.Trigger());
  out.push_back(TextLine(kListCall, c.Name(), ",", c.UserLeft(), ",", c.UserTop(), ",", c.Width(),
                         ",", l.MaxItems(), ",", trigger, kCallEnd));
  if (!l.Items().empty())
    out.push_back(TextLine(kFillListCall, c.Name(), ",", static_cast<int>(l.Items().size()),
                           kFillListArray, c.Name(), kCallEnd));
}

void LabelLines(const TControl& c, Lines& out) {
  out.push_back(TextLine(kLabelCall, c.Name(), ",", c.Left(), ",", c.Top(), kTextStart,
                         static_cast<const TPTLabel&>(c).Content(), kTextEnd));
}

void GsiLines(const TControl& c, Lines& out) {
  out.push_back(TextLine(kGsiCall, c.Left(), ",", c.Top(), kCallEnd));
}

// One push button per entry, side by side (Orientation 0) or stacked, sharing borders.
void RadioLines(const TControl& c, Lines& out) {
  const auto& r = static_cast<const TCCRadio&>(c);
  const int n = static_cast<int>(r.Items().size());
  if (n == 0) {
    out.emplace_back(kEmptyRadioLine);
    return;
  }
  const std::string code = TextLine(kHexPrefix, GroupHex(c.Tag()), kPushStyle);
  const bool horizontal = r.Orientation() == 0;
  // Horizontal cells round to the nearest pixel, vertical ones are cut off.
  const int s = horizontal ? NearestDiv(c.Width() - n - 1, n) : (c.Height() - n - 1) / n;
  int x = c.UserLeft();
  int y = c.UserTop();
  const int w = horizontal ? s : c.UserWidth();
  const int h = horizontal ? c.UserHeight() : s;
  for (int i = 0; i < n; ++i) {
    std::string id = c.Name() + Num(i);
    out.push_back(ButtonLine(id, code, x, y, Num(w), h, r.Items()[static_cast<std::size_t>(i)]));
    if (i == r.SelectedItem()) out.push_back(StateOnLine(id));
    (horizontal ? x : y) += s + 1;
  }
}

using CreateLines = void (*)(const TControl&, Lines&);

// The create lines per kind, in the order of Kind; nullptr writes nothing.
constexpr CreateLines kCreateLines[] = {
    ButtonLines,      // kButton
    ButtonLines,      // kRepeatButton
    SelectLines,      // kSelect
    PushLines,        // kPush
    CheckBoxLines,    // kCheckBox
    LabelLines,       // kLabel
    ListLines,        // kList
    PopTriggerLines,  // kPopTrigger
    FieldLines,       // kField
    GsiLines,         // kGsi
    nullptr,          // kBitmap: drawn by the draw function
    RadioLines,       // kRadio
    nullptr,          // kDialog: has its own create function
    nullptr,          // kForeign
};
static_assert(std::size(kCreateLines) == static_cast<std::size_t>(Kind::kForeign) + 1);

void ListArrays(const Panel& panel, Lines& out) {
  for (const auto& child : panel.Children()) {
    if (KindOf(*child) != Kind::kList) continue;
    const StringList& items = static_cast<const TPTList&>(*child).Items();
    if (items.empty()) continue;
    std::string line =
        TextLine(kArrayStart, child->Name(), "[", static_cast<int>(items.size()), kArrayInit);
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (i > 0) line += ',';
      line += TextLine("\"", items[i], "\"");
    }
    line += kArrayEnd;
    out.push_back(std::move(line));
  }
}

std::string PanelLine(const Panel& panel) {
  if (!panel.is_dialog) return TextLine(kFormCall, panel.name, kTextStart, panel.Title(), kTextEnd);
  const TControl& d = *panel.control;
  return TextLine(kDialogCall, panel.name, ",", d.UserLeft(), ",", d.UserTop(), ",", d.UserWidth(),
                  ",", d.UserHeight(), kTextStart, panel.Title(), kTextEnd);
}

}  // namespace

void WriteCreateFunction(const Panel& panel, Lines& out) {
  out.push_back(TextLine(panel.name, kCreateSuffix, kFunctionStart));
  ListArrays(panel, out);
  out.push_back(PanelLine(panel));
  for (const auto& child : panel.Children()) {
    const Kind kind = KindOf(*child);
    CreateLines lines = kCreateLines[static_cast<int>(kind)];
    if (!lines) continue;
    const int font = TraitsOf(kind).font_line ? FontAttrOf(*child) : kStandardFontAttr;
    if (font != kStandardFontAttr) out.push_back(TextAttrLine(font));
    lines(*child, out);
    if (font != kStandardFontAttr) out.push_back(TextAttrLine(kStandardFontAttr));
  }
  out.emplace_back(kBlockEnd);
}

}  // namespace qb::ptcode
