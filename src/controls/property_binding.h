#pragma once

// One binding per property of a kind: the key it is stored under in a form file, the name of
// its inspector row, its value type, its getter and setter, and its default. The form files,
// the clipboard, the undo snapshots, the inspector and placement all refer to it, so a
// property's accessors are named once. The few members every control has (geometry, Tag,
// colour, font, alignment, kind, name, parent) are bindings too, of their own codec
// (controls/schema.h), so a kind's form-file section is a list of bindings.

#include <string>
#include <vector>

#include "controls/control.h"
#include "model/colors.h"
#include "model/ini_file.h"
#include "model/kinds.h"
#include "model/library.h"

namespace qb {

enum class ValueType { kInt, kText, kColor, kList };

// How a binding is carried: a value of its type through its accessors, or a member every
// control has in a coding of its own.
enum class Codec {
  kValue,
  kKind,    // the kind name ("Control")
  kName,    // the control's name; read before the control is placed
  kParent,  // the parent panel's name; read before the control is placed
  kFont,
  kLabelAlign,    // 0 left, 1 centre, 2 right
  kToolkitAlign,  // the toolkit's numbering: 0 left, 1 right, 2 centre
  kConstant,      // written as the default, never read
  kListSection,   // a list in a section of its own, named after the control plus the key
};

struct PropertyBinding {
  const char* key = "";  // the form-file key
  const char* row = "";  // the inspector row
  ValueType type = ValueType::kInt;
  int int_default = 0;  // integers and colours
  const char* text_default = "";
  // A control placed from the palette starts with the default.
  bool placed = false;
  // Shown in the inspector; a few values are only kept in the file.
  bool shown = true;
  Codec codec = Codec::kValue;
  // The clipboard's name of the property where it is not the file key.
  const char* name = nullptr;
  // Not one of a kind's bound properties: a member every control has, or a value whose row
  // is of its own (LibraryBindings does not list it).
  bool member = false;
  // Written to the form file but not read: reading applies the default instead.
  bool read = true;
  // Applied before the other values: its setter reshapes the control.
  bool first = false;
  // Carried by the clipboard and the undo snapshots only, never by a form file.
  bool clipboard_only = false;

  // The clipboard's name of the property.
  constexpr const char* Name() const { return name ? name : key; }
  int (*get_int)(const TControl&) = nullptr;
  void (*set_int)(TControl&, int) = nullptr;
  Color (*get_color)(const TControl&) = nullptr;
  void (*set_color)(TControl&, Color) = nullptr;
  std::string (*get_text)(const TControl&) = nullptr;
  void (*set_text)(TControl&, const std::string&) = nullptr;
  StringList (*get_list)(const TControl&) = nullptr;
  void (*set_list)(TControl&, const StringList&) = nullptr;

  // A copy with one field changed; the flags below are made with it.
  template <class V>
  constexpr PropertyBinding With(V PropertyBinding::*field, V value) const {
    PropertyBinding b = *this;
    b.*field = value;
    return b;
  }
  constexpr PropertyBinding Placed() const { return With(&PropertyBinding::placed, true); }
  constexpr PropertyBinding FileOnly() const { return With(&PropertyBinding::shown, false); }
  constexpr PropertyBinding WrittenOnly() const { return With(&PropertyBinding::read, false); }
  constexpr PropertyBinding First() const { return With(&PropertyBinding::first, true); }
  constexpr PropertyBinding ClipboardOnly() const {
    return With(&PropertyBinding::clipboard_only, true).Member();
  }
  constexpr PropertyBinding Member() const { return With(&PropertyBinding::member, true); }
  constexpr PropertyBinding Named(const char* clipboard_name) const {
    return With(&PropertyBinding::name, clipboard_name);
  }
};

// Gives the control the binding's default value (lists have none).
void ApplyDefault(const PropertyBinding& binding, TControl& control);

// The bound properties of one kind (KindId::kForm: of the form itself).
struct KindBindings {
  KindId kind;
  std::vector<const PropertyBinding*> bindings;
};

// Every kind of the library's catalogue once, and the form: the bindings among the kind's
// form-file keys in the schema (controls/schema.h) that are not members.
const std::vector<KindBindings>& LibraryBindings(LibraryId lib);
// Empty for a kind without bound properties.
const std::vector<const PropertyBinding*>& BindingsOf(LibraryId lib, KindId kind);

// The accessors of one member pair as plain functions. One function per class and member, so
// two tables naming the same member hold the same pointer (the clipboard relies on that to
// tell properties apart).
namespace binding_access {

template <class T, auto Get>
int GetInt(const TControl& c) {
  return static_cast<int>((static_cast<const T&>(c).*Get)());
}
template <class T, auto Set>
void SetInt(TControl& c, int v) {
  (static_cast<T&>(c).*Set)(v);
}
template <class T, auto Get>
Color GetColor(const TControl& c) {
  return (static_cast<const T&>(c).*Get)();
}
template <class T, auto Set>
void SetColor(TControl& c, Color v) {
  (static_cast<T&>(c).*Set)(v);
}
template <class T, auto Get>
std::string GetText(const TControl& c) {
  return std::string((static_cast<const T&>(c).*Get)());
}
template <class T, auto Set>
void SetText(TControl& c, const std::string& v) {
  (static_cast<T&>(c).*Set)(v);
}
template <class T, auto Get>
StringList GetList(const TControl& c) {
  return StringList((static_cast<const T&>(c).*Get)());
}
template <class T, auto Set>
void SetList(TControl& c, const StringList& v) {
  (static_cast<T&>(c).*Set)(v);
}

}  // namespace binding_access

// Builders. Get and Set are member functions of T (or of a base of T); the row name is the
// key unless given.

template <class T, auto Get, auto Set>
constexpr PropertyBinding BindInt(const char* key, int fallback, const char* row = nullptr) {
  PropertyBinding b;
  b.key = key;
  b.row = row ? row : key;
  b.type = ValueType::kInt;
  b.int_default = fallback;
  b.get_int = &binding_access::GetInt<T, Get>;
  b.set_int = &binding_access::SetInt<T, Set>;
  return b;
}

template <class T, auto Get, auto Set>
constexpr PropertyBinding BindColor(const char* key, Color fallback, const char* row = nullptr) {
  PropertyBinding b;
  b.key = key;
  b.row = row ? row : key;
  b.type = ValueType::kColor;
  b.int_default = static_cast<int>(fallback);
  b.get_color = &binding_access::GetColor<T, Get>;
  b.set_color = &binding_access::SetColor<T, Set>;
  return b;
}

template <class T, auto Get, auto Set>
constexpr PropertyBinding BindText(const char* key, const char* fallback,
                                   const char* row = nullptr) {
  PropertyBinding b;
  b.key = key;
  b.row = row ? row : key;
  b.type = ValueType::kText;
  b.text_default = fallback;
  b.get_text = &binding_access::GetText<T, Get>;
  b.set_text = &binding_access::SetText<T, Set>;
  return b;
}

// The items of a list kind: "Count" and "Item<i>" in the file, the "Items" row (an editor).
template <class T, auto Get, auto Set>
constexpr PropertyBinding BindList() {
  PropertyBinding b;
  b.key = "List";
  b.row = "Items";
  b.type = ValueType::kList;
  b.get_list = &binding_access::GetList<T, Get>;
  b.set_list = &binding_access::SetList<T, Set>;
  return b;
}

// A member in a coding of its own (no accessors).
constexpr PropertyBinding BindMember(const char* key, Codec codec, int fallback = 0) {
  PropertyBinding b;
  b.key = key;
  b.row = key;
  b.codec = codec;
  b.int_default = fallback;
  b.member = true;
  return b;
}

// A list in a section of its own, named after the control plus the key.
template <class T, auto Get, auto Set>
constexpr PropertyBinding BindListSection(const char* suffix) {
  PropertyBinding b = BindList<T, Get, Set>();
  b.key = suffix;
  b.row = suffix;
  b.codec = Codec::kListSection;
  b.member = true;
  return b;
}

}  // namespace qb
