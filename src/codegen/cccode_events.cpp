// The events text: for every form and each of its dialogs, one handler per event-bearing
// control, the menu handler of a form's menu bar, and the loop that dispatches events.

#include "codegen/cccode.h"
#include "codegen/cccode_model.h"
#include "codegen/cccode_texts.h"
#include "codegen/text_line.h"
#include "controls/CCButton.h"

namespace qb {

namespace {

// A button's ShowForm that opens no form.
constexpr const char* kNoForm = "(None)";
constexpr const char* kFirstDispatch = "    if (Cevent(";
constexpr const char* kLaterDispatch = "    else if (Cevent(";

std::vector<const TControl*> EventControls(const CcPanel& panel) {
  std::vector<const TControl*> controls;
  for (const auto& child : panel.panel->Children())
    if (CcRowOf(CcKindOf(*child)).events) controls.push_back(child.get());
  return controls;
}

// The form a button opens; empty when it opens none. An empty ShowForm opens none as well:
// a call of an unnamed function would not compile.
std::string FormOpenedBy(const TControl& control) {
  const auto* button = As<TCCButton>(&control);
  if (!button || button->ShowForm() == kNoForm) return {};
  return button->ShowForm();
}

void Handler(LineList& lines, const TControl& control) {
  lines.push_back(TextLine("On", control.Name(), "(){"));
  const std::string opened = FormOpenedBy(control);
  if (!opened.empty()) lines.push_back(TextLine("  ", opened, "();"));
  lines.push_back("}");
  lines.push_back("");
}

void MenuHandler(LineList& lines, const TControl& bar, const std::vector<const TControl*>& menus) {
  lines.push_back(TextLine("On", bar.Name(), "(string Option){"));
  lines.push_back("  switch (Option){");
  for (const TControl* menu : menus) {
    if (IsCcMenuBar(*menu)) continue;
    for (const std::string& entry : CcItemsOf(*menu)) {
      lines.push_back(TextLine("    case \"", entry, "\":"));
      lines.push_back(TextLine("      //action for menu", entry));
      lines.push_back("      break;");
    }
  }
  lines.push_back("}");
  lines.push_back("}");
  lines.push_back("");
}

void EventSection(LineList& lines, const CcPanel& panel,
                  const std::vector<const TControl*>& menus) {
  const std::vector<const TControl*> controls = EventControls(panel);
  for (const TControl* control : controls) Handler(lines, *control);
  for (const TControl* menu : menus) {
    if (IsCcMenuBar(*menu)) {
      MenuHandler(lines, *menu, menus);
      break;  // only the window's first menu bar gets a handler
    }
  }
  lines.push_back(TextLine(panel.name, "Events(){"));
  lines.push_back("  int e;");
  lines.push_back("  while(1){");
  lines.push_back("    e=event(1);");
  bool first = true;
  for (const TControl* control : controls) {
    const std::string& name = control->Name();
    lines.push_back(
        TextLine(first ? kFirstDispatch : kLaterDispatch, name, ",e)) On", name, "();"));
    first = false;
  }
  for (const TControl* menu : menus) {
    if (!IsCcMenuBar(*menu)) continue;
    const std::string& bar = menu->Name();
    lines.push_back(TextLine(first ? kFirstDispatch : kLaterDispatch, bar, ",e)) On", bar,
                             "(Cgetcontent(", bar, "));"));
    first = false;
  }
  lines.push_back("  }");
  lines.push_back("}");
  lines.push_back("");
}

}  // namespace

void CcEventsText(LineList& lines, bool memo, const FormList& forms,
                  const std::string& project_name) {
  if (memo) lines.push_back(TextLine(kCcMemoOpen, project_name, kCcEventsSuffix));
  lines.push_back(TextLine(kCcIncludeOpen, project_name, kCcHeaderSuffix, "\""));
  for (const TChildFrm* form : forms) {
    if (!form) continue;
    const std::vector<const TControl*> form_menus = CcMenusOf(*form);
    const std::vector<const TControl*> no_menus;
    for (const CcPanel& panel : CcPanelsOf(*form))
      EventSection(lines, panel, panel.dialog ? no_menus : form_menus);
  }
}

}  // namespace qb
