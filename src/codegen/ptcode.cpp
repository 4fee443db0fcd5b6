// The PToolboxLib generator: the main text and the header here, the forms and events texts
// in their own files.

#include "codegen/generator.h"
#include "codegen/ptcode_model.h"
#include "codegen/ptcode_text.h"
#include "controls/CCRadio.h"

namespace qb {

namespace ptcode {

namespace {

constexpr std::string_view kLibraryLine = "library \"PToolboxLib\"";
constexpr std::string_view kLibraryHeaderInclude = "#include \"Fctl.h\"";
constexpr std::string_view kIncludeStart = "#include \"";
constexpr std::string_view kIncludeEnd = "\"";

constexpr std::string_view kFormColorsBody[] = {
    "  if (Type==0){",
    "    UIColor(21,clFFrame); //form frame",
    "    UIColor(22,clFFill); //form fill",
    "  }",
    "  else{",
    "    UIColor(23,clFFrame); //dialog frame",
    "    UIColor(24,clFFill); //dialog fill",
    "  }",
    "  UIColor(0,clFrame); //objects frame",
    "  UIColor(1,clFill); //objects fill",
    "  UIColor(2,clText); //objects text",
    "  UIColor(3,clSelFill); //objects selected fill",
    "  UIColor(4,clSelFore); //objects selected fore",
};
constexpr std::string_view kButColorsBody[] = {
    "  UIColor(1,clFill);",
    "  UIColor(2,clText);",
    "  Fctl(SHOW,id);",
};
constexpr std::string_view kFieldColorsBody[] = {
    "  UIColor(10,clBack);",  "  UIColor(11,clText);", "  UIColor(12,clLines);",
    "  UIColor(13,clCaret);", "  UIColor(14,clHlBg);", "  UIColor(15,clHlFg);",
    "  Fctl(SHOW,id);",
};
constexpr std::string_view kMainStart[] = {"//init", "main(){"};
constexpr std::string_view kSetDepth = "  SetDepth(5);";
constexpr std::string_view kShowFirstForm = "  //Show first form";

constexpr std::string_view kIdComment = "//";
constexpr std::string_view kIdCommentEnd = " ID numbers";
constexpr std::string_view kDefine = "#define ";
constexpr int kFirstIdentifier = 3000;
constexpr std::string_view kPrototypes = "//Prototypes";
constexpr std::string_view kPrototypeEnd = ";";

template <std::size_t N>
void Append(const std::string_view (&lines)[N], Lines& out) {
  for (std::string_view line : lines) out.emplace_back(line);
}

template <std::size_t N>
void ColorFunction(std::string_view signature, const std::string_view (&body)[N], Lines& out) {
  out.push_back(TextLine(signature, kBodyStart));
  Append(body, out);
  out.emplace_back(kBlockEnd);
  out.emplace_back();
}

bool NeedsButColors(const ProjectFlags& flags) { return flags.buttons || flags.labels; }

// The form drawn at start-up: the chosen one, else the first of the list.
const TChildFrm* FirstForm(const GeneratorInput& input) {
  if (input.first_form) return input.first_form;
  for (const TChildFrm* form : input.forms)
    if (form) return form;
  return nullptr;
}

void WriteIdentifiers(const Panel& panel, int& next, Lines& out) {
  auto define = [&](std::string_view id) { out.push_back(TextLine(kDefine, id, " ", next++)); };
  out.push_back(TextLine(kIdComment, panel.name, kIdCommentEnd));
  define(panel.name);
  for (const auto& child : panel.Children()) {
    const Kind kind = KindOf(*child);
    if (!TraitsOf(kind).numbered) continue;
    if (kind == Kind::kRadio) {
      // One push button per entry, each with its own identifier.
      const auto& items = static_cast<const TCCRadio&>(*child).Items();
      for (std::size_t i = 0; i < items.size(); ++i)
        define(child->Name() + Num(static_cast<int>(i)));
    } else {
      define(child->Name());
    }
  }
  out.emplace_back();
}

}  // namespace

void WriteMain(const Context& ctx, Lines& out) {
  const std::string& project = ctx.input.project_name;
  out.emplace_back();
  out.emplace_back(kLibraryLine);
  out.emplace_back(kLibraryHeaderInclude);
  out.push_back(TextLine(kIncludeStart, project, kHeaderFileSuffix, kIncludeEnd));
  out.push_back(TextLine(kIncludeStart, project, kFormsFileSuffix, kIncludeEnd));
  out.push_back(TextLine(kIncludeStart, project, kEventsFileSuffix, kIncludeEnd));
  if (ctx.input.color) {
    out.emplace_back();
    ColorFunction(kFormColorsSignature, kFormColorsBody, out);
    if (NeedsButColors(ctx.flags)) ColorFunction(kButColorsSignature, kButColorsBody, out);
    if (ctx.flags.fields) ColorFunction(kFieldColorsSignature, kFieldColorsBody, out);
  }
  Append(kMainStart, out);
  if (ctx.input.color) out.emplace_back(kSetDepth);
  for (const Panel& panel : ctx.panels)
    out.push_back(TextLine("  ", panel.name, kCreateSuffix, kNoArgs));
  out.emplace_back();
  out.emplace_back(kShowFirstForm);
  // Without any form there is nothing to draw; an empty name would call no function.
  if (const TChildFrm* first = FirstForm(ctx.input))
    out.push_back(TextLine("  ", first->Name(), kDrawSuffix, kNoArgs));
  out.emplace_back(kBlockEnd);
  out.emplace_back();
}

void WriteHeader(const Context& ctx, Lines& out) {
  if (ctx.input.memo)
    out.push_back(TextLine(kMemoTitle, ctx.input.project_name, kHeaderFileSuffix));
  int next = kFirstIdentifier;
  for (const Panel& panel : ctx.panels) WriteIdentifiers(panel, next, out);
  out.emplace_back(kPrototypes);
  if (ctx.input.color) {
    out.push_back(TextLine(kFormColorsSignature, kPrototypeEnd));
    if (NeedsButColors(ctx.flags)) out.push_back(TextLine(kButColorsSignature, kPrototypeEnd));
    if (ctx.flags.fields) out.push_back(TextLine(kFieldColorsSignature, kPrototypeEnd));
  }
  for (const Panel& panel : ctx.panels) {
    out.push_back(TextLine(panel.name, kCreateSuffix, kNoArgs));
    out.push_back(TextLine(panel.name, kEventsSuffix, kNoArgs));
    out.push_back(TextLine(panel.name, kDrawSuffix, kNoArgs));
    if (panel.HasRepeatFunction())
      out.push_back(
          TextLine(kRepeatReturnType, panel.name, kRepeatSuffix, kRepeatParameters, kPrototypeEnd));
    out.emplace_back();
  }
}

}  // namespace ptcode

void GeneratePToolbox(const GeneratorInput& input, GeneratedCode& out) {
  // The flags are taken from the whole project before any text is written.
  ptcode::Context ctx{input, ptcode::PanelsOf(input.forms), {}};
  ctx.flags = ptcode::ComputeFlags(ctx.panels);
  ptcode::WriteMain(ctx, out.main);
  ptcode::WriteForms(ctx, out.forms);
  ptcode::WriteEvents(ctx, out.events);
  ptcode::WriteHeader(ctx, out.header);
}

}  // namespace qb
