// The clipboard text of one control, built on the INI layout and the form files' key tables:
// a class's keys are the keys its kinds have in the form files of both libraries.

#include "form/clipboard_format.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <map>
#include <optional>

#include "controls/CCForm.h"
#include "controls/CCMenu.h"
#include "controls/CCMenuBar.h"
#include "controls/PTDialog.h"
#include "controls/PTPopTrigger.h"
#include "controls/cc_bindings.h"
#include "controls/factory.h"
#include "form/form_keys.h"
#include "model/code_page.h"
#include "model/ini_codec.h"
#include "model/ini_file.h"
#include "model/kinds.h"
#include "model/text_util.h"
#include "model/user_error.h"

namespace qb {

namespace {

using form_io::Codec;
using form_io::KeySpec;

constexpr const char* kHeaderSection = "QuillboardControl";
constexpr const char* kEndSection = "End";
constexpr const char* kVersionKey = "Version";
constexpr const char* kClassKey = "Class";
constexpr const char* kNameKey = "Name";
constexpr const char* kPalmFormKey = "PalmForm";
constexpr const char* kKeysKey = "Keys";
constexpr char kQuote = '"';

constexpr const char* kTooLarge = "The control on the clipboard is too large to be pasted.";
constexpr const char* kNewerVersion =
    "The control on the clipboard was copied by a newer version of the program and cannot be "
    "pasted.";
constexpr const char* kDamaged = "The control on the clipboard cannot be pasted: ";

[[noreturn]] void Refuse(const std::string& detail) { throw UserError(kDamaged + detail + "."); }

// ---- The keys of a class ----

// One value of a class: the key it is stored under and how it is carried.
struct ClassKey {
  std::string name;
  KeySpec def;
};

struct ClassLayout {
  std::vector<ClassKey> keys;   // in the header section, in this order
  std::vector<ClassKey> lists;  // each in a section of its own, named after its key
};

bool SameProperty(const KeySpec& a, const KeySpec& b) {
  if (a.codec != b.codec) return false;
  switch (a.codec) {
    case Codec::kInt:
      return a.get_int == b.get_int;
    case Codec::kText:
      return a.get_text == b.get_text;
    case Codec::kColor:
      return a.get_color == b.get_color;
    case Codec::kList:
      return a.get_list == b.get_list;
    default:
      return std::string_view(a.key) == b.key;
  }
}

// What every control has, written before the keys of its class.
std::vector<KeySpec> CommonKeys() {
  return {form_io::TagKey("Tag", 0),
          form_io::LeftKey(0),
          form_io::TopKey(0),
          form_io::WidthKey(0),
          form_io::HeightKey(0),
          form_io::Colour<TControl, &TControl::Color, &TControl::SetColor>("Color", kWhite),
          form_io::FontKey(),
          form_io::ToolkitAlignKey("Alignment", 0)};
}

// Properties the form files do not store (design-time state, and a colour the drawing
// overwrites), carried all the same.
std::vector<std::pair<ControlClass, KeySpec>> ExtraKeys() {
  using form_io::Colour;
  using form_io::Int;
  using Pt = TPTPopTrigger;
  using Dl = TPTDialog;
  using Mn = TCCMenu;
  using Mb = TCCMenuBar;
  using Fm = TCCForm;
  return {
      // The screen panel is never on a clipboard; its values are listed for the undo
      // snapshots, which record every control through the same layout.
      {Fm::kClass, form_io::KeyOf(BindText<Fm, &Fm::Title, &Fm::SetTitle>("Title", "Form1"))},
      {Fm::kClass, Colour<Fm, &Fm::ColorFormFill, &Fm::SetColorFormFill>("ColorFormFill", kWhite)},
      {Fm::kClass,
       Colour<Fm, &Fm::ColorFormFrame, &Fm::SetColorFormFrame>("ColorFormFrame", kBlack)},
      {Fm::kClass, Colour<Fm, &Fm::ColorFill, &Fm::SetColorFill>("ColorFill", kWhite)},
      {Fm::kClass, Colour<Fm, &Fm::ColorFrame, &Fm::SetColorFrame>("ColorFrame", kBlack)},
      {Fm::kClass, Colour<Fm, &Fm::ColorText, &Fm::SetColorText>("ColorText", kBlack)},
      {Fm::kClass,
       Colour<Fm, &Fm::ColorSelectedFill, &Fm::SetColorSelectedFill>("ColorSelectedFill", kBlack)},
      {Fm::kClass,
       Colour<Fm, &Fm::ColorSelectedFore, &Fm::SetColorSelectedFore>("ColorSelectedFore", kWhite)},
      {Fm::kClass, Int<Fm, &Fm::GridVisible, &Fm::SetGridVisible>("GridVisible", 0)},
      {Fm::kClass, Int<Fm, &Fm::GridSpace, &Fm::SetGridSpace>("GridSpace", 4)},
      {Pt::kClass, Colour<Pt, &Pt::ColorText, &Pt::SetColorText>("ColorText", kBlack)},
      {Dl::kClass, Int<Dl, &Dl::GridVisible, &Dl::SetGridVisible>("GridVisible", 0)},
      {Dl::kClass, Int<Dl, &Dl::GridSpace, &Dl::SetGridSpace>("GridSpace", 4)},
      // The menus' Test is written by the form files for the device only, never read back.
      {Mn::kClass, form_io::KeyOf(ccbind::kMenuTest)},
      {Mb::kClass, form_io::KeyOf(ccbind::kMenuBarTest)},
  };
}

bool CarriesAValue(const KeySpec& k) {
  if (!k.read) return false;  // written by the form files for the device only
  switch (k.codec) {
    case Codec::kText:
    case Codec::kInt:
    case Codec::kColor:
    case Codec::kList:
      return true;
    default:  // the kind, name and parent, constants, and what CommonKeys carries
      return false;
  }
}

bool NameTaken(const ClassLayout& layout, const std::string& name) {
  for (const auto* list : {&layout.keys, &layout.lists})
    for (const ClassKey& have : *list)
      if (SameText(have.name, name)) return true;
  return false;
}

// A property the layout has already (the two libraries name some alike: Content and Text of
// a TCCButton) is skipped; a key that would repeat another property's name is qualified by
// its kind ("Menu.Left").
void AddKey(ClassLayout& layout, const KeySpec& k, const char* kind) {
  std::vector<ClassKey>& list = k.codec == Codec::kList ? layout.lists : layout.keys;
  for (const ClassKey& have : list)
    if (SameProperty(have.def, k)) return;
  std::string name = k.key;
  if (NameTaken(layout, name)) name = std::string(kind) + "." + name;
  list.push_back({name, k});
}

ClassLayout MakeClassLayout(ControlClass cls) {
  ClassLayout layout;
  for (const KeySpec& k : CommonKeys()) AddKey(layout, k, "");
  for (LibraryId lib : {LibraryId::kCControls, LibraryId::kPToolboxLib}) {
    for (const form_io::KindLayout& kind : form_io::LayoutOf(lib).kinds) {
      const KindInfo* info = FindKind(kind.kind);
      if (!info || info->cls != cls) continue;
      for (const KeySpec& k : kind.keys)
        if (CarriesAValue(k)) AddKey(layout, k, info->kind);
      for (const form_io::ListSection& section : kind.list_sections) {
        KeySpec k;
        k.key = section.suffix;
        k.codec = Codec::kList;
        k.get_list = section.get;
        k.set_list = section.set;
        AddKey(layout, k, info->kind);
      }
    }
  }
  for (const auto& [extra_class, k] : ExtraKeys())
    if (extra_class == cls) AddKey(layout, k, ClassName(cls));
  return layout;
}

const ClassLayout& LayoutOfClass(ControlClass cls) {
  static const std::map<ControlClass, ClassLayout> kLayouts = [] {
    std::map<ControlClass, ClassLayout> layouts;
    for (int i = 0; i <= static_cast<int>(ControlClass::kDesignerClient); ++i) {
      auto c = static_cast<ControlClass>(i);
      layouts[c] = MakeClassLayout(c);
    }
    return layouts;
  }();
  return kLayouts.at(cls);
}

// ---- Values ----

std::string Quoted(const std::string& text) { return kQuote + text + kQuote; }

int HeldInt(int value) { return std::clamp(value, form_io::kDeviceMin, form_io::kDeviceMax); }

void WriteValue(IniFile& ini, const ClassKey& key, const TControl& c) {
  const KeySpec& k = key.def;
  switch (k.codec) {
    case Codec::kInt:
      ini.WriteInteger(kHeaderSection, key.name, HeldInt(k.get_int(c)));
      break;
    case Codec::kText:
      ini.WriteString(kHeaderSection, key.name, Quoted(k.get_text(c)));
      break;
    case Codec::kColor:
      ini.WriteColor(kHeaderSection, key.name, k.get_color(c));
      break;
    case Codec::kFont:
      ini.WriteFont(kHeaderSection, key.name, c.Font());
      break;
    case Codec::kToolkitAlign:
      ini.WriteInteger(kHeaderSection, key.name, static_cast<int>(c.Alignment()));
      break;
    case Codec::kList: {
      StringList items = k.get_list(c);
      if (items.size() > static_cast<std::size_t>(kMaxClipboardListItems))
        items.resize(kMaxClipboardListItems);
      for (std::string& item : items) item = Quoted(item);
      ini.WriteList(key.name, items);
      break;
    }
    default:
      break;
  }
}

const std::string& Required(const IniFile& ini, std::string_view section, std::string_view key) {
  const std::string* value = ini.Find(section, key);
  if (!value) Refuse("the key " + std::string(key) + " is missing");
  return *value;
}

int ReadInt(const IniFile& ini, std::string_view section, std::string_view key, int min, int max) {
  std::optional<int> value = ParseIniInteger(Required(ini, section, key));
  if (!value || *value < min || *value > max)
    Refuse("the value of " + std::string(key) + " is not a valid number");
  return *value;
}

int ReadDeviceInt(const IniFile& ini, std::string_view section, std::string_view key) {
  return ReadInt(ini, section, key, form_io::kDeviceMin, form_io::kDeviceMax);
}

std::string ReadQuoted(const IniFile& ini, std::string_view section, std::string_view key) {
  const std::string& value = Required(ini, section, key);
  if (value.size() < 2 || value.front() != kQuote || value.back() != kQuote)
    Refuse("the value of " + std::string(key) + " is not a quoted text");
  return value.substr(1, value.size() - 2);
}

std::string ReadIdentOrEmpty(const IniFile& ini, std::string_view key) {
  const std::string& value = Required(ini, kHeaderSection, key);
  if (!value.empty() && !IsValidIdent(value))
    Refuse("the value of " + std::string(key) + " is not a name");
  return value;
}

// The six fields FontText writes, each checked.
Font ReadFont(const IniFile& ini, std::string_view key) {
  const std::string& text = Required(ini, kHeaderSection, key);
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (;;) {
    std::size_t comma = text.find(',', start);
    fields.push_back(Trim(text.substr(start, comma - start)));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  auto bad = [&] { Refuse("the value of " + std::string(key) + " is not a valid font"); };
  if (fields.size() != 6 || fields[0].empty() || fields[0].find(';') != std::string::npos) bad();
  Font font;
  font.name = fields[0];
  std::optional<int> size = ParseIniInteger(fields[1]);
  std::optional<int> pitch = ParseIniInteger(fields[3]);
  std::optional<Color> color = ParseColorIdent(fields[4]);
  std::optional<int> charset = ParseIniInteger(fields[5]);
  if (!size || *size < form_io::kDeviceMin || *size > form_io::kDeviceMax) bad();
  if (!pitch || *pitch < 0 || *pitch > 2 || !color || !charset || *charset < 0 || *charset > 255)
    bad();
  for (char letter : fields[2]) {
    switch (letter) {
      case 'B':
        font.bold = true;
        break;
      case 'I':
        font.italic = true;
        break;
      case 'U':
        font.underline = true;
        break;
      case 'S':
        font.strikeout = true;
        break;
      default:
        bad();
    }
  }
  font.size = *size;
  font.pitch = *pitch;
  font.color = *color;
  font.charset = *charset;
  return font;
}

StringList ReadListSection(const IniFile& ini, const std::string& section) {
  int count = ReadInt(ini, section, kIniCountKey, 0, kMaxClipboardListItems);
  StringList items;
  items.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i)
    items.push_back(ReadQuoted(ini, section, IniItemKey(static_cast<std::size_t>(i))));
  return items;
}

// The value of one key, read and checked before anything is applied.
struct ReadValue {
  const ClassKey* key;
  int number = 0;
  Color color = 0;
  std::string text;
  Font font;
  StringList list;
};

ReadValue ReadKey(const IniFile& ini, const ClassKey& key) {
  ReadValue v{&key};
  const std::string& name = key.name;
  switch (key.def.codec) {
    case Codec::kInt:
      v.number = ReadDeviceInt(ini, kHeaderSection, name);
      break;
    case Codec::kText:
      v.text = ReadQuoted(ini, kHeaderSection, name);
      break;
    case Codec::kColor: {
      std::optional<Color> color = ParseIniColor(Required(ini, kHeaderSection, name));
      if (!color) Refuse("the value of " + name + " is not a valid colour");
      v.color = *color;
      break;
    }
    case Codec::kFont:
      v.font = ReadFont(ini, name);
      break;
    case Codec::kToolkitAlign:
      v.number = ReadInt(ini, kHeaderSection, name, 0, 2);
      break;
    case Codec::kList:
      v.list = ReadListSection(ini, name);
      break;
    default:
      break;
  }
  return v;
}

void Apply(const ReadValue& v, TControl& c) {
  const KeySpec& k = v.key->def;
  switch (k.codec) {
    case Codec::kInt:
      k.set_int(c, v.number);
      break;
    case Codec::kText:
      k.set_text(c, v.text);
      break;
    case Codec::kColor:
      k.set_color(c, v.color);
      break;
    case Codec::kFont:
      c.SetFont(v.font);
      break;
    case Codec::kToolkitAlign:
      c.SetAlignment(static_cast<TextAlign>(v.number));
      break;
    case Codec::kList:
      k.set_list(c, v.list);
      break;
    default:
      break;
  }
}

std::size_t KeyCount(const IniFile& ini) {
  std::size_t n = 0;
  for (const std::string& section : ini.SectionNames())
    if (!SameText(section, kEndSection)) n += ini.Keys(section).size();
  return n;
}

// The header's class, checked to be one a clipboard can carry.
ControlClass ReadClass(const IniFile& ini) {
  const std::string& name = Required(ini, kHeaderSection, kClassKey);
  ControlClass cls;
  if (!ClassFromName(name, &cls) || cls == ControlClass::kCCForm ||
      cls == ControlClass::kDesignerClient)
    Refuse("the class " + name + " is unknown");
  return cls;
}

std::string_view WithoutLastLineEnd(std::string_view text) {
  if (!text.empty() && text.back() == '\n') text.remove_suffix(1);
  if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
  return text;
}

void CheckFrame(const IniFile& ini, std::string_view text) {
  std::vector<std::string> sections = ini.SectionNames();
  if (sections.empty() || !SameText(sections.front(), kHeaderSection))
    Refuse("it does not begin with its header");
  int version = ReadInt(ini, kHeaderSection, kVersionKey, 1, std::numeric_limits<int>::max());
  if (version > kClipboardFormatVersion) throw UserError(kNewerVersion);
  // This writer's text reads back to itself: anything else (a repeated key or section, a
  // stray line) was not written by it.
  if (WithoutLastLineEnd(ini.Text()) != WithoutLastLineEnd(text))
    Refuse("it is not laid out as this program writes it");
  // The end mark counts what was written before it: content cut short or repeated lacks it
  // or disagrees with it.
  if (!SameText(sections.back(), kEndSection)) Refuse("it is incomplete");
  std::optional<int> keys = ParseIniInteger(Required(ini, kEndSection, kKeysKey));
  if (!keys || *keys < 0 || static_cast<std::size_t>(*keys) != KeyCount(ini))
    Refuse("it is incomplete");
}

}  // namespace

std::string WriteClipboardControl(const TControl& control, const std::string& name) {
  const ClassLayout& layout = LayoutOfClass(control.Class());
  IniFile ini;
  ini.WriteInteger(kHeaderSection, kVersionKey, kClipboardFormatVersion);
  ini.WriteString(kHeaderSection, kClassKey, ClassName(control.Class()));
  ini.WriteString(kHeaderSection, kNameKey, name);
  const TControl* panel = control.PalmForm();
  std::string panel_name;
  if (panel)
    panel_name = panel->Class() == ControlClass::kCCForm ? kClipboardScreenName : panel->Name();
  ini.WriteString(kHeaderSection, kPalmFormKey, panel_name);
  for (const auto* list : {&layout.keys, &layout.lists})
    for (const ClassKey& k : *list) WriteValue(ini, k, control);
  ini.WriteInteger(kEndSection, kKeysKey, static_cast<int>(KeyCount(ini)));
  return ini.Text();
}

namespace {

// What the device could not show is not pasted; the message names the key that holds it.
void RefuseUnshownText(std::string_view text, const std::string& name) {
  auto cp = FirstUnshownCharacter(text);
  if (!cp) return;
  std::string key;
  for (std::size_t start = 0; start < text.size() && key.empty();) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (FirstUnshownCharacter(line)) key = std::string(line.substr(0, line.find('=')));
    start = end + 1;
  }
  throw UserError(UnshownCharacterText(*cp) + "; " + name + " (" + key + ") is not pasted.");
}

}  // namespace

ClipboardControl ReadClipboardControl(std::string_view text, ControlOwner* owner) {
  if (text.size() > kMaxClipboardBytes) throw UserError(kTooLarge);
  IniFile ini;
  ini.Parse(text);
  CheckFrame(ini, text);
  ControlClass cls = ReadClass(ini);
  std::string name = ReadIdentOrEmpty(ini, kNameKey);
  if (name.empty()) Refuse("the value of Name is not a name");
  std::string palm_form = ReadIdentOrEmpty(ini, kPalmFormKey);
  RefuseUnshownText(text, name);

  // Everything is read and checked before the control exists.
  const ClassLayout& layout = LayoutOfClass(cls);
  std::vector<ReadValue> values;
  for (const auto* list : {&layout.keys, &layout.lists})
    for (const ClassKey& k : *list) values.push_back(ReadKey(ini, k));

  std::unique_ptr<TControl> control = CreateControl(cls, owner);
  if (!control) Refuse("the class " + std::string(ClassName(cls)) + " is unknown");
  control->SetName(name);
  // Setters that reshape the control go first; the stored geometry is applied last, so
  // that no setter's reshaping survives it.
  for (bool first : {true, false})
    for (const ReadValue& v : values)
      if (v.key->def.first == first) Apply(v, *control);
  auto number = [&](const char* key) {
    for (const ReadValue& v : values)
      if (SameText(v.key->name, key)) return v.number;
    return 0;
  };
  control->SetBounds(number(form_io::kLeftKey), number(form_io::kTopKey),
                     number(form_io::kWidthKey), number(form_io::kHeightKey));
  return {std::move(control), std::move(palm_form)};
}

namespace {

// Every value of a control's class, in the clipboard layout's order.
void ForEachKey(ControlClass cls, const std::function<void(const ClassKey&)>& fn) {
  const ClassLayout& layout = LayoutOfClass(cls);
  for (const auto* list : {&layout.keys, &layout.lists})
    for (const ClassKey& k : *list) fn(k);
}

}  // namespace

struct ControlValues::Value : ReadValue {};

ControlValues::ControlValues() = default;
ControlValues::~ControlValues() = default;
ControlValues::ControlValues(ControlValues&&) noexcept = default;
ControlValues& ControlValues::operator=(ControlValues&&) noexcept = default;

namespace {

bool IsViewKey(ControlClass cls, std::string_view key) {
  if (key == "SelectColor") return true;
  switch (cls) {
    case ControlClass::kCCMenu:
    case ControlClass::kCCMenuBar:
      return key == "Test";
    case ControlClass::kPTDialog:
      return key == "Tag" || key == "GridVisible" || key == "GridSpace";
    case ControlClass::kCCForm:
      return key == "GridVisible" || key == "GridSpace";
    default:
      return false;
  }
}

bool SameValue(const ControlValues::Value& a, const ControlValues::Value& b) {
  return a.number == b.number && a.color == b.color && a.text == b.text && a.font == b.font &&
         a.list == b.list;
}

}  // namespace

bool SameDesignValues(ControlClass cls, const ControlValues& a, const ControlValues& b) {
  if (a.values_.size() != b.values_.size()) return false;
  if (a.left_ != b.left_ || a.top_ != b.top_ || a.width_ != b.width_) return false;
  // A menu's height follows its Test.
  if (a.height_ != b.height_ && cls != ControlClass::kCCMenu) return false;
  for (std::size_t i = 0; i < a.values_.size(); ++i) {
    const ControlValues::Value& va = a.values_[i];
    if (va.key != b.values_[i].key) return false;
    if (!IsViewKey(cls, va.key->name) && !SameValue(va, b.values_[i])) return false;
  }
  return true;
}

ControlValues CaptureControlValues(const TControl& c) {
  ControlValues out;
  ForEachKey(c.Class(), [&](const ClassKey& key) {
    ControlValues::Value v;
    v.key = &key;
    const KeySpec& k = key.def;
    switch (k.codec) {
      case Codec::kInt:
        v.number = k.get_int(c);
        break;
      case Codec::kText:
        v.text = k.get_text(c);
        break;
      case Codec::kColor:
        v.color = k.get_color(c);
        break;
      case Codec::kFont:
        v.font = c.Font();
        break;
      case Codec::kToolkitAlign:
        v.number = static_cast<int>(c.Alignment());
        break;
      case Codec::kList:
        v.list = k.get_list(c);
        break;
      default:
        break;
    }
    out.values_.push_back(std::move(v));
  });
  out.left_ = c.Left();
  out.top_ = c.Top();
  out.width_ = c.Width();
  out.height_ = c.Height();
  return out;
}

void ApplyControlValues(const ControlValues& values, TControl& c) {
  // As on pasting: reshaping setters first, the stored geometry last.
  for (bool first : {true, false})
    for (const ControlValues::Value& v : values.values_)
      if (v.key->def.first == first) Apply(v, c);
  c.SetBounds(values.left_, values.top_, values.width_, values.height_);
}

}  // namespace qb
