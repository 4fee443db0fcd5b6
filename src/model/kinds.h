#pragma once

// The control-kind catalogue of both libraries: one table that the palette, placement,
// the form readers and writers, the property rules and paste all read.

#include <string_view>
#include <vector>

#include "model/library.h"

namespace qb {

// One value per control class.
enum class ControlClass {
  kCCForm,
  kCCButton,
  kCCSwitch,
  kCCCheckbox,
  kCCLabel,
  kCCEdit,
  kCCListBox,
  kCCRadio,
  kCCDropDown,
  kCCPopUp,
  kCCMenuBar,
  kCCMenu,
  kCCBitmap,
  kCCTable,
  kPTDialog,
  kPTButton,
  kPTPopTrigger,
  kPTEdit,
  kPTCheckbox,
  kPTLabel,
  kPTList,
  kPTGsi,
  kDesignerClient,  // the designer window's client area, parent of the screen panel and menus
};

// The class name as the toolkit spelled it ("TCCButton"); used by the clipboard.
const char* ClassName(ControlClass cls);
// The class by its name; false when unknown.
bool ClassFromName(std::string_view name, ControlClass* cls);

// The eighteen palette buttons, in toolbar order.
enum class PaletteButton {
  kNone = -1,
  kButton,
  kSelect,
  kPush,
  kLabel,
  kEditLine,
  kEdit,
  kCheckBox,
  kSwitch,
  kPopTrigger,
  kPopUp,
  kListBox,
  kDropDown,
  kRadio,
  kMenu,
  kBitmap,
  kTable,
  kGsi,
  kDialog,
};
inline constexpr int kPaletteButtonCount = 18;

enum class ParentRule { kScreenOrDialog, kScreen, kDesignerWindow };

// Which marker in a class's Tag slot tells the kind apart; kAnyTag when the class alone does.
inline constexpr int kAnyTag = -1;

// One value per kind of the catalogue, both libraries; the per-kind tables are keyed by it.
enum class KindId {
  kCCButton,
  kCCLabel,
  kCCCheckBox,
  kCCSwitch,
  kCCEdit,
  kCCEditLine,
  kCCListBox,
  kCCDropDown,
  kCCRadio,
  kCCPopUp,
  kCCImage,
  kCCTable,
  kCCDialog,
  kCCMenu,
  kCCMenuBar,
  kPTButton,
  kPTSelect,
  kPTPush,
  kPTLabel,
  kPTField,
  kPTCheckBox,
  kPTList,
  kPTPopTrigger,
  kPTRadio,
  kPTBitmap,
  kPTGsi,
  kPTDialog,
  kForm,  // not in the catalogue: the form itself, for the tables that describe it too
};

struct KindInfo {
  KindId id;
  LibraryId library;
  const char* kind;  // the word stored as "Control" and shown after ": " in the control list
  ControlClass cls;
  int tag_marker;  // kAnyTag, or the Tag value that identifies this kind within its class
  PaletteButton button;
  const char* hint;  // palette hint, empty for kinds without a button
  const char* long_prefix;
  const char* short_prefix;
  ParentRule parent;
};

// Every kind of one library, in catalogue order.
const std::vector<KindInfo>& KindsOf(LibraryId lib);
// The kind of a library by its exact, case-sensitive name; nullptr when unknown.
const KindInfo* FindKind(LibraryId lib, std::string_view kind);
// The catalogue entry of a kind; nullptr for KindId::kForm.
const KindInfo* FindKind(KindId id);
// The kind of a library placed by a palette button; nullptr when the library has none.
const KindInfo* KindForButton(LibraryId lib, PaletteButton button);
// The kind a control of the given class and Tag has in a library; nullptr when none.
const KindInfo* KindForClass(LibraryId lib, ControlClass cls, int tag);

struct PaletteButtonInfo {
  PaletteButton button;
  const char* name;
};
const PaletteButtonInfo* PaletteButtons();  // kPaletteButtonCount entries

}  // namespace qb
