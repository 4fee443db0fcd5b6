#include "codegen/cccode.h"

#include "codegen/cccode_model.h"
#include "codegen/cccode_texts.h"
#include "codegen/generator.h"
#include "codegen/text_line.h"

namespace qb {

namespace {

// The function of a form or dialog that builds, fills, draws and runs it.
void PanelMainBlock(LineList& lines, const std::string& name) {
  lines.push_back(TextLine(name, "(){"));
  lines.push_back(TextLine("  ", name, "Controls();"));
  lines.push_back(TextLine("  ", name, "Contents();"));
  lines.push_back(TextLine("  ", name, "Draw();"));
  lines.push_back(TextLine("  ", name, "Events();"));
  lines.push_back("}");
  lines.push_back("");
}

}  // namespace

void CcMainText(LineList& lines, const TChildFrm* first_form, const FormList& forms,
                const std::string& project_name) {
  if (!first_form && !forms.empty()) first_form = forms.front();
  lines.push_back("");
  for (const char* suffix : {kCcHeaderSuffix, kCcFormsSuffix, kCcEventsSuffix})
    lines.push_back(TextLine(kCcIncludeOpen, project_name, suffix, "\""));
  lines.push_back("");
  lines.push_back("//init");
  lines.push_back("main(){");
  lines.push_back("  graph_on();");
  lines.push_back("  title(\"\");");
  if (first_form) lines.push_back(TextLine("  ", first_form->Name(), "();"));
  lines.push_back("}");
  lines.push_back("");
  for (const TChildFrm* form : forms) {
    if (!form) continue;
    for (const CcPanel& panel : CcPanelsOf(*form)) PanelMainBlock(lines, panel.name);
  }
}

void CcHeaderText(LineList& lines, bool memo, const FormList& forms,
                  const std::string& project_name) {
  if (memo) lines.push_back(TextLine(kCcMemoOpen, project_name, kCcHeaderSuffix));
  lines.push_back("//Form and dialog prototypes");
  for (const TChildFrm* form : forms) {
    if (!form) continue;
    for (const CcPanel& panel : CcPanelsOf(*form)) lines.push_back(TextLine(panel.name, "();"));
  }
}

void GenerateCControls(const GeneratorInput& input, GeneratedCode& out) {
  CcMainText(out.main, input.first_form, input.forms, input.project_name);
  CcFormsText(out.forms, input.memo, input.forms, input.project_name);
  CcEventsText(out.events, input.memo, input.forms, input.project_name);
  CcHeaderText(out.header, input.memo, input.forms, input.project_name);
}

}  // namespace qb
