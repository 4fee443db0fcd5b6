#pragma once

// The property schema: per library, per kind, the bindings of a control's form-file section in
// written order; per control class, the bindings the clipboard and the undo snapshots carry.
// Both point at the same bindings (cc_bindings.h, pt_bindings.h and the members below), so a
// property is bound once and every walker reads it through that one binding.

#include <string>
#include <vector>

#include "controls/property_binding.h"
#include "model/kinds.h"
#include "model/library.h"

namespace qb {

// The members every control has.
namespace members {

using C = TControl;
inline constexpr PropertyBinding kKind = BindMember("Control", Codec::kKind);
inline constexpr PropertyBinding kName = BindMember("Name", Codec::kName);
inline constexpr PropertyBinding kParent = BindMember("Parent", Codec::kParent);
inline constexpr PropertyBinding kFont = BindMember("Font", Codec::kFont);
// The label coding of a CControls text's alignment.
inline constexpr PropertyBinding kLabelAlign = BindMember("Alignment", Codec::kLabelAlign);
// The toolkit's coding: a Select's "Align", the clipboard's "Alignment".
inline constexpr PropertyBinding kSelectAlign = BindMember("Align", Codec::kToolkitAlign);
inline constexpr PropertyBinding kAlignment = BindMember("Alignment", Codec::kToolkitAlign);
inline constexpr PropertyBinding kColor =
    BindColor<C, &C::Color, &C::SetColor>("Color", kWhite).Member();
// The geometry with the default a kind reads when the key is missing.
template <int D>
inline constexpr PropertyBinding kLeft = BindInt<C, &C::Left, &C::SetLeft>("Left", D).Member();
template <int D>
inline constexpr PropertyBinding kTop = BindInt<C, &C::Top, &C::SetTop>("Top", D).Member();
template <int D>
inline constexpr PropertyBinding kWidth = BindInt<C, &C::Width, &C::SetWidth>("Width", D).Member();
template <int D>
inline constexpr PropertyBinding kHeight =
    BindInt<C, &C::Height, &C::SetHeight>("Height", D).Member();
// The Tag slot under its own name and under a kind's key.
inline constexpr PropertyBinding kTag = BindInt<C, &C::Tag, &C::SetTag>("Tag", 0).Member();
inline constexpr PropertyBinding kClickable =
    BindInt<C, &C::Tag, &C::SetTag>("Clickable", 1).Member();
inline constexpr PropertyBinding kGroupNumber =
    BindInt<C, &C::Tag, &C::SetTag>("GroupNumber", 0).Member();
inline constexpr PropertyBinding kRadioGroupNumber =
    BindInt<C, &C::Tag, &C::SetTag>("GroupNumber", 1).Member();
inline constexpr PropertyBinding kDialogTest = BindInt<C, &C::Tag, &C::SetTag>("Test", 0).Member();

}  // namespace members

// One kind's form-file section.
struct KindSchema {
  KindId kind;
  // The name read when the file has none ("MenuBar" is followed by the form's name).
  const char* default_name;
  // In written order; clipboard-only bindings are carried by the clipboard alone, list
  // sections are written after the section.
  std::vector<const PropertyBinding*> keys;
  // Values every control of the kind gets after its keys are read.
  void (*after_read)(TControl&) = nullptr;
  // Gets its parent panel as PalmForm when read.
  bool palm_form = false;
};

struct LibrarySchema {
  LibraryId library;
  // Keys of the "FORM" section that follow "Lib", carried by the screen panel.
  std::vector<const PropertyBinding*> form_keys;
  std::vector<KindSchema> kinds;
  // Whether the window's menus and first menu bar are written after the screen's controls.
  bool writes_menus = false;

  const KindSchema* Find(KindId kind) const;
};

const LibrarySchema& LibrarySchemaOf(LibraryId lib);

// One value the clipboard and the snapshots carry: the binding and the name it goes under.
struct ClassField {
  std::string name;
  const PropertyBinding* binding;
};

// Every value of a control class: the members every control has, then the keys its kinds
// have in the form files of both libraries (a property the two libraries name alike is
// carried once; a name taken by another property is qualified by the kind, "Menu.Left"),
// then the values the files do not read back and the clipboard-only ones.
struct ClassSchema {
  std::vector<ClassField> keys;   // in the clipboard's header section, in this order
  std::vector<ClassField> lists;  // each in a section of its own, named after its field
};

const ClassSchema& ClassSchemaOf(ControlClass cls);

}  // namespace qb
