#pragma once

// The key tables that drive the form readers and writers: per library, per kind, the keys of
// a control's section in written order, each with the property it carries and the default
// used when the key is missing on reading.

#include <climits>
#include <string>
#include <vector>

#include "controls/control.h"
#include "controls/property_binding.h"
#include "model/library.h"

namespace qb::form_io {

enum class Codec {
  kControl,  // the kind name
  kName,     // the control's name; read before the control is placed
  kParent,   // the parent panel's name; read before the control is placed
  kText,
  kInt,
  kColor,
  kFont,
  kList,          // "Count" and "Item<i>"; written first in its section
  kLabelAlign,    // 0 left, 1 centre, 2 right
  kToolkitAlign,  // the toolkit's numbering: 0 left, 1 right, 2 centre
  kConstant,      // written as the default, never read
};

// Keys that are not tied to one kind.
inline constexpr const char* kControlKey = "Control";
inline constexpr const char* kNameKey = "Name";
inline constexpr const char* kParentKey = "Parent";
inline constexpr const char* kFontKey = "Font";
inline constexpr const char* kLeftKey = "Left";
inline constexpr const char* kTopKey = "Top";
inline constexpr const char* kWidthKey = "Width";
inline constexpr const char* kHeightKey = "Height";

using IntGet = int (*)(const TControl&);
using IntSet = void (*)(TControl&, int);
using ColorGet = Color (*)(const TControl&);
using ColorSet = void (*)(TControl&, Color);
using TextGet = std::string (*)(const TControl&);
using TextSet = void (*)(TControl&, const std::string&);
using ListGet = StringList (*)(const TControl&);
using ListSet = void (*)(TControl&, const StringList&);

// Integers read from a file are held to what a Palm object can carry (16-bit signed
// coordinates, unsigned 16-bit counts), so no later arithmetic on them can overflow.
inline constexpr int kDeviceMin = -32768;
inline constexpr int kDeviceMax = 65535;

struct KeySpec {
  const char* key = "";
  Codec codec = Codec::kText;
  int int_default = 0;
  const char* text_default = "";
  // Written but not read: reading applies the default instead.
  bool read = true;
  // Applied before the other keys: its setter reshapes the control, and the file's own
  // geometry must win.
  bool first = false;
  // The name default is followed by the form's name (the menu bar).
  bool add_form_name = false;
  IntGet get_int = nullptr;
  IntSet set_int = nullptr;
  ColorGet get_color = nullptr;
  ColorSet set_color = nullptr;
  TextGet get_text = nullptr;
  TextSet set_text = nullptr;
  ListGet get_list = nullptr;
  ListSet set_list = nullptr;
  // The bound property the key carries; nullptr for the keys every control has and for the
  // few whose file form is their own.
  const PropertyBinding* binding = nullptr;
};

// A list kept in a section of its own, named after the control plus the suffix.
struct ListSection {
  const char* suffix;
  ListGet get;
  ListSet set;
};

struct KindLayout {
  KindId kind;
  std::vector<KeySpec> keys;
  std::vector<ListSection> list_sections;
  // Values every control of the kind gets after its keys are read.
  void (*after_read)(TControl&) = nullptr;
  // Gets its parent panel as PalmForm when read.
  bool palm_form = false;
};

struct LibraryLayout {
  LibraryId library;
  // Colour keys of the "FORM" section that follow "Lib", carried by the screen panel.
  std::vector<KeySpec> form_keys;
  std::vector<KindLayout> kinds;
  // Whether the window's menus and first menu bar are written after the screen's controls.
  bool writes_menus = false;

  const KindLayout* Find(KindId kind) const;
};

const LibraryLayout& CControlsLayout();
const LibraryLayout& PToolboxLayout();
const LibraryLayout& LayoutOf(LibraryId lib);

// The key of a bound property.
KeySpec Key(const PropertyBinding& binding);
// The same key for a binding made on the spot, which the key does not keep.
KeySpec KeyOf(const PropertyBinding& binding);
// A bound integer the reader does not take from the file: it applies the default instead.
KeySpec WrittenOnly(const PropertyBinding& binding);
// A bound integer applied before the others.
KeySpec KeyFirst(const PropertyBinding& binding);

// Builders for keys outside the bindings. Get and Set are member functions of T (or of a base
// of T).

template <class T, auto Get, auto Set>
KeySpec Int(const char* key, int fallback) {
  return KeyOf(BindInt<T, Get, Set>(key, fallback));
}

template <class T, auto Get, auto Set>
KeySpec Colour(const char* key, Color fallback) {
  return KeyOf(BindColor<T, Get, Set>(key, fallback));
}

template <class T, auto Get, auto Set>
ListSection ListIn(const char* suffix) {
  return {suffix, &binding_access::GetList<T, Get>, &binding_access::SetList<T, Set>};
}

KeySpec ControlKey();
KeySpec NameKey(const char* fallback);
// "MenuBar" followed by the form's name.
KeySpec MenuBarNameKey();
KeySpec ParentKey();
KeySpec FontKey();
KeySpec LeftKey(int fallback);
KeySpec TopKey(int fallback);
KeySpec WidthKey(int fallback);
KeySpec HeightKey(int fallback);
// The Tag slot under the kind's own key ("Clickable", "GroupNumber", "Test").
KeySpec TagKey(const char* key, int fallback);
KeySpec LabelAlignKey(const char* key, int fallback);
KeySpec ToolkitAlignKey(const char* key, int fallback);
KeySpec ConstantKey(const char* key, int value);

}  // namespace qb::form_io
