// The form writer and reader of both libraries, driven by the schema's key tables.

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "controls/CCBitmap.h"
#include "controls/CCMenu.h"
#include "controls/CCMenuBar.h"
#include "controls/factory.h"
#include "controls/schema.h"
#include "form/form_file.h"
#include "form/form_keys.h"
#include "form/form_lookup.h"
#include "form/naming.h"
#include "form/shown_dialog.h"
#include "model/captions.h"
#include "model/kinds.h"
#include "model/text_util.h"

namespace qb {

namespace {

using Key = const PropertyBinding*;

constexpr const char* kUnableToWrite = "Unable to write to ";
constexpr const char* kFormNameKey = form_io::kNameKey;
constexpr const char* kFormTopKey = form_io::kTopKey;
constexpr const char* kFormLeftKey = form_io::kLeftKey;
constexpr const char* kFormTitleKey = "Title";
constexpr const char* kFormLibKey = "Lib";
constexpr const char* kDefaultFormTitle = "Form";

// The label coding of Alignment, indexed by the code written.
constexpr TextAlign kLabelAlignCodes[] = {TextAlign::kLeft, TextAlign::kCenter, TextAlign::kRight};

int LabelAlignCode(TextAlign align) {
  for (int code = 0; code < 3; ++code)
    if (kLabelAlignCodes[code] == align) return code;
  return 0;
}

TextAlign AlignFromLabelCode(int code) {
  return code >= 0 && code < 3 ? kLabelAlignCodes[code] : TextAlign::kLeft;
}

TextAlign AlignFromToolkit(int value) {
  return value >= 0 && value <= 2 ? static_cast<TextAlign>(value) : TextAlign::kLeft;
}

int DeviceInt(int value) { return std::clamp(value, form_io::kDeviceMin, form_io::kDeviceMax); }

// A key the form file stores: clipboard-only bindings are not.
bool InFile(const PropertyBinding& k) { return !k.clipboard_only; }

// ---- Writing ----

struct Written {
  const TControl* control;
  const KindInfo* kind;
  const KindSchema* layout;
};

void CollectWritten(LibraryId lib, const LibrarySchema& layout, const TControl& c,
                    std::vector<Written>* out) {
  const KindInfo* kind = KindForClass(lib, c.Class(), c.Tag());
  const KindSchema* kind_layout = kind ? layout.Find(kind->id) : nullptr;
  if (!kind_layout) return;  // no writer for this class in this library
  out->push_back({&c, kind, kind_layout});
  if (c.Class() == ControlClass::kPTDialog)
    for (const auto& child : c.Children()) CollectWritten(lib, layout, *child, out);
}

// The controls in the order their sections are written.
std::vector<Written> WrittenControls(LibraryId lib, const FormDocument& form) {
  const LibrarySchema& layout = LibrarySchemaOf(lib);
  std::vector<Written> out;
  for (const auto& child : form.Screen().Children()) CollectWritten(lib, layout, *child, &out);
  if (layout.writes_menus) {
    for (const auto& child : form.Client().Children())
      if (child->Class() == ControlClass::kCCMenu) CollectWritten(lib, layout, *child, &out);
    if (const TCCMenuBar* bar = FindMenuBar(form)) CollectWritten(lib, layout, *bar, &out);
  }
  return out;
}

// A name that can be a section of its own in this form's file.
bool IsSectionName(const std::string& name, const TakenNames& names) {
  return IsValidIdent(name) && !names.Reserved(name);
}

// The section each written control is written under: its own name, or for a control that
// cannot have a section of its own (a name made in code, never by the designer) its next
// free automatic name. The controls keep their names: writing never changes the form.
using SectionNames = std::unordered_map<const TControl*, std::string>;
SectionNames SectionNamesOf(const FormDocument& form, const std::vector<Written>& written) {
  SectionNames out;
  std::unordered_set<std::string> used;
  TakenNames names(form);
  int counter = 0;
  for (const Written& w : written) {
    const TControl& c = *w.control;
    std::string name = c.Name();
    if (!IsSectionName(name, names) || used.count(LowerAscii(name))) {
      std::string bar_name = MenuBarName(form, false);
      bool bar = c.Class() == ControlClass::kCCMenuBar && IsSectionName(bar_name, names) &&
                 !names.BorneByControl(bar_name);
      names.Remove(c);
      name = bar ? bar_name : NextControlName(w.kind->long_prefix, names, counter);
      names.AddAs(c, name);
    }
    used.insert(LowerAscii(name));
    out.emplace(&c, std::move(name));
  }
  return out;
}

void WriteKey(IniFile& ini, const std::string& section, const PropertyBinding& k, const TControl& c,
              const KindInfo& kind, const SectionNames& sections) {
  switch (k.codec) {
    case Codec::kKind:
      ini.WriteString(section, k.key, kind.kind);
      break;
    case Codec::kName:
      ini.WriteString(section, k.key, section);
      break;
    case Codec::kParent: {
      const TControl* parent = c.Parent();
      auto it = parent ? sections.find(parent) : sections.end();
      ini.WriteString(section, k.key,
                      it != sections.end() ? it->second
                      : parent             ? parent->Name()
                                           : kScreenParentName);
      break;
    }
    case Codec::kValue:
      switch (k.type) {
        case ValueType::kText:
          ini.WriteString(section, k.key, k.get_text(c));
          break;
        case ValueType::kInt:
          ini.WriteInteger(section, k.key, k.get_int(c));
          break;
        case ValueType::kColor:
          ini.WriteColor(section, k.key, k.get_color(c));
          break;
        case ValueType::kList:
          ini.WriteList(section, k.get_list(c));
          break;
      }
      break;
    case Codec::kFont:
      ini.WriteFont(section, k.key, c.Font());
      break;
    case Codec::kLabelAlign:
      ini.WriteInteger(section, k.key, LabelAlignCode(c.Alignment()));
      break;
    case Codec::kToolkitAlign:
      ini.WriteInteger(section, k.key, static_cast<int>(c.Alignment()));
      break;
    case Codec::kConstant:
      ini.WriteInteger(section, k.key, k.int_default);
      break;
    case Codec::kListSection:
      break;  // after the section
  }
}

void WriteFormSection(LibraryId lib, const FormDocument& form, int window_left, int window_top,
                      IniFile& ini) {
  ini.WriteString(kFormSection, kFormNameKey, form.Name());
  ini.WriteInteger(kFormSection, kFormTopKey, window_top);
  ini.WriteInteger(kFormSection, kFormLeftKey, window_left);
  ini.WriteString(kFormSection, kFormTitleKey, form.Screen().Title());
  ini.WriteInteger(kFormSection, kFormLibKey, static_cast<int>(lib));
  for (Key k : LibrarySchemaOf(lib).form_keys)
    ini.WriteColor(kFormSection, k->key, k->get_color(form.Screen()));
}

// ---- Reading ----

void ApplyKey(const IniFile& ini, const std::string& section, const PropertyBinding& k,
              TControl& c) {
  if (!k.read) {
    if (k.set_int) k.set_int(c, k.int_default);
    return;
  }
  switch (k.codec) {
    case Codec::kValue:
      switch (k.type) {
        case ValueType::kText:
          k.set_text(c, ini.ReadString(section, k.key, k.text_default));
          break;
        case ValueType::kInt:
          k.set_int(c, DeviceInt(ini.ReadInteger(section, k.key, k.int_default)));
          break;
        case ValueType::kColor:
          k.set_color(c, ini.ReadColor(section, k.key, static_cast<Color>(k.int_default)));
          break;
        case ValueType::kList: {
          StringList list = k.get_list(c);
          if (ini.ReadList(section, &list)) k.set_list(c, list);
          break;
        }
      }
      break;
    case Codec::kFont: {
      Font font = c.Font();
      ini.ReadFont(section, k.key, &font);
      if (!(font == c.Font())) c.SetFont(font);
      break;
    }
    case Codec::kLabelAlign:
      c.SetAlignment(AlignFromLabelCode(ini.ReadInteger(section, k.key, k.int_default)));
      break;
    case Codec::kToolkitAlign:
      c.SetAlignment(AlignFromToolkit(ini.ReadInteger(section, k.key, k.int_default)));
      break;
    case Codec::kListSection: {
      StringList items = k.get_list(c);
      if (ini.ReadList(section + k.key, &items)) k.set_list(c, items);
      break;
    }
    case Codec::kKind:
    case Codec::kName:
    case Codec::kParent:
    case Codec::kConstant:
      break;
  }
}

class FormReader {
 public:
  FormReader(LibraryId lib, TChildFrm& form, const IniFile& ini, AppState& state)
      : lib_(lib),
        layout_(LibrarySchemaOf(lib)),
        form_(form),
        ini_(ini),
        state_(state),
        names_(form) {}

  FormReadResult Read() {
    TCCForm& screen = form_.Screen();
    screen.SetTitle(ini_.ReadString(kFormSection, kFormTitleKey, kDefaultFormTitle));
    form_.SetWindowPos(DeviceInt(ini_.ReadInteger(kFormSection, kFormLeftKey, 0)),
                       DeviceInt(ini_.ReadInteger(kFormSection, kFormTopKey, 0)));
    for (Key k : layout_.form_keys) ApplyKey(ini_, kFormSection, *k, screen);
    for (const std::string& section : ini_.SectionNames()) ReadSection(section);
    form_.RebuildControlList(lib_);
    return result_;
  }

 private:
  void ReadSection(const std::string& section) {
    if (SameText(section, kFormSection)) return;
    const std::string* control = ini_.Find(section, form_io::kControlKey);
    const KindInfo* kind = control ? FindKind(lib_, *control) : nullptr;
    const KindSchema* layout = kind ? layout_.Find(kind->id) : nullptr;
    if (!layout) return;  // list sections and unknown kinds
    if (kind->cls == ControlClass::kCCMenuBar && FindMenuBar(form_)) return;
    if (result_.controls >= kMaxFormControls) {
      ++result_.dropped;
      return;
    }
    TControl* c = Place(section, *kind, *layout);
    if (!c) return;
    ApplyKeys(section, *layout, *c);
    c->SetColor(state_.control_color);
    if (layout->palm_form) c->SetPalmForm(c->Parent());
    // The designer gives every control but menus the form's context menu once it exists.
    ApplyClassRules(*c);
    ++result_.controls;
  }

  // The new control, named and on its parent, before any of its keys are applied.
  TControl* Place(const std::string& section, const KindInfo& kind, const KindSchema& layout) {
    std::unique_ptr<TControl> owned = CreateControl(kind.cls, &form_.Document());
    if (!owned) return nullptr;
    if (kind.tag_marker != kAnyTag) owned->SetTag(kind.tag_marker);
    owned->SetName(NameFor(section, kind, layout));
    names_.Add(*owned);
    return ParentFor(section, kind).AddChild(std::move(owned));
  }

  void ApplyKeys(const std::string& section, const KindSchema& layout, TControl& c) {
    for (bool first : {true, false})
      for (Key k : layout.keys)
        if (InFile(*k) && k->first == first) ApplyKey(ini_, section, *k, c);
    if (layout.after_read) layout.after_read(c);
  }

  // The file's name when the form can take it, else the next free automatic name.
  std::string NameFor(const std::string& section, const KindInfo& kind, const KindSchema& layout) {
    std::string fallback = layout.default_name;
    if (kind.cls == ControlClass::kCCMenuBar) fallback += form_.Name();
    std::string name = ini_.ReadString(section, form_io::kNameKey, fallback);
    if (Usable(name)) return name;
    if (kind.cls == ControlClass::kCCMenuBar) {
      std::string bar_name = MenuBarName(form_, state_.short_names);
      if (Usable(bar_name)) return bar_name;
    }
    return NextControlName(state_.short_names ? kind.short_prefix : kind.long_prefix, names_,
                           state_.control_counter);
  }

  bool Usable(const std::string& name) const {
    return IsSectionName(name, names_) && !names_.BorneByControl(name);
  }

  TControl& ParentFor(const std::string& section, const KindInfo& kind) {
    switch (kind.parent) {
      case ParentRule::kScreen:
        return form_.Screen();
      case ParentRule::kDesignerWindow:
        return form_.Client();
      case ParentRule::kScreenOrDialog:
        break;
    }
    return FindParentByName(form_, ini_.ReadString(section, form_io::kParentKey, ""));
  }

  void ApplyClassRules(TControl& c) {
    TCCForm& screen = form_.Screen();
    switch (c.Class()) {
      case ControlClass::kPTDialog: {
        auto& dialog = static_cast<TPTDialog&>(c);
        dialog.SetGridSpace(screen.GridSpace());
        dialog.SetGridVisible(screen.GridVisible());
        c.SetResizeNotification(true);
        // The designer window hooks in here once it exists: the shown dialog gets the screen
        // panel's mouse-release handling and becomes snapDialog's working area, and
        // snapDialog takes snap's grid size.
        if (dialog.Tag() == 1) {
          ShowDialog(form_, dialog);
        } else {
          dialog.SetTag(0);
          dialog.SetVisible(false);
        }
        break;
      }
      case ControlClass::kCCMenu:
        // Menus and the menu bar get snap's mouse-release handling from the designer.
        c.SetTop(screen.Top());
        break;
      case ControlClass::kCCMenuBar:
        c.SetBounds(screen.Left(), screen.Top(), c.Width(), c.Height());
        if (static_cast<TCCMenuBar&>(c).Test() == 0) CloseMenus();
        break;
      case ControlClass::kCCBitmap:
        // An Image enters at most 40 × 40 pixels.
        c.SetBounds(c.Left(), c.Top(), std::min(c.Width(), kImageMaxSize),
                    std::min(c.Height(), kImageMaxSize));
        c.SetResizeNotification(true);
        break;
      default:
        c.SetResizeNotification(true);
        break;
    }
  }

  void CloseMenus() {
    for (const auto& child : form_.Client().Children()) {
      if (auto* menu = As<TCCMenu>(child.get())) {
        menu->SetTest(0);
        menu->SetVisible(false);
      }
    }
  }

  LibraryId lib_;
  const LibrarySchema& layout_;
  TChildFrm& form_;
  const IniFile& ini_;
  AppState& state_;
  // The names of the form's controls, kept as each control is placed: a form of n controls
  // reads in linear time.
  TakenNames names_;
  FormReadResult result_;
};

}  // namespace

std::string UnableToWriteMessage(const std::string& path) { return kUnableToWrite + path; }

IniFile WriteFormToIni(LibraryId lib, const TChildFrm& window) {
  return WriteFormToIni(lib, window.Document(), window.WindowLeft(), window.WindowTop());
}

IniFile WriteFormToIni(LibraryId lib, const FormDocument& form, int window_left, int window_top) {
  std::vector<Written> written = WrittenControls(lib, form);
  const SectionNames sections = SectionNamesOf(form, written);
  IniFile ini;
  WriteFormSection(lib, form, window_left, window_top, ini);
  for (const Written& w : written) {
    const std::string& section = sections.at(w.control);
    for (Key k : w.layout->keys)
      if (InFile(*k)) WriteKey(ini, section, *k, *w.control, *w.kind, sections);
    for (Key k : w.layout->keys)
      if (k->codec == Codec::kListSection) ini.WriteList(section + k->key, k->get_list(*w.control));
  }
  return ini;
}

std::vector<FormText> FormTexts(LibraryId lib, const FormDocument& form) {
  std::vector<FormText> texts;
  texts.push_back({form.Name(), kFormTitleKey, form.Screen().Title()});
  for (const Written& w : WrittenControls(lib, form)) {
    const TControl& c = *w.control;
    for (Key k : w.layout->keys) {
      if (!InFile(*k) || k->codec == Codec::kListSection) continue;
      if (k->codec == Codec::kValue && k->type == ValueType::kText)
        texts.push_back({c.Name(), k->key, k->get_text(c)});
      if (k->codec == Codec::kValue && k->type == ValueType::kList)
        for (std::string& item : k->get_list(c))
          texts.push_back({c.Name(), *k->key ? k->key : "Items", std::move(item)});
    }
    for (Key k : w.layout->keys)
      if (k->codec == Codec::kListSection)
        for (std::string& item : k->get_list(c))
          texts.push_back({c.Name(), k->key, std::move(item)});
  }
  return texts;
}

bool WriteForm(LibraryId lib, TChildFrm& form, const std::string& path, Ui& ui) {
  if (!WriteFormToIni(lib, form).Save(path)) {
    ui.MessageBox(kCaptionError, UnableToWriteMessage(path), MsgIcon::kError, kMbOk, kMbOk);
    return false;
  }
  form.SetCaption(ExtractFileName(path));
  return true;
}

FormReadResult ReadFormFromIni(LibraryId lib, TChildFrm& form, const IniFile& ini,
                               AppState& state) {
  return FormReader(lib, form, ini, state).Read();
}

FormReadResult ReadForm(LibraryId lib, TChildFrm& form, const std::string& path, AppState& state) {
  IniFile ini;
  ini.Load(path);
  form.SetPath(path);
  form.SetCaption(ExtractFileName(path));
  return ReadFormFromIni(lib, form, ini, state);
}

FormFileHeader InspectFormFile(const std::string& path, LibraryId reading_lib) {
  IniFile ini;
  FormFileHeader header;
  header.status = ini.LoadFile(path);
  header.name = ini.ReadString(kFormSection, kFormNameKey, "");
  header.lib = ini.ReadInteger(kFormSection, kFormLibKey, 0);
  header.form_section = ini.HasSection(kFormSection);
  const LibrarySchema& layout = LibrarySchemaOf(reading_lib);
  bool menu_bar = false;
  for (const std::string& section : ini.SectionNames()) {
    if (SameText(section, kFormSection)) continue;
    const std::string* control = ini.Find(section, form_io::kControlKey);
    const KindInfo* kind = control ? FindKind(reading_lib, *control) : nullptr;
    if (!kind || !layout.Find(kind->id)) continue;
    // The reader takes one menu bar and skips the others.
    if (kind->cls == ControlClass::kCCMenuBar) {
      if (menu_bar) continue;
      menu_bar = true;
    }
    ++header.controls;
  }
  return header;
}

std::string ForeignFormText(const std::string& path, const FormFileHeader& header) {
  if (!header.ok()) return {};
  const std::string start = path + " is not a Quillboard form: ";
  if (!header.form_section) return start + "it has no [" + kFormSection + "] section.";
  if (header.name.empty()) return start + "its [" + kFormSection + "] section has no Name.";
  return {};
}

std::string LibraryNameText(int lib) {
  if (lib == static_cast<int>(LibraryId::kCControls) ||
      lib == static_cast<int>(LibraryId::kPToolboxLib))
    return LibraryStatusName(static_cast<LibraryId>(lib));
  return lib == 0 ? std::string("no library") : "library " + std::to_string(lib);
}

std::string TooManyControlsText(const std::string& path, int controls) {
  return path + " holds " + std::to_string(controls) + " controls; a form holds at most " +
         std::to_string(kMaxFormControls) + ". It was not opened.";
}

std::string FormOfOtherLibraryText(const std::string& path, int form_lib, LibraryId lib) {
  return path + " is a form of " + LibraryNameText(form_lib) + ", not of " +
         LibraryStatusName(lib) + ". It was not opened.";
}

std::string ReadFormName(const std::string& path) {
  IniFile ini;
  ini.Load(path);
  return ini.ReadString(kFormSection, kFormNameKey, "");
}

int ReadFormLib(const std::string& path) {
  IniFile ini;
  ini.Load(path);
  return ini.ReadInteger(kFormSection, kFormLibKey, 0);
}

}  // namespace qb
