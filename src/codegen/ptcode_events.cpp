// The events text: for every panel its event loop and, where needed, its repeat handler.

#include "codegen/ptcode_model.h"
#include "codegen/ptcode_text.h"
#include "controls/CCButton.h"
#include "controls/PTButton.h"
#include "controls/PTList.h"
#include "model/datamod.h"

namespace qb::ptcode {

namespace {

// The declaration line by [colour and buttons present][picker present].
constexpr std::string_view kDeclarations[2][2] = {
    {"  int e;", "  int e, p;"},
    {"  int e, bt;", "  int e, p, bt;"},
};
constexpr std::string_view kLoopStart[] = {"  while(1){", "    e=Fevent(1);", "    switch(e){", ""};
constexpr std::string_view kLoopEnd[] = {"    } //switch", "  } //while", "}", ""};
constexpr std::string_view kCase = "    case ";
constexpr std::string_view kCaseEnd = ":";
constexpr std::string_view kBreak = "    break;";
constexpr std::string_view kShowFormIndent = "      ";
constexpr int kCaseBodyIndent = 6;

// Buttons report themselves through event 250 on library version 7.5 and later.
constexpr std::string_view kButtonEventStart[] = {kButtonEventNote, kButtonEventCase,
                                                  "      bt=Fctl(402,0);", "      switch(bt){"};
constexpr std::string_view kButtonCase = "        case ";
constexpr std::string_view kButtonBreak = "        break;";
constexpr std::string_view kButtonSwitchEnd = "      }";
constexpr int kButtonCaseIndent = 10;

constexpr std::string_view kPickDateStart = "      p=PickDate(0,date(0),\"";
constexpr std::string_view kPickTimeStart = "      p=PickTime(time(0),\"";
constexpr std::string_view kPickedStart = "      if (p!=-1) FsetText(";
constexpr std::string_view kDateConv = ",DateConv(p,";
constexpr std::string_view kTimeConv = ",TimeConv(p,";
constexpr std::string_view kPickedEnd = "));";
// The seven picker colours fill FormColors as a dialog's.
constexpr int kPickerColorsType = 1;
constexpr char kPickerColorSeparator = ',';

constexpr std::string_view kRepeatSwitch = "  switch(butID){";
constexpr std::string_view kRepeatBody[] = {"      //handle the repeat here",
                                            "      return(3); //wait 3 seconds and repeat"};
constexpr std::string_view kRepeatEnd[] = {"    default:", "    break;", "  }//switch",
                                           "return(0);",   "}",          ""};

template <std::size_t N>
void Append(const std::string_view (&lines)[N], Lines& out) {
  for (std::string_view line : lines) out.emplace_back(line);
}

std::string CaseLine(std::string_view prefix, const TControl& c) {
  return TextLine(prefix, c.Name(), kCaseEnd);
}

void CloseCase(Lines& out) {
  out.emplace_back(kBreak);
  out.emplace_back();
}

// The panel's own colours again after a control has shown itself in its colours.
void RestoreColors(const TControl& c, const Panel& panel, Lines& out) {
  out.push_back(Indent(kCaseBodyIndent, ControlColorLine(c)));
  out.push_back(Indent(kCaseBodyIndent, PanelColorLine(panel)));
}

void PickerLines(bool color, const TCCButton& s, Lines& out) {
  if (color) {
    std::array<Color, 7> colors{};
    for (int i = 0; i < 7; ++i)
      colors[static_cast<std::size_t>(i)] =
          ColorFromName(NthField(s.DOTColors(), kPickerColorSeparator, i + 1));
    out.push_back(Indent(kCaseBodyIndent, FormColorsCall(kPickerColorsType, colors)));
  }
  if (s.DOTPicker() == kPickerDate) {
    out.push_back(TextLine(kPickDateStart, s.DOTTitle(), kTextEnd));
    out.push_back(TextLine(kPickedStart, s.Name(), kDateConv, s.DOTFormat(), kPickedEnd));
  } else if (s.DOTPicker() == kPickerTime) {
    out.push_back(TextLine(kPickTimeStart, s.DOTTitle(), kTextEnd));
    out.push_back(TextLine(kPickedStart, s.Name(), kTimeConv, s.DOTFormat(), kPickedEnd));
  }
}

void CaseOf(const Context& ctx, const Panel& panel, const TControl& c, Lines& out) {
  const bool color = ctx.input.color;
  switch (TraitsOf(KindOf(c)).event_case) {
    case EventCase::kNone:
      return;
    case EventCase::kStandaloneList:
      if (static_cast<const TPTList&>(c).Style() != 0) return;
      [[fallthrough]];
    case EventCase::kEmpty:
      out.push_back(CaseLine(kCase, c));
      break;
    case EventCase::kButton: {
      out.push_back(CaseLine(kCase, c));
      const std::string& form = static_cast<const TPTButton&>(c).ShowForm();
      if (!IsNone(form))
        out.push_back(TextLine(kShowFormIndent, form, kDrawSuffix, kNoArgs));
      else if (color)
        RestoreColors(c, panel, out);
      break;
    }
    case EventCase::kSelect: {
      out.push_back(CaseLine(kCase, c));
      const auto& s = static_cast<const TCCButton&>(c);
      if (s.DOTPicker() != kPickerNone) PickerLines(color, s, out);
      if (color) RestoreColors(c, panel, out);
      break;
    }
  }
  CloseCase(out);
}

void ButtonEventBlock(const Panel& panel, Lines& out) {
  Append(kButtonEventStart, out);
  for (const auto& child : panel.Children()) {
    if (!TraitsOf(KindOf(*child)).button_event) continue;
    out.push_back(CaseLine(kButtonCase, *child));
    out.push_back(Indent(kButtonCaseIndent, ControlColorLine(*child)));
    out.emplace_back(kButtonBreak);
    out.emplace_back();
  }
  out.emplace_back(kButtonSwitchEnd);
  out.push_back(Indent(kCaseBodyIndent, PanelColorLine(panel)));
  out.emplace_back(kBreak);
}

bool HoldsButtonEvents(const Panel& panel) {
  for (const auto& child : panel.Children())
    if (TraitsOf(KindOf(*child)).button_event) return true;
  return false;
}

void WriteEventsFunction(const Context& ctx, const Panel& panel, Lines& out) {
  const bool color = ctx.input.color;
  const bool with_bt = color && ctx.flags.buttons;
  out.push_back(TextLine(panel.name, kEventsSuffix, kFunctionStart));
  out.emplace_back(kDeclarations[with_bt][ctx.flags.picker]);
  Append(kLoopStart, out);
  for (const auto& child : panel.Children()) CaseOf(ctx, panel, *child, out);
  if (with_bt && HoldsButtonEvents(panel)) ButtonEventBlock(panel, out);
  Append(kLoopEnd, out);
}

void WriteRepeatFunction(const Context& ctx, const Panel& panel, Lines& out) {
  out.push_back(
      TextLine(kRepeatReturnType, panel.name, kRepeatSuffix, kRepeatParameters, kBodyStart));
  out.emplace_back(kRepeatSwitch);
  for (const auto& child : panel.Children()) {
    const Kind kind = KindOf(*child);
    if (kind == Kind::kRepeatButton) {
      out.push_back(CaseLine(kCase, *child));
      Append(kRepeatBody, out);
    } else if (kind == Kind::kField && ctx.input.color) {
      // A field gets its own colours back through the repeat handler.
      out.push_back(CaseLine(kCase, *child));
      out.push_back(Indent(kCaseBodyIndent, ControlColorLine(*child)));
    } else {
      continue;
    }
    CloseCase(out);
  }
  Append(kRepeatEnd, out);
}

}  // namespace

void WriteEvents(const Context& ctx, Lines& out) {
  if (ctx.input.memo)
    out.push_back(TextLine(kMemoTitle, ctx.input.project_name, kEventsFileSuffix));
  for (const Panel& panel : ctx.panels) {
    WriteEventsFunction(ctx, panel, out);
    if (panel.HasRepeatFunction()) WriteRepeatFunction(ctx, panel, out);
  }
}

}  // namespace qb::ptcode
