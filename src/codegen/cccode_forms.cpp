// The forms text: for every form and each of its dialogs, the handle declaration and the
// functions that construct, fill and draw the panel's controls.

#include "codegen/bitmap_string.h"
#include "codegen/cccode.h"
#include "codegen/cccode_model.h"
#include "codegen/cccode_texts.h"
#include "codegen/text_line.h"
#include "controls/CCBitmap.h"
#include "controls/CCMenu.h"
#include "controls/CCTable.h"
#include "model/datamod.h"

namespace qb {

namespace {

constexpr const char* kDialogHandlePrefix = "h";
constexpr char kTableFieldSeparator = '~';

bool Handled(const TControl& c) { return CcRowOf(CcKindOf(c)).handled; }

// A column entry the table does not hold is written as 0 (zero width, left alignment), so that
// the call stays complete.
const std::string& ColumnEntry(const StringList& entries, int c) {
  static const std::string kMissing = "0";
  return c < static_cast<int>(entries.size()) ? entries[c] : kMissing;
}

// Section 1. A panel with nothing to declare gets no declaration: "Chandle" alone would not
// compile.
void HandleDeclaration(LineList& lines, const CcPanel& panel,
                       const std::vector<const TControl*>& menus) {
  std::vector<const std::string*> handles;
  std::string dialog_handle;
  if (panel.dialog) {
    dialog_handle = TextLine(kDialogHandlePrefix, panel.name);
    handles.push_back(&dialog_handle);
  }
  for (const auto& child : panel.panel->Children())
    if (Handled(*child)) handles.push_back(&child->Name());
  for (const TControl* menu : menus) handles.push_back(&menu->Name());
  if (handles.empty()) return;
  std::string line = "Chandle ";
  for (const std::string* handle : handles) line += TextLine(*handle, ", ");
  line.replace(line.size() - 2, 2, ";");
  lines.push_back(std::move(line));
  lines.push_back("");
}

void Constructor(LineList& lines, const TControl& c, const CcPanel& panel) {
  const CcKindRow& row = CcRowOf(CcKindOf(c));
  std::string line = TextLine("  ", c.Name(), "=", row.constructor, "(");
  for (std::size_t i = 0; i < row.args.size(); ++i) {
    if (i > 0) line += ",";
    line += TextLine(CcArgValue(row.args[i], c, panel));
  }
  line += ");";
  lines.push_back(std::move(line));
  if (!row.column_rows) return;
  const auto& table = static_cast<const TCCTable&>(c);
  for (int col = 0; col < table.Cols(); ++col) {
    lines.push_back(TextLine("  Csetrow(", c.Name(), ",", col, ",",
                             ColumnEntry(table.ColWidths(), col), ",",
                             ColumnEntry(table.ColAlign(), col), ");"));
  }
}

void ControlsFunction(LineList& lines, const CcPanel& panel,
                      const std::vector<const TControl*>& menus) {
  lines.push_back(TextLine(panel.name, "Controls(){"));
  if (panel.dialog) {
    const TPTDialog& d = *panel.dialog;
    lines.push_back(TextLine("  ", kDialogHandlePrefix, panel.name, "=Cframe(", d.Left(), ",",
                             d.Top(), ",", d.Width(), ",", d.Height(), ");"));
  }
  for (const auto& child : panel.panel->Children())
    if (Handled(*child)) Constructor(lines, *child, panel);
  for (const TControl* menu : menus) {
    if (IsCcMenuBar(*menu)) {
      lines.push_back(TextLine("  ", menu->Name(), "=Cmenubar();"));
    } else {
      const auto& m = static_cast<const TCCMenu&>(*menu);
      lines.push_back(TextLine("  ", m.Name(), "=Cmenu(", m.UserLeft(), ",", m.UserWidth(), ",",
                               m.TopicWidth(), ");"));
    }
  }
  lines.push_back("}");
}

void AddItems(LineList& lines, const std::string& name, const StringList& items) {
  for (const std::string& item : items)
    lines.push_back(TextLine("  Cadditem(", name, ",\"", item, "\");"));
}

void SetContent(LineList& lines, const std::string& name, const char* font_code,
                const std::string& text) {
  lines.push_back(TextLine("  Csetcontent(", name, ",\"", font_code, text, "\");"));
}

void SetTopic(LineList& lines, const std::string& name, const std::string& topic) {
  lines.push_back(TextLine("  Csettopic(", name, ",\"", topic, "\");"));
}

void TableRows(LineList& lines, const TCCTable& table) {
  const std::string& name = table.Name();
  for (const std::string& row : table.Items()) {
    lines.push_back(
        TextLine("  Cadditem(", name, ",\"", NthField(row, kTableFieldSeparator, 1), "\");"));
    for (int k = 1; k < table.Cols(); ++k) {
      lines.push_back(TextLine("  Csetfield(", name, ",", k, ",\"",
                               NthField(row, kTableFieldSeparator, k + 1), "\");"));
    }
  }
  lines.push_back(TextLine("  Csetcursel(", name, ",0);"));
}

void ContentStep(LineList& lines, CcContent step, const TControl& c) {
  const std::string& name = c.Name();
  switch (step) {
    case CcContent::kContentWithFont:
      SetContent(lines, name, CcFontCode(c), CcContentOf(c));
      break;
    case CcContent::kContent:
      SetContent(lines, name, "", CcContentOf(c));
      break;
    case CcContent::kTopic:
      SetTopic(lines, name, CcTopicOf(c));
      break;
    case CcContent::kState:
      lines.push_back(TextLine("  Csetstate(", name, ",", CcStateOf(c), ");"));
      break;
    case CcContent::kCursel:
      lines.push_back(TextLine("  Csetcursel(", name, ",", CcSelectedItemOf(c), ");"));
      break;
    case CcContent::kItems:
      AddItems(lines, name, CcItemsOf(c));
      break;
    case CcContent::kBitmap: {
      const auto& image = static_cast<const TCCBitmap&>(c);
      SetContent(lines, name, "", BitmapString(image.Width(), image.StringBits()));
      break;
    }
    case CcContent::kTableRows:
      TableRows(lines, static_cast<const TCCTable&>(c));
      break;
  }
}

void MenuContents(LineList& lines, const std::vector<const TControl*>& menus) {
  for (const TControl* menu : menus) {
    if (IsCcMenuBar(*menu)) {
      for (const TControl* topic : menus) {
        if (!IsCcMenuBar(*topic))
          lines.push_back(TextLine("  Caddmenu(", menu->Name(), ",", topic->Name(), ");"));
      }
    } else {
      SetTopic(lines, menu->Name(), CcTopicOf(*menu));
      AddItems(lines, menu->Name(), CcItemsOf(*menu));
    }
  }
}

void ContentsFunction(LineList& lines, const CcPanel& panel,
                      const std::vector<const TControl*>& menus) {
  lines.push_back(TextLine(panel.name, "Contents(){"));
  if (panel.dialog) {
    SetContent(lines, TextLine(kDialogHandlePrefix, panel.name), "", panel.dialog->Title());
  }
  for (const auto& child : panel.panel->Children()) {
    if (!Handled(*child)) continue;
    for (CcContent step : CcRowOf(CcKindOf(*child)).contents) ContentStep(lines, step, *child);
  }
  MenuContents(lines, menus);
  lines.push_back("}");
}

void DrawFunction(LineList& lines, const CcPanel& panel, const std::string& form_title) {
  lines.push_back(TextLine(panel.name, "Draw(){"));
  if (panel.dialog) {
    lines.push_back(TextLine("  Cdraw(", kDialogHandlePrefix, panel.name, ");"));
  } else {
    lines.push_back(TextLine("  title(\"", form_title, "\");"));
    lines.push_back("  clearg();");
  }
  for (const auto& child : panel.panel->Children()) {
    const TControl& c = *child;
    if (CcKindOf(c) == CcKind::kPlainImage) {
      const auto& image = static_cast<const TCCBitmap&>(c);
      lines.push_back(TextLine("    bitmap(", CcArgValue(CcArg::kPanelX, c, panel), ",",
                               CcArgValue(CcArg::kPanelY, c, panel), ",\"",
                               BitmapString(image.Width(), image.StringBits()), "\");"));
    } else if (Handled(c)) {
      lines.push_back(TextLine("  Cdraw(", c.Name(), ");"));
    }
  }
  lines.push_back("}");
  lines.push_back("");
}

}  // namespace

void CcFormsText(LineList& lines, bool memo, const FormList& forms,
                 const std::string& project_name) {
  if (memo) lines.push_back(TextLine(kCcMemoOpen, project_name, kCcFormsSuffix));
  lines.push_back(TextLine(kCcIncludeOpen, "Ccontrols.c\""));
  for (const TChildFrm* form : forms) {
    if (!form) continue;
    const std::vector<const TControl*> form_menus = CcMenusOf(*form);
    const std::vector<const TControl*> no_menus;
    for (const CcPanel& panel : CcPanelsOf(*form)) {
      // Menus belong to the form's window, never to one of its dialogs.
      const auto& menus = panel.dialog ? no_menus : form_menus;
      HandleDeclaration(lines, panel, menus);
      ControlsFunction(lines, panel, menus);
      ContentsFunction(lines, panel, menus);
      DrawFunction(lines, panel, form->Screen().Title());
    }
  }
}

}  // namespace qb
