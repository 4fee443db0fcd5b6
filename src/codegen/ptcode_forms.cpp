// The forms text: for every panel its create function and its draw function.

#include "codegen/bitmap_string.h"
#include "codegen/ptcode_model.h"
#include "codegen/ptcode_text.h"
#include "controls/CCBitmap.h"

namespace qb::ptcode {

namespace {

constexpr std::string_view kBindRepeatComment = "  //Bind repeat events handler";
constexpr std::string_view kBindRepeatCall = "  Fctl(REPEAT,";
constexpr std::string_view kDrawCall = "  Fctl(DRAW,";
constexpr std::string_view kSetForeCall = "  SetFore(";
constexpr std::string_view kBitmapCall = "  bitmap(";
constexpr int kDrawIndent = 2;

// Drawing a panel ends in its event loop.
void WriteDrawFunction(const Context& ctx, const Panel& panel, Lines& out) {
  const bool color = ctx.input.color;
  const std::string& n = panel.name;
  out.push_back(TextLine(n, kDrawSuffix, kFunctionStart));
  // Fields only need the repeat handler for their colours.
  if (panel.Holds(Kind::kRepeatButton) || (color && panel.Holds(Kind::kField))) {
    out.emplace_back(kBindRepeatComment);
    out.push_back(TextLine(kBindRepeatCall, n, kRepeatSuffix, kCallEnd));
  }
  if (color) out.push_back(Indent(kDrawIndent, PanelColorLine(panel)));
  out.push_back(TextLine(kDrawCall, n, kCallEnd));
  for (const auto& child : panel.Children()) {
    if (KindOf(*child) != Kind::kBitmap) continue;
    const auto& bitmap = static_cast<const TCCBitmap&>(*child);
    if (color) out.push_back(TextLine(kSetForeCall, ColorIndex(bitmap.ColorFore()), kCallEnd));
    out.push_back(TextLine(kBitmapCall, bitmap.Left(), ",", bitmap.Top(), kTextStart,
                           BitmapString(bitmap.Width(), bitmap.StringBits()), kTextEnd));
  }
  if (color) {
    // The device draws every object in the panel's colours; objects with colours of their own
    // are shown again in them, and the panel's colours restored afterwards.
    bool any = false;
    for (const auto& child : panel.Children()) {
      if (!TraitsOf(KindOf(*child)).colour_line) continue;
      out.push_back(Indent(kDrawIndent, ControlColorLine(*child)));
      any = true;
    }
    if (any) out.push_back(Indent(kDrawIndent, PanelColorLine(panel)));
  }
  out.push_back(TextLine("  ", n, kEventsSuffix, kNoArgs));
  out.emplace_back(kBlockEnd);
}

}  // namespace

void WriteForms(const Context& ctx, Lines& out) {
  if (ctx.input.memo) out.push_back(TextLine(kMemoTitle, ctx.input.project_name, kFormsFileSuffix));
  for (const Panel& panel : ctx.panels) {
    WriteCreateFunction(panel, out);
    WriteDrawFunction(ctx, panel, out);
    out.emplace_back();
  }
}

}  // namespace qb::ptcode
