#include "codegen/code_check.h"

#include <array>
#include <map>
#include <string_view>

#include "codegen/cccode_model.h"
#include "codegen/generate_tables.h"
#include "codegen/layout_check.h"
#include "codegen/ptcode_model.h"
#include "controls/CCBitmap.h"
#include "controls/CCButton.h"
#include "controls/CCForm.h"
#include "controls/CCMenu.h"
#include "controls/CCRadio.h"
#include "controls/CCSwitch.h"
#include "controls/CCTable.h"
#include "controls/PTButton.h"
#include "controls/PTCheckBox.h"
#include "controls/PTDialog.h"
#include "controls/PTEdit.h"
#include "controls/PTLabel.h"
#include "controls/PTList.h"
#include "controls/PTPopTrigger.h"
#include "model/datamod.h"

namespace qb {

namespace {

constexpr std::string_view kC99Keywords[] = {
    "auto",     "break",  "case",   "char",     "const",     "continue", "default",  "do",
    "double",   "else",   "enum",   "extern",   "float",     "for",      "goto",     "if",
    "inline",   "int",    "long",   "register", "restrict",  "return",   "short",    "signed",
    "sizeof",   "static", "struct", "switch",   "typedef",   "union",    "unsigned", "void",
    "volatile", "while",  "_Bool",  "_Complex", "_Imaginary"};

// The dialect's own words, in the output of both libraries.
constexpr std::string_view kDialectWords[] = {"string", "library", "Chandle", "main"};

// The runtime's and CControls' calls, and the names the generated code gives its locals.
constexpr std::string_view kCControlsWords[] = {
    "graph_on",    "title",     "clearg",      "event",      "bitmap",    "Cbutton",   "Cswitch",
    "Cradio",      "Clabel",    "Clistbox",    "Cdropdown",  "Ccheckbox", "Cedit",     "Ceditline",
    "Cpopup",      "Cimage",    "Ctable",      "Cframe",     "Cmenubar",  "Cmenu",     "Csetrow",
    "Csetcontent", "Csettopic", "Csetstate",   "Csetcursel", "Cadditem",  "Csetfield", "Caddmenu",
    "Cdraw",       "Cevent",    "Cgetcontent", "e",          "Option"};

// PToolboxLib's and the runtime's calls and codes, the colour functions the generated code
// defines, and its locals and parameters: the #define'd identifiers would replace any of them.
constexpr std::string_view kPToolboxWords[] = {
    "Form",        "Dialog",   "Button",   "Field",  "List",      "Label",      "GSI",
    "FsetState",   "FaddList", "FsetText", "Fctl",   "Fevent",    "UIColor",    "SetDepth",
    "SetFore",     "textattr", "bitmap",   "date",   "time",      "PickDate",   "PickTime",
    "DateConv",    "TimeConv", "DRAW",     "SHOW",   "REPEAT",    "FormColors", "ButColors",
    "FieldColors", "e",        "p",        "bt",     "butID",     "Type",       "clFFrame",
    "clFFill",     "clFrame",  "clFill",   "clText", "clSelFill", "clSelFore",  "id",
    "clBack",      "clLines",  "clCaret",  "clHlBg", "clHlFg"};

template <std::size_t N>
bool InList(const std::string_view (&list)[N], const std::string& name) {
  for (std::string_view word : list)
    if (word == name) return true;
  return false;
}

std::string Quoted(const std::string& s) { return "\"" + s + "\""; }

// Which design name an identifier of the generated code comes from.
struct Origin {
  std::string form;
  std::string control;  // empty for the form itself
  std::string Describe() const { return (control.empty() ? form : control + " on " + form); }
  bool operator==(const Origin& o) const { return form == o.form && control == o.control; }
};

class CodeChecker {
 public:
  CodeChecker(LibraryId lib, const CodeCheckSettings& settings, std::vector<LayoutFinding>& out)
      : lib_(lib), settings_(settings), out_(out) {}

  void Run(const std::vector<const TChildFrm*>& forms) {
    CheckPrcFields();
    CheckDocumentNames();
    for (const TChildFrm* form : forms) {
      if (!form) continue;
      form_ = form;
      if (lib_ == LibraryId::kPToolboxLib)
        CheckPToolboxForm(*form);
      else
        CheckCControlsForm(*form);
    }
  }

 private:
  void Add(const TControl* c, std::string message, const char* rule,
           FindingSeverity severity = FindingSeverity::kError) {
    out_.push_back({severity, form_ ? form_->Name() : std::string(), c ? c->Name() : std::string(),
                    std::move(message), rule});
  }

  // --- Names ---

  // The design name itself: an identifier and no reserved word. `defines` tells whether the
  // generated code defines it as it stands.
  void CheckDesignName(const TControl* c, const std::string& name) {
    if (!IsCIdentifier(name)) {
      Add(c, Quoted(name) + " is no identifier of C", kRuleIdentifier);
      return;
    }
  }

  // One identifier the generated code defines, derived from the design name of `c` (the form
  // itself when null).
  void Define(const TControl* c, const std::string& identifier) {
    const std::string& design = c ? c->Name() : form_->Name();
    if (!IsCIdentifier(design)) return;  // reported once, as no identifier
    const Origin origin{form_->Name(), c ? c->Name() : std::string()};
    if (IsReservedCodeName(identifier, lib_)) {
      if (reserved_reported_.emplace(origin.Describe(), true).second)
        Add(c,
            identifier == design
                ? Quoted(design) +
                      " is a word of C, of the dialect or of the calls the generated "
                      "code makes"
                : Quoted(design) + " gives the generated code " + Quoted(identifier) +
                      ", a word of C, of the dialect or of the calls the generated code makes",
            kRuleReservedWord);
      return;
    }
    const auto [it, fresh] = defined_.emplace(identifier, origin);
    if (fresh || it->second == origin) return;
    // One finding for each pair of design names that clash, however many names they share.
    const std::string pair = origin.Describe() + "\n" + it->second.Describe();
    if (!clash_reported_.emplace(pair, true).second) return;
    Add(c,
        Quoted(identifier) + " is defined twice in the generated code: by " +
            it->second.Describe() + " and by " + origin.Describe(),
        kRuleDefinedOnce);
  }

  // --- Texts ---

  void CheckText(const TControl* c, const std::string& what, const std::string& text) {
    const std::string hazard = StringLiteralHazard(text);
    if (hazard.empty()) return;
    const std::string owner = c ? c->Name() : form_->Name();
    Add(c, owner + "'s " + what + " " + Quoted(text) + " " + hazard, kRuleStringLiteral);
  }

  void CheckItems(const TControl& c, const StringList& items) {
    for (std::size_t i = 0; i < items.size(); ++i)
      CheckText(&c, "item " + std::to_string(i + 1), items[i]);
  }

  void CheckPrcFields() {
    if (settings_.memo) return;
    for (const auto& [label, text] : settings_.prc_fields) {
      const std::string hazard = StringLiteralHazard(text);
      if (!hazard.empty())
        Add(nullptr, "The PRC field " + label + " " + Quoted(text) + " " + hazard,
            kRuleStringLiteral);
    }
  }

  void CheckDocumentNames() {
    if (!settings_.memo || settings_.project_name.empty()) return;
    bool shortened = false;
    const std::vector<std::string> names = DocumentNames(settings_.project_name, &shortened);
    if (!shortened) return;
    std::string list;
    for (std::size_t i = 0; i < names.size(); ++i)
      list += (i == 0 ? "" : i + 1 == names.size() ? " and " : ", ") + Quoted(names[i]);
    Add(nullptr,
        "The project's name is too long for the converter's 31-byte document names; the "
        "documents are named " +
            list,
        kRuleDocumentName, FindingSeverity::kWarning);
  }

  // --- CControls ---

  void CheckCControlsForm(const TChildFrm& form) {
    std::map<std::string, const TControl*> entries;  // menu entries of the form's handler
    for (const CcPanel& panel : CcPanelsOf(form)) {
      const TControl* owner = panel.dialog;
      CheckDesignName(owner, panel.name);
      for (const char* suffix : {"", "Controls", "Contents", "Draw", "Events"})
        Define(owner, panel.name + suffix);
      if (panel.dialog) {
        Define(owner, "h" + panel.name);
        CheckText(owner, "title", panel.dialog->Title());
      } else {
        CheckText(nullptr, "title", form.Screen().Title());
      }
      for (const auto& child : panel.panel->Children()) {
        const TControl& c = *child;
        const CcKind kind = CcKindOf(c);
        if (kind == CcKind::kDialog) continue;  // a panel of its own
        CheckDesignName(&c, c.Name());
        if (kind == CcKind::kForeign) continue;
        const CcKindRow& row = CcRowOf(kind);
        if (row.handled) Define(&c, c.Name());
        if (row.events) Define(&c, "On" + c.Name());
        CheckCcTexts(c, kind);
      }
    }
    bool handler = false;
    for (const TControl* part : CcMenusOf(form)) {
      CheckDesignName(part, part->Name());
      Define(part, part->Name());
      if (IsCcMenuBar(*part)) {
        if (!handler) Define(part, "On" + part->Name());
        handler = true;
        continue;
      }
      const auto* menu = As<TCCMenu>(part);
      if (!menu) continue;
      CheckText(part, "topic", menu->Topic());
      CheckItems(*part, menu->Items());
      for (const std::string& entry : menu->Items()) {
        const auto [it, fresh] = entries.emplace(entry, part);
        if (fresh) continue;
        Add(part,
            "The menu entry " + Quoted(entry) + " of " + part->Name() + " is also an entry of " +
                it->second->Name() + "; the form's menu handler has two cases for it",
            kRuleMenuEntryOnce);
      }
    }
  }

  void CheckCcTexts(const TControl& c, CcKind kind) {
    if (kind == CcKind::kPlainImage) {
      CheckText(&c, "bitmap", static_cast<const TCCBitmap&>(c).StringBits());
      return;
    }
    for (CcContent step : CcRowOf(kind).contents) {
      switch (step) {
        case CcContent::kContentWithFont:
        case CcContent::kContent:
          CheckText(&c, "text", CcContentOf(c));
          break;
        case CcContent::kTopic:
          CheckText(&c, "topic", CcTopicOf(c));
          break;
        case CcContent::kItems:
          CheckItems(c, CcItemsOf(c));
          break;
        case CcContent::kBitmap:
          if (const auto* image = As<TCCBitmap>(&c)) CheckText(&c, "bitmap", image->StringBits());
          break;
        case CcContent::kTableRows:
          if (const auto* table = As<TCCTable>(&c)) CheckTableRows(*table);
          break;
        case CcContent::kState:
        case CcContent::kCursel:
          break;
      }
    }
  }

  void CheckTableRows(const TCCTable& table) {
    constexpr char kFieldSeparator = '~';
    for (std::size_t r = 0; r < table.Items().size(); ++r)
      for (int k = 1; k <= std::max(table.Cols(), 1); ++k)
        CheckText(&table, "row " + std::to_string(r + 1) + " field " + std::to_string(k),
                  NthField(table.Items()[r], kFieldSeparator, k));
  }

  // --- PToolboxLib ---

  void CheckPToolboxForm(const TChildFrm& form) {
    std::vector<ptcode::Panel> panels = ptcode::PanelsOf({&form});
    for (const ptcode::Panel& panel : panels) {
      const TControl* owner = panel.is_dialog ? panel.control : nullptr;
      CheckDesignName(owner, panel.name);
      Define(owner, panel.name);
      for (std::string_view suffix :
           {ptcode::kCreateSuffix, ptcode::kDrawSuffix, ptcode::kEventsSuffix})
        Define(owner, panel.name + std::string(suffix));
      if (panel.HasRepeatFunction()) Define(owner, panel.name + std::string(ptcode::kRepeatSuffix));
      CheckText(owner, "title", panel.Title());
      if (settings_.color) CheckPanelColors(panel);
      for (const auto& child : panel.Children()) {
        const TControl& c = *child;
        const ptcode::Kind kind = ptcode::KindOf(c);
        if (kind == ptcode::Kind::kDialog) continue;
        CheckDesignName(&c, c.Name());
        if (kind == ptcode::Kind::kForeign) continue;
        if (ptcode::TraitsOf(kind).numbered) {
          if (const auto* radio = As<TCCRadio>(&c))
            for (std::size_t i = 0; i < radio->Items().size(); ++i)
              Define(&c, c.Name() + std::to_string(i));
          else
            Define(&c, c.Name());
        }
        CheckPtTexts(c, kind);
        if (settings_.color) CheckControlColors(c, kind);
      }
    }
  }

  void CheckPtTexts(const TControl& c, ptcode::Kind kind) {
    using K = ptcode::Kind;
    switch (kind) {
      case K::kButton:
      case K::kRepeatButton:
        CheckText(&c, "text", static_cast<const TPTButton&>(c).Text());
        break;
      case K::kSelect: {
        const auto& s = static_cast<const TCCButton&>(c);
        CheckText(&c, "text", s.Content());
        if (s.DOTPicker() != 0) CheckText(&c, "DOTTitle", s.DOTTitle());
        break;
      }
      case K::kPush:
        CheckText(&c, "text", static_cast<const TCCSwitch&>(c).Content());
        break;
      case K::kCheckBox:
        CheckText(&c, "text", static_cast<const TPTCheckbox&>(c).Content());
        break;
      case K::kLabel:
        CheckText(&c, "text", static_cast<const TPTLabel&>(c).Content());
        break;
      case K::kPopTrigger:
        CheckText(&c, "text", static_cast<const TPTPopTrigger&>(c).Text());
        break;
      case K::kField:
        CheckText(&c, "text", static_cast<const TPTEdit&>(c).Text());
        break;
      case K::kList:
        CheckItems(c, static_cast<const TPTList&>(c).Items());
        break;
      case K::kRadio:
        CheckItems(c, static_cast<const TCCRadio&>(c).Items());
        break;
      case K::kBitmap:
        CheckText(&c, "bitmap", static_cast<const TCCBitmap&>(c).StringBits());
        break;
      case K::kGsi:
      case K::kDialog:
      case K::kForeign:
        break;
    }
  }

  struct NamedColor {
    const char* property;
    Color value;
  };

  void CheckColors(const TControl* c, std::initializer_list<NamedColor> colors) {
    for (const NamedColor& color : colors) {
      if (ColorPaletteIndex(color.value) >= 0) continue;
      const std::string owner = c ? c->Name() : form_->Name();
      Add(c,
          owner + "'s " + color.property + " " + std::to_string(color.value) +
              " is none of the sixteen palette colours the colour code passes",
          kRulePaletteColor);
    }
  }

  void CheckPanelColors(const ptcode::Panel& panel) {
    if (panel.is_dialog) {
      const auto& d = static_cast<const TPTDialog&>(*panel.control);
      CheckColors(&d, {{"ColorDialogFrame", d.ColorDialogFrame()},
                       {"ColorDialogFill", d.ColorDialogFill()},
                       {"ColorFrame", d.ColorFrame()},
                       {"ColorFill", d.ColorFill()},
                       {"ColorText", d.ColorText()},
                       {"ColorSelectedFill", d.ColorSelectedFill()},
                       {"ColorSelectedFore", d.ColorSelectedFore()}});
      return;
    }
    const auto& f = static_cast<const TCCForm&>(*panel.control);
    CheckColors(nullptr, {{"ColorFormFrame", f.ColorFormFrame()},
                          {"ColorFormFill", f.ColorFormFill()},
                          {"ColorFrame", f.ColorFrame()},
                          {"ColorFill", f.ColorFill()},
                          {"ColorText", f.ColorText()},
                          {"ColorSelectedFill", f.ColorSelectedFill()},
                          {"ColorSelectedFore", f.ColorSelectedFore()}});
  }

  void CheckControlColors(const TControl& c, ptcode::Kind kind) {
    using K = ptcode::Kind;
    switch (kind) {
      case K::kButton: {
        const auto& b = static_cast<const TPTButton&>(c);
        CheckColors(&c, {{"ColorFill", b.ColorFill()}, {"ColorText", b.ColorText()}});
        break;
      }
      case K::kSelect: {
        const auto& s = static_cast<const TCCButton&>(c);
        CheckColors(&c, {{"ColorFill", s.ColorFill()}, {"ColorText", s.ColorText()}});
        break;
      }
      case K::kLabel:
        CheckColors(&c, {{"ColorText", static_cast<const TPTLabel&>(c).ColorText()}});
        break;
      case K::kField: {
        const auto& f = static_cast<const TPTEdit&>(c);
        CheckColors(&c, {{"ColorFill", f.ColorFill()},
                         {"ColorText", f.ColorText()},
                         {"ColorLines", f.ColorLines()},
                         {"ColorCaret", f.ColorCaret()},
                         {"ColorHighlightBack", f.ColorHighlightBack()},
                         {"ColorHighlightFore", f.ColorHighlightFore()}});
        break;
      }
      case K::kBitmap:
        CheckColors(&c, {{"ColorFore", static_cast<const TCCBitmap&>(c).ColorFore()}});
        break;
      default:
        break;
    }
  }

  LibraryId lib_;
  const CodeCheckSettings& settings_;
  std::vector<LayoutFinding>& out_;
  const TChildFrm* form_ = nullptr;
  std::map<std::string, Origin> defined_;
  std::map<std::string, bool> clash_reported_;
  std::map<std::string, bool> reserved_reported_;
};

}  // namespace

void CheckGeneratedCode(const std::vector<const TChildFrm*>& forms, LibraryId lib,
                        const CodeCheckSettings& settings, std::vector<LayoutFinding>& out) {
  CodeChecker(lib, settings, out).Run(forms);
}

std::string StringLiteralHazard(const std::string& text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char ch = text[i];
    if (ch == '\n' || ch == '\r') return "holds a line break, which ends the generated line";
    if (ch == '"') return "holds a double quote, which ends the generated string early";
    if (ch != '\\') continue;
    if (i + 1 == text.size())
      return "ends in a backslash, which escapes the generated string's closing quote";
    ++i;  // the escaped character is part of the text
    if (text[i] == '\n' || text[i] == '\r')
      return "holds a line break, which ends the generated line";
  }
  return {};
}

bool IsCIdentifier(const std::string& name) {
  auto letter = [](char ch) {
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || ch == '_';
  };
  if (name.empty() || !letter(name[0])) return false;
  for (char ch : name)
    if (!letter(ch) && !(ch >= '0' && ch <= '9')) return false;
  return true;
}

bool IsReservedCodeName(const std::string& name, LibraryId lib) {
  if (InList(kC99Keywords, name) || InList(kDialectWords, name)) return true;
  return lib == LibraryId::kPToolboxLib ? InList(kPToolboxWords, name)
                                        : InList(kCControlsWords, name);
}

std::vector<std::string> DocumentNames(const std::string& project_name, bool* shortened) {
  std::size_t longest = 0;
  for (const CodeTextFile& file : kCodeTextFiles)
    longest = std::max(longest, std::string_view(file.doc_name_suffix).size());
  std::size_t keep = project_name.size();
  const bool cut = keep + longest > kDocumentNameLimit;
  if (cut) {
    keep = kDocumentNameLimit - longest;
    // Never inside a character: back off over UTF-8 continuation bytes.
    while (keep > 0 && (static_cast<unsigned char>(project_name[keep]) & 0xC0) == 0x80) --keep;
  }
  if (shortened) *shortened = cut;
  std::vector<std::string> names;
  for (const CodeTextFile& file : kCodeTextFiles)
    names.push_back(project_name.substr(0, keep) + file.doc_name_suffix);
  return names;
}

}  // namespace qb
