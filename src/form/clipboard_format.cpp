// The clipboard text of one control, built on the INI layout and the class's schema
// (controls/schema.h): a class's keys are the keys its kinds have in the form files of both
// libraries, after the members every control has.

#include "form/clipboard_format.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <optional>

#include "controls/factory.h"
#include "controls/schema.h"
#include "form/form_keys.h"
#include "model/code_page.h"
#include "model/ini_codec.h"
#include "model/ini_file.h"
#include "model/kinds.h"
#include "model/text_util.h"
#include "model/user_error.h"

namespace qb {

namespace {

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

// ---- Values ----

std::string Quoted(const std::string& text) { return kQuote + text + kQuote; }

int HeldInt(int value) { return std::clamp(value, form_io::kDeviceMin, form_io::kDeviceMax); }

// How a field is carried: a value of its type, or the font or the alignment every control has.
enum class Carried { kInt, kText, kColor, kList, kFont, kAlignment };

Carried CarriedAs(const PropertyBinding& k) {
  if (k.codec == Codec::kFont) return Carried::kFont;
  if (k.codec == Codec::kToolkitAlign) return Carried::kAlignment;
  switch (k.type) {
    case ValueType::kInt:
      return Carried::kInt;
    case ValueType::kText:
      return Carried::kText;
    case ValueType::kColor:
      return Carried::kColor;
    case ValueType::kList:
      break;
  }
  return Carried::kList;
}

void WriteValue(IniFile& ini, const ClassField& key, const TControl& c) {
  const PropertyBinding& k = *key.binding;
  switch (CarriedAs(k)) {
    case Carried::kInt:
      ini.WriteInteger(kHeaderSection, key.name, HeldInt(k.get_int(c)));
      break;
    case Carried::kText:
      ini.WriteString(kHeaderSection, key.name, Quoted(k.get_text(c)));
      break;
    case Carried::kColor:
      ini.WriteColor(kHeaderSection, key.name, k.get_color(c));
      break;
    case Carried::kFont:
      ini.WriteFont(kHeaderSection, key.name, c.Font());
      break;
    case Carried::kAlignment:
      ini.WriteInteger(kHeaderSection, key.name, static_cast<int>(c.Alignment()));
      break;
    case Carried::kList: {
      StringList items = k.get_list(c);
      if (items.size() > static_cast<std::size_t>(kMaxClipboardListItems))
        items.resize(kMaxClipboardListItems);
      for (std::string& item : items) item = Quoted(item);
      ini.WriteList(key.name, items);
      break;
    }
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
  const ClassField* key;
  int number = 0;
  Color color = 0;
  std::string text;
  Font font;
  StringList list;
};

ReadValue ReadKey(const IniFile& ini, const ClassField& key) {
  ReadValue v{&key};
  const std::string& name = key.name;
  switch (CarriedAs(*key.binding)) {
    case Carried::kInt:
      v.number = ReadDeviceInt(ini, kHeaderSection, name);
      break;
    case Carried::kText:
      v.text = ReadQuoted(ini, kHeaderSection, name);
      break;
    case Carried::kColor: {
      std::optional<Color> color = ParseIniColor(Required(ini, kHeaderSection, name));
      if (!color) Refuse("the value of " + name + " is not a valid colour");
      v.color = *color;
      break;
    }
    case Carried::kFont:
      v.font = ReadFont(ini, name);
      break;
    case Carried::kAlignment:
      v.number = ReadInt(ini, kHeaderSection, name, 0, 2);
      break;
    case Carried::kList:
      v.list = ReadListSection(ini, name);
      break;
  }
  return v;
}

void Apply(const ReadValue& v, TControl& c) {
  const PropertyBinding& k = *v.key->binding;
  switch (CarriedAs(k)) {
    case Carried::kInt:
      k.set_int(c, v.number);
      break;
    case Carried::kText:
      k.set_text(c, v.text);
      break;
    case Carried::kColor:
      k.set_color(c, v.color);
      break;
    case Carried::kFont:
      c.SetFont(v.font);
      break;
    case Carried::kAlignment:
      c.SetAlignment(static_cast<TextAlign>(v.number));
      break;
    case Carried::kList:
      k.set_list(c, v.list);
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
  const ClassSchema& layout = ClassSchemaOf(control.Class());
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
    for (const ClassField& k : *list) WriteValue(ini, k, control);
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
  const ClassSchema& layout = ClassSchemaOf(cls);
  std::vector<ReadValue> values;
  for (const auto* list : {&layout.keys, &layout.lists})
    for (const ClassField& k : *list) values.push_back(ReadKey(ini, k));

  std::unique_ptr<TControl> control = CreateControl(cls, owner);
  if (!control) Refuse("the class " + std::string(ClassName(cls)) + " is unknown");
  control->SetName(name);
  // Setters that reshape the control go first; the stored geometry is applied last, so
  // that no setter's reshaping survives it.
  for (bool first : {true, false})
    for (const ReadValue& v : values)
      if (v.key->binding->first == first) Apply(v, *control);
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
void ForEachKey(ControlClass cls, const std::function<void(const ClassField&)>& fn) {
  const ClassSchema& layout = ClassSchemaOf(cls);
  for (const auto* list : {&layout.keys, &layout.lists})
    for (const ClassField& k : *list) fn(k);
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
  ForEachKey(c.Class(), [&](const ClassField& key) {
    ControlValues::Value v;
    v.key = &key;
    const PropertyBinding& k = *key.binding;
    switch (CarriedAs(k)) {
      case Carried::kInt:
        v.number = k.get_int(c);
        break;
      case Carried::kText:
        v.text = k.get_text(c);
        break;
      case Carried::kColor:
        v.color = k.get_color(c);
        break;
      case Carried::kFont:
        v.font = c.Font();
        break;
      case Carried::kAlignment:
        v.number = static_cast<int>(c.Alignment());
        break;
      case Carried::kList:
        v.list = k.get_list(c);
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
      if (v.key->binding->first == first) Apply(v, c);
  c.SetBounds(values.left_, values.top_, values.width_, values.height_);
}

}  // namespace qb
